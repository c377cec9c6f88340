// Starts Tallyglyph: checks that there is a display to open the window on, then hands over
// to the window's event loop until the window closes.

#include "form1_events.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string_view>

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
void report_fatal_start(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::fprintf(stderr, "tallyglyph: %s\n", message.toLocal8Bit().constData());
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "tallyglyph: cannot open the window; is a desktop session running?\n");
        std::_Exit(EXIT_FAILURE);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (!has_display()) {
        std::fprintf(stderr, "tallyglyph: no display found (neither DISPLAY nor WAYLAND_DISPLAY is "
                             "set); run it from a desktop session.\n");
        return EXIT_FAILURE;
    }
    const QtMessageHandler previous = qInstallMessageHandler(report_fatal_start);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    tallyglyph::window::configure_application(app);
    return tallyglyph::window::run_form1(app);
}
