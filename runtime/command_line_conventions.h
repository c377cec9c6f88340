#pragma once
// The conventions of this system's command lines that both programs follow: how their help
// quotes a word so that the system's shells hand it over whole, and how a user asks for
// help. One implementation per system, in posix/ and windows/.

#include <string>
#include <string_view>

namespace tallyglyph::runtime {

// WORD as one argument to the system's shells: in single quotes for a POSIX shell; for cmd
// and PowerShell alike, in double quotes with each one inside doubled.
std::string shell_quoted(std::string_view word);

// Whether WORD asks for the program's help: --help and -h, and on Windows also /?, the
// system's own way. Elsewhere /? is a pattern of file names, which a shell may expand.
bool asks_for_help(std::string_view word);

// The help's lines for those options, each with its newline, described from column 17 as
// the other options are.
std::string_view help_option_lines();

} // namespace tallyglyph::runtime
