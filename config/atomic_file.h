#pragma once
// Replaces a file's content all at once, so that a crash or a full disk leaves the old
// content or the new, never a mix: the new content goes to a file beside it, is flushed to
// disk and takes the old one's place by a rename (on Windows, by the system's replace call,
// writing through). The file keeps its permissions, and its owner where the system allows;
// through a symbolic link its target changes and the link stays. One backup of the previous
// content stays beside it, as FILE~. One implementation per platform: posix/atomic_file.cpp
// and windows/atomic_file.cpp.

#include <string>
#include <string_view>

namespace tallyglyph::config {

// Gives the backup's path. Raises ConfigError, with nothing written, when the file is not a
// regular file, has other hard links, may not be written, no longer holds `expected` (what
// it held when read), or the new file cannot be written beside it.
std::string replace_file(const std::string& path, std::string_view expected,
                         std::string_view content);

// Writes a file that is not there yet in the same way, open to its owner alone, so that it
// is there whole or not at all. Raises ConfigError, with nothing written, when a file of
// that name is there by then, or the file cannot be written; the folder must exist.
void create_file(const std::string& path, std::string_view content);

} // namespace tallyglyph::config
