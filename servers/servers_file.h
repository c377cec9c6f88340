#pragma once
// servers.ini on disk, where each system keeps a user's settings: in
// $XDG_CONFIG_HOME/tallyglyph/ (~/.config/tallyglyph/ when that is unset) on Linux and other
// POSIX systems, in %APPDATA%\Tallyglyph\ on Windows. It is written at once, through the same
// replacement as a server's configuration file, so it is whole or not written at all.

#include "saved_servers.h"

#include <optional>
#include <string>

namespace tallyglyph::servers {

// servers.ini's path for this user. Raises ServersError when the system names no folder for
// it. One implementation per platform: posix/servers_file.cpp, windows/servers_file.cpp.
std::string servers_file();

struct ServersFile {
    std::string path;
    std::optional<std::string> read; // the file as read; none when it was not there
    SavedServers servers;
};

// The saved servers in the file, none when there is no file. Raises ServersError when it
// cannot be read or holds a mistake.
ServersFile load_servers(const std::string& path);

// Writes the servers into the file, making its folder, the user's alone, when there is none.
// Raises ServersError, with nothing written, when the file has changed since it was read.
void save_servers(ServersFile& file);

} // namespace tallyglyph::servers
