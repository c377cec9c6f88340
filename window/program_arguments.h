#pragma once
// The window's command line, read before Qt starts, so that --help, --version and a mistake
// are answered without a display and before any window opens. Qt's own options (-platform,
// -style, -display and the rest, with one dash or two) are passed over with their values and
// left for QApplication; any other word that starts with a dash is refused. What the VALUE
// words mean is not decided here.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::window {

enum class Request { open_window, show_help, show_version };

struct ProgramArguments {
    Request request = Request::open_window;
    std::vector<std::string> value_words; // VALUE as given, in order; empty without one
    bool platform_chosen = false;         // -platform NAME: Qt needs no display variable
};

// A mistake in the options. The message says what is wrong in one line and never starts
// with a capital.
class ArgumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// --help (or -h) wins over everything else, then --version; otherwise raises ArgumentError
// for an option that neither the window nor Qt knows, or a Qt option left without its value.
ProgramArguments read_program_arguments(std::span<const std::string_view> arguments);

} // namespace tallyglyph::window
