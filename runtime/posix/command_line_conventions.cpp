#include "runtime/command_line_conventions.h"

namespace tallyglyph::runtime {

std::string shell_quoted(std::string_view word) {
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool asks_for_help(std::string_view word) {
    return word == "--help" || word == "-h";
}

std::string_view help_option_lines() {
    return "  -h, --help    show this help and exit\n";
}

} // namespace tallyglyph::runtime
