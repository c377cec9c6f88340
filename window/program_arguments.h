#pragma once
// The window's command line, read before any toolkit starts, so that --help, --version and a
// mistake are answered without a display and before any window opens. The options of the
// toolkit beneath the window (Qt's -platform, -style and the rest, with one dash or two) are
// passed over with their values and left to it; any other word that starts with a dash is
// refused. What the VALUE words mean is not decided here.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::window {

enum class Request { open_window, show_help, show_version };

// An option that the toolkit takes out of the command line itself.
struct ToolkitOption {
    std::string_view name;         // without its dash
    bool takes_value;              // in the next word
    bool takes_joined;             // also as name=value in one word
    bool chooses_platform = false; // the toolkit then needs no display variable
};

struct ProgramArguments {
    Request request = Request::open_window;
    std::vector<std::string> value_words; // VALUE as given, in order; empty without one
    bool platform_chosen = false;         // an option that chooses the toolkit's platform
};

// A mistake in the options. The message says what is wrong in one line and never starts
// with a capital.
class ArgumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// --help (or -h, or /? on Windows) wins over everything else, then --version; otherwise raises
// ArgumentError for an option that neither the window nor its toolkit knows, or a toolkit
// option left without its value.
ProgramArguments read_program_arguments(std::span<const std::string_view> arguments,
                                        std::span<const ToolkitOption> toolkit_options = {});

} // namespace tallyglyph::window
