#include "use_reporter.h"

#include "form/form1_handlers.h"
#include "form/form_view.h"
#include "window/run_time_error_report.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace tallyglyph::window {

UseReporter::UseReporter(QWidget& window, form::FormView& form) : form_(form) {
    window.installEventFilter(this);
    connect(window.windowHandle(), &QWindow::screenChanged, this,
            [this] { run_handler([this] { form::keep_form1_line(form_.items()); }); });
}

// Qt has set the state an event tells of before it sends the event.
bool UseReporter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ActivationChange:
    case QEvent::WindowStateChange:
    case QEvent::Show:
    case QEvent::Hide:
        run_handler([this] { form::set_form1_in_use(form_.items(), form_.in_use()); });
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tallyglyph::window
