#pragma once
// The companion's commands. Each returns its whole output, so that nothing reaches stdout
// when a command fails part-way. Encode and decode go through the window's own cells and
// handlers: the boxes, never the companion, make the total.

#include <span>
#include <string>

namespace tallyglyph::cli {

// One row per emote in box order: box, caption and bit, in aligned columns.
std::string list_emotes();

// The console line, or with value_only the number alone, for the named emotes.
std::string encode_emotes(std::span<const std::string> names, bool value_only);

// The captions of the emotes the value allows, one per line in box order; nothing for 0.
std::string decode_value(std::span<const std::string> words);

} // namespace tallyglyph::cli
