#pragma once
// The companion's commands for a server's configuration file (--config FILE): get reads the
// value the server takes from it at its next start; set, allow and forbid change it there,
// so that the value outlives a restart. Given --server as well, they set the running server
// first, confirmed as ever, then the file. Like the other commands, each returns its whole
// output; where the value is set, what changed and the backup go to stderr as notes.

#include "arguments.h"

#include <string>

namespace tallyglyph::cli {

// The allowed emotes' captions, one a line, or with value_only the number alone. Raises
// ConfigError when no line of the file or the files it runs sets the value.
std::string get_from_config(const Invocation& invocation);

// Sets the value, or allows or forbids the named emotes, in the file (and on the server with
// --server), and gives the applied line (the server's, with --server).
std::string set_in_config(const Invocation& invocation);

} // namespace tallyglyph::cli
