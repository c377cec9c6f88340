#pragma once
// The companion's commands. Each returns its whole output, so that nothing reaches stdout
// when a command fails part-way. Encode and decode go through the window's own cells and
// handlers: the boxes, never the companion, make the total.

#include <cstdint>
#include <span>
#include <string>

namespace tallyglyph::cli {

// One row per emote in box order: box, caption and bit, in aligned columns.
std::string list_emotes();

// The console line, or with value_only the number alone, for the named emotes.
std::string encode_emotes(std::span<const std::string> names, bool value_only);

// The captions of the emotes the value allows, one per line in box order; nothing for 0.
std::string decode_value(std::span<const std::string> words);

// The pieces of those commands, for the server commands: the value of the named emotes, as
// encode takes names; a value or line read as decode reads it; the console line of a value,
// as encode prints it; the captions of a value, as decode prints them. UsageError for a
// name or text that is not one.
std::uint32_t value_of_names(std::span<const std::string> names);
std::uint32_t value_of_text(std::span<const std::string> words);
std::string console_line(std::uint32_t value);
std::string captions_of(std::uint32_t value);

} // namespace tallyglyph::cli
