#pragma once
// The value of kv_emoteControl as an administrator has it at hand: a number, or the whole
// console line as the window shows it, either in one argument or split up by the shell.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tallyglyph::cli {

// The line's prefix and quote mark are those the window shows, so a copied line always
// reads back. Raises UsageError naming what is wrong: not a number, negative, not whole,
// beyond 32 bits, or bits that are not emotes.
std::uint32_t read_console_value(std::span<const std::string> words, std::string_view prefix,
                                 std::string_view quote);

} // namespace tallyglyph::cli
