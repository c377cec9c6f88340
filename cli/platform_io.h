#pragma once
// What the companion takes from and gives to its operating system: the words of its command
// line as UTF-8, and its output written byte for byte, so that every platform sees the same
// bytes and lines ending in "\n". One implementation per platform: posix/platform_io.cpp and
// windows/platform_io.cpp.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::cli {

// The arguments after the program's name.
std::vector<std::string> command_line_words(int argc, char* argv[]);

// Writes all of text to stdout or stderr; false when it could not be written, as on a full
// disk or a closed pipe.
bool write_text(std::FILE* stream, std::string_view text);

} // namespace tallyglyph::cli
