#include "form1_events.h"

#include "artwork.h"
#include "command_line_box.h"
#include "core/bulk_selection.h"
#include "core/command_line.h"
#include "core/console_value.h"
#include "core/selection_total.h"
#include "first_frame_report.h"
#include "form1_accessibility.h"
#include "form1_layout.h"
#include "form1_window.h"
#include "program_arguments.h"
#include "program_help.h"
#include "run_time_error_report.h"
#include "runtime/run_time_error.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::window {

void bind_form1_events(Form1& form) {
    runtime::Items& items = form.items();
    core::bind_toggle_handling(items);
    items.label("Label1").on_click([&items] { core::reset_selection(items); });
    items.label("Label6").on_click([&items] { core::select_all(items); });
    items.timer("Timer1").on_tick([&items] { core::refresh_command_line(items); });

    auto* line = form.findChild<CommandLineBox*>(QStringLiteral("Text1"));
    if (line == nullptr)
        runtime::raise_property_call_failed("Text1", "Text", "no such item");
    QObject::connect(line, &CommandLineBox::pasted, line, [&items](const QString& text) {
        const std::string pasted = text.toStdString();
        run_handler([&items, &pasted] { core::select_pasted_value(items, pasted); });
    });
}

void configure_application(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("tallyglyph"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tallyglyph"));
    QApplication::setApplicationVersion(QString::fromLatin1(application_version));
    // Lets the desktop match the window to its installed entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(TALLYGLYPH_APP_ID));
    // One look on every desktop, so the layout and its pixels are the same everywhere.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(app.style()->standardPalette());
    QApplication::setWindowIcon(artwork_icon(icon_resources));
    install_form1_accessibility();
    // The form's family also for what Qt draws around the form (its own title bar on Wayland,
    // a message box), so starting the program loads one family, not two.
    QFont font = QApplication::font();
    font.setFamily(form1_font_family());
    QApplication::setFont(font);
}

void open_form1(Form1& form, std::optional<std::uint32_t> value) {
    run_handler([&form, value] {
        bind_form1_events(form);
        if (value)
            core::select_value(form.items(), *value);
        report_first_frame_if_asked(form);
        form.show();
        if (auto* first = form.findChild<QWidget*>(QStringLiteral("Check1")))
            first->setFocus();
        form.items().timer("Timer1").set_enabled(true);
    });
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

constexpr int exit_usage = 2;

bool has_display(const ProgramArguments& program) {
    if (program.platform_chosen)
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

int report(std::string_view message, int status) {
    std::fprintf(stderr, "tallyglyph: %.*s\n", static_cast<int>(message.size()), message.data());
    return status;
}

// A full disk or a closed pipe must not pass for success.
int print(const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return report("cannot write the output", EXIT_FAILURE);
    return EXIT_SUCCESS;
}

} // namespace

int run_tallyglyph(int argc, char* argv[], const AfterStart& after_start) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    ProgramArguments program;
    std::optional<std::uint32_t> value;
    try {
        program = read_program_arguments(arguments);
        // Read with the prefix and quote mark of the window's own stored description, so
        // the line it shows reads back before the window exists.
        if (program.request == Request::open_window && !program.value_words.empty())
            value = core::read_console_value(program.value_words, form1_item("Label2").text,
                                             form1_item("Label4").text);
    } catch (const ArgumentError& error) {
        return report(error.what(), exit_usage);
    } catch (const core::ValueError& error) {
        return report(error.what(), exit_usage);
    }
    if (program.request == Request::show_help)
        return print(help_text());
    if (program.request == Request::show_version)
        return print(version_text());

    if (!has_display(program)) {
        std::fprintf(stderr, "tallyglyph: no display found (neither DISPLAY nor WAYLAND_DISPLAY is "
                             "set); start it from a desktop session.\n");
        return EXIT_FAILURE;
    }
    const QtMessageHandler previous = qInstallMessageHandler(report_failed_start);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    configure_application(app);
    return run_form1(app, value, after_start);
}

} // namespace tallyglyph::window
