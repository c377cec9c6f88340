#include "program_start.h"

#include "core/console_value.h"
#include "form/form1_value.h"

namespace tallyglyph::window {
namespace {

ProgramStart refused(const std::exception& error) {
    ProgramStart start;
    start.mistake = std::string(mistake_prefix) + error.what() + "\n";
    start.exit_status = exit_usage;
    return start;
}

} // namespace

ProgramStart read_program_start(std::span<const std::string_view> arguments,
                                std::span<const ToolkitOption> toolkit_options,
                                const FrontEndHelp& help) {
    ProgramArguments program;
    ProgramStart start;
    try {
        program = read_program_arguments(arguments, toolkit_options);
        // Read as the window's own line, so the line it shows reads back before the window
        // exists.
        if (program.request == Request::open_window && !program.value_words.empty())
            start.value = form::read_form1_value(program.value_words);
    } catch (const ArgumentError& error) {
        return refused(error);
    } catch (const core::ValueError& error) {
        return refused(error);
    }
    switch (program.request) {
    case Request::show_help:
        start.output = help_text(help);
        break;
    case Request::show_version:
        start.output = version_text();
        break;
    case Request::open_window:
        start.opens_window = true;
        start.platform_chosen = program.platform_chosen;
        break;
    }
    return start;
}

} // namespace tallyglyph::window
