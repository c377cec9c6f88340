#include "runtime/command_line_conventions.h"

namespace tallyglyph::runtime {

// A doubled quote inside quotes is one quote to the C run-time's reading of the command line
// that cmd hands over as typed, and to PowerShell's reading of its own string, which then
// passes it on escaped (or, before PowerShell 7.3, drops it: the line reads the same).
std::string shell_quoted(std::string_view word) {
    std::string quoted = "\"";
    for (const char c : word)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

bool asks_for_help(std::string_view word) {
    return word == "--help" || word == "-h" || word == "/?";
}

std::string_view help_option_lines() {
    return "  -h, --help    show this help and exit\n"
           "  /?            the same as --help\n";
}

} // namespace tallyglyph::runtime
