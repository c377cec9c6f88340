#pragma once
// Reads the value of kv_emoteControl as an administrator has it at hand: a number, or the
// whole console line as the window shows it, in one text or split into words (by a shell,
// or pasted with blanks around it). Used for the window's start-up value, a value pasted
// into its line, and the companion's decode. It only reads: it sets no box and keeps
// nothing.

#include "runtime/items.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tallyglyph::core {

// A text that is not a value the boxes can show. The message says what is wrong in one
// line that never starts with a capital, so each program can put its own name before it.
class ValueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Each word may hold several words separated by blanks. The line's prefix and quote mark
// are those the window shows, so a copied line always reads back. Gives a value from 0 to
// 4194303; raises ValueError when the words are empty, not a number or such a line,
// negative, not whole, beyond 32 bits, or set bits that are not emotes.
std::uint32_t read_console_value(std::span<const std::string> words, std::string_view prefix,
                                 std::string_view quote);

// The same, with the prefix and quote mark that the items store.
std::uint32_t read_console_value(runtime::Items& items, std::span<const std::string> words);

} // namespace tallyglyph::core
