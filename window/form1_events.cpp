#include "form1_events.h"

#include "core/bulk_selection.h"
#include "core/command_line.h"
#include "core/selection_total.h"
#include "form1_window.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>

namespace tallyglyph::window {

void bind_form1_events(runtime::Items& items) {
    core::bind_toggle_handling(items);
    items.label("Label1").on_click([&items] { core::reset_selection(items); });
    items.label("Label6").on_click([&items] { core::select_all(items); });
    items.timer("Timer1").on_tick([&items] { core::refresh_command_line(items); });
}

void configure_application(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("tallyglyph"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tallyglyph"));
    QApplication::setApplicationVersion(QString::fromLatin1(application_version));
    // One look on every desktop, so the layout and its pixels are the same everywhere.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(app.style()->standardPalette());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));
}

int run_form1(QApplication& app) {
    Form1 form;
    bind_form1_events(form.items());
    form.show();
    if (auto* first = form.findChild<QWidget*>(QStringLiteral("Check1")))
        first->setFocus();
    form.items().timer("Timer1").set_enabled(true);
    return app.exec();
}

} // namespace tallyglyph::window
