#include "form1_events.h"

#include "artwork.h"
#include "desktop_look.h"
#include "first_frame_report.h"
#include "form/form1_handlers.h"
#include "form1_accessibility.h"
#include "form1_window.h"
#include "line_commands.h"
#include "qt_options.h"
#include "window/program_start.h"
#include "window/run_time_error_report.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::window {

namespace {

void show_error_box(const std::string& text) {
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Tallyglyph"),
                          QString::fromStdString(text));
}

} // namespace

void configure_application(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("tallyglyph"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tallyglyph"));
    QApplication::setApplicationVersion(QString::fromLatin1(application_version));
    // Lets the desktop match the window to its installed entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(TALLYGLYPH_APP_ID));
    keep_desktop_look();
    // One look on every desktop, so the layout and its pixels are the same everywhere.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(app.style()->standardPalette());
    QApplication::setWindowIcon(artwork_icon(icon_resources));
    install_form1_accessibility();
    set_error_box(show_error_box);
    // The form's family also for what Qt draws around the form (its own title bar on Wayland,
    // a message box), so starting the program loads one family, not two.
    QFont font = QApplication::font();
    font.setFamily(form1_font_family());
    QApplication::setFont(font);
}

void open_form1(Form1& form, std::optional<std::uint32_t> value) {
    report_first_frame_if_asked(form);
    new LineCommands(form);
    run_handler([&form, value] { form::open_form1(form, value); });
}

int run_form1(QApplication& app, std::optional<std::uint32_t> value,
              const AfterStart& after_start) {
    Form1 form;
    open_form1(form, value);
    if (after_start)
        after_start(form);
    return app.exec();
}

namespace {

bool has_display(const ProgramStart& start) {
    if (start.platform_chosen)
        return true;
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

constexpr FrontEndHelp qt_help{
    .paste = "A value pasted or dropped into the line at the foot of the window (Ctrl+V,\n"
             "Shift+Insert, the menu's Paste, a middle click) ticks its emotes the same way;\n"
             "any other text there gives way to the line again at once.\n",
    .options = "Qt's own options, such as -platform NAME or -style NAME, go to Qt.\n",
    .mistakes = "A wrong option or a VALUE that cannot be read is reported on stderr as one\n"
                "line, and no window opens.\n"};

// The answer without a window. A full disk or a closed pipe must not pass for success.
int answer(const ProgramStart& start) {
    std::fputs(start.mistake.c_str(), stderr);
    const std::string& text = start.output;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        std::fputs("tallyglyph: cannot write the output\n", stderr);
        return EXIT_FAILURE;
    }
    return start.exit_status;
}

} // namespace

int run_tallyglyph(int argc, char* argv[], const AfterStart& after_start) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ProgramStart start = read_program_start(arguments, qt_options, qt_help);
    if (!start.opens_window)
        return answer(start);

    if (!has_display(start)) {
        std::fprintf(stderr, "tallyglyph: no display found (neither DISPLAY nor WAYLAND_DISPLAY is "
                             "set); start it from a desktop session.\n");
        return EXIT_FAILURE;
    }
    const QtMessageHandler previous = qInstallMessageHandler(report_failed_start);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    configure_application(app);
    return run_form1(app, start.value, after_start);
}

} // namespace tallyglyph::window
