#include "program_arguments.h"

#include "core/words.h"
#include "runtime/digits.h"
#include "runtime/command_line_conventions.h"

#include <algorithm>
#include <optional>

namespace tallyglyph::window {
namespace {

std::string try_help() {
    return "; try 'tallyglyph --help'";
}

// A word with a dash before a letter or a second dash; "-5" and "-.5" are values, so a
// negative one gets its own clear error.
bool is_option(std::string_view word) {
    return word.size() > 1 && word[0] == '-' && !runtime::is_digit(word[1]) && word[1] != '.';
}

std::optional<ToolkitOption> toolkit_option(std::string_view word,
                                            std::span<const ToolkitOption> options, bool& joined) {
    std::string_view name = word.substr(word.starts_with("--") ? 2 : 1);
    const std::size_t equals = name.find('=');
    joined = equals != std::string_view::npos;
    name = name.substr(0, equals);
    const auto found = std::ranges::find(options, name, &ToolkitOption::name);
    if (found == options.end() || (joined && !found->takes_joined))
        return std::nullopt;
    return *found;
}

} // namespace

ProgramArguments read_program_arguments(std::span<const std::string_view> arguments,
                                        std::span<const ToolkitOption> toolkit_options) {
    ProgramArguments program;
    bool help = false;
    bool version = false;
    std::optional<ArgumentError> mistake;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view word = arguments[i];
        if (runtime::asks_for_help(word)) {
            help = true;
        } else if (word == "--version") {
            version = true;
        } else if (!is_option(word)) {
            program.value_words.emplace_back(word);
        } else if (bool joined = false;
                   const auto option = toolkit_option(word, toolkit_options, joined)) {
            if (option->chooses_platform)
                program.platform_chosen = true;
            if (!option->takes_value || joined)
                continue;
            if (i + 1 == arguments.size() && !mistake)
                mistake.emplace(core::quoted(word) + " needs a value" + try_help());
            ++i;
        } else if (!mistake) {
            mistake.emplace("unknown option " + core::quoted(word) + try_help());
        }
    }
    if (help)
        program.request = Request::show_help;
    else if (version)
        program.request = Request::show_version;
    else if (mistake)
        throw *mistake;
    return program;
}

} // namespace tallyglyph::window
