#include "form1_events.h"

#include "artwork.h"
#include "core/bulk_selection.h"
#include "core/command_line.h"
#include "core/selection_total.h"
#include "first_frame_report.h"
#include "form1_accessibility.h"
#include "form1_layout.h"
#include "form1_window.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

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
    QApplication::setWindowIcon(artwork_icon(icon_resources));
    install_form1_accessibility();
    // MS Sans Serif is not on Linux; Liberation Sans has its metrics, so every caption fits.
    QFont::insertSubstitution(QString::fromUtf8(form1.font_family),
                              QStringLiteral("Liberation Sans"));
}

int run_form1(QApplication& app, const AfterStart& after_start) {
    Form1 form;
    bind_form1_events(form.items());
    report_first_frame_if_asked(form);
    form.show();
    if (auto* first = form.findChild<QWidget*>(QStringLiteral("Check1")))
        first->setFocus();
    form.items().timer("Timer1").set_enabled(true);
    if (after_start)
        after_start(form);
    return app.exec();
}

namespace {

bool has_display() {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

// Qt ends with an abort when it cannot reach the display; say so plainly instead.
void report_failed_start(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::fprintf(stderr, "tallyglyph: %s\n", message.toLocal8Bit().constData());
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "tallyglyph: cannot open the window; is a desktop session running?\n");
        std::_Exit(EXIT_FAILURE);
    }
}

} // namespace

int run_tallyglyph(int argc, char* argv[], const AfterStart& after_start) {
    if (!has_display()) {
        std::fprintf(stderr, "tallyglyph: no display found (neither DISPLAY nor WAYLAND_DISPLAY is "
                             "set); start it from a desktop session.\n");
        return EXIT_FAILURE;
    }
    const QtMessageHandler previous = qInstallMessageHandler(report_failed_start);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    configure_application(app);
    return run_form1(app, after_start);
}

} // namespace tallyglyph::window
