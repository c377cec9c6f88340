#pragma once
// Configuration files on disk, read as a server would run them. Paths are UTF-8 on every
// platform, shown with '/' between folders.

#include "chain_reading.h"

#include <cstddef>
#include <string>

namespace tallyglyph::config {

inline constexpr std::size_t largest_config_file = 1024 * 1024;

// The path in its plain form, the one the loader below gives too: "./a/../b.cfg" is "b.cfg".
std::string plain_path(const std::string& path);

// Reads a file, refusing with ConfigError anything but a regular file (a symbolic link is
// followed), a file over 1 MiB, and a file holding a NUL byte.
LoadedFile read_config_file(const std::string& path);

// Finds what exec names in the folder of the given file, as the server finds it in its game
// folder: none when nothing is there by that name.
FileLoader files_beside(const std::string& given_path);

} // namespace tallyglyph::config
