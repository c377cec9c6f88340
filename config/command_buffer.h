#pragma once
// The engine's command buffer as a dedicated server runs its configuration: text taken one
// command at a time, cut at a newline, a carriage return or a ';' outside double quotes,
// where a // comment runs to the end of its line and a /* */ comment may span lines; a file
// run by exec is inserted ahead of what remains, with a newline after it. Each byte keeps
// where it came from, so that a word of a command leads back to its file.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace tallyglyph::config {

// What the engine's buffer holds at most, and the longest command it runs: the rest of a
// longer one, but for one byte, runs as the next command.
inline constexpr std::size_t buffer_capacity = 128 * 1024;
inline constexpr std::size_t longest_command = 1023;

// The run of a file a byte belongs to, and its offset there; no_offset for the newline the
// buffer adds after each file.
inline constexpr std::size_t no_offset = static_cast<std::size_t>(-1);

struct SourceByte {
    char c;
    std::size_t run;
    std::size_t offset;
};

class CommandBuffer {
public:
    // Puts a file's text ahead of what remains, as exec does, up to its first NUL byte as the
    // engine reads it. False, with nothing inserted, when the buffer has no room for it.
    bool insert(std::string_view text, std::size_t run);

    // The next command, its comments and blanks included; none when nothing remains.
    std::optional<std::vector<SourceByte>> next();

private:
    std::vector<SourceByte> pending_; // in reverse: the next byte to run is the last
    bool in_slash_comment_ = false;
    bool in_star_comment_ = false;
};

} // namespace tallyglyph::config
