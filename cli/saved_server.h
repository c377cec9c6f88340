#pragma once
// A server given by the name it is saved under in servers.ini (servers/servers_file.h), in
// place of HOST:PORT: its address, its configuration file for set, allow and forbid when
// --config is not given, and its password file when neither --password-file nor the
// environment gives a password.

#include "arguments.h"

namespace tallyglyph::cli {

// The invocation with a saved server's settings filled in; as it was when --server gives
// HOST:PORT that is no saved server's name. Raises servers::ServersError when servers.ini
// cannot be read, and UsageError when the name is neither saved nor HOST:PORT.
Invocation with_saved_server(Invocation invocation);

} // namespace tallyglyph::cli
