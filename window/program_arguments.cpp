#include "program_arguments.h"

#include <algorithm>
#include <optional>

namespace tallyglyph::window {
namespace {

struct QtOption {
    std::string_view name; // without its dash
    bool takes_value;      // in the next word
    bool takes_joined;     // also as name=value in one word
};

// The options QApplication takes out of the command line (Qt 6), with one dash or two: those
// of every platform, those of the widgets, and those of the X11 platform.
constexpr QtOption qt_options[] = {
    {"platform", true, false},
    {"platformpluginpath", true, false},
    {"platformtheme", true, false},
    {"plugin", true, false},
    {"qwindowgeometry", true, false},
    {"qwindowicon", true, false},
    {"qwindowtitle", true, false},
    {"reverse", false, false},
    {"session", true, false},
    {"testability", false, false},
    {"qmljsdebugger", true, true},
    {"style", true, true},
    {"stylesheet", true, true},
    {"widgetcount", false, false},
    {"display", true, false},
    {"geometry", true, false},
    {"title", true, false},
    {"icon", true, false},
    {"name", true, false},
    {"visual", true, false},
    {"nograb", false, false},
    {"dograb", false, false},
};

std::string try_help() {
    return "; try 'tallyglyph --help'";
}

// A word with a dash before a letter or a second dash; "-5" and "-.5" are values, so a
// negative one gets its own clear error.
bool is_option(std::string_view word) {
    return word.size() > 1 && word[0] == '-' && (word[1] < '0' || word[1] > '9') && word[1] != '.';
}

std::optional<QtOption> qt_option(std::string_view word, bool& joined) {
    std::string_view name = word.substr(word.starts_with("--") ? 2 : 1);
    const std::size_t equals = name.find('=');
    joined = equals != std::string_view::npos;
    name = name.substr(0, equals);
    const auto* found = std::ranges::find(qt_options, name, &QtOption::name);
    if (found == std::end(qt_options) || (joined && !found->takes_joined))
        return std::nullopt;
    return *found;
}

} // namespace

ProgramArguments read_program_arguments(std::span<const std::string_view> arguments) {
    ProgramArguments program;
    bool help = false;
    bool version = false;
    std::optional<ArgumentError> mistake;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view word = arguments[i];
        if (word == "--help" || word == "-h") {
            help = true;
        } else if (word == "--version") {
            version = true;
        } else if (!is_option(word)) {
            program.value_words.emplace_back(word);
        } else if (bool joined = false; const auto option = qt_option(word, joined)) {
            if (option->name == "platform")
                program.platform_chosen = true;
            if (!option->takes_value || joined)
                continue;
            if (i + 1 == arguments.size() && !mistake)
                mistake.emplace("'" + std::string(word) + "' needs a value" + try_help());
            ++i;
        } else if (!mistake) {
            mistake.emplace("unknown option '" + std::string(word) + "'" + try_help());
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
