#pragma once
// Text from outside the program (a server's reply, a file's content, a name in it) made fit
// for a one-line message: line breaks, control characters and bytes that are not UTF-8 are
// written as \n and \xNN, so nothing it holds can break the line or the terminal.

#include <cstddef>
#include <string>
#include <string_view>

namespace tallyglyph::core {

// The text with every line break, control character and byte that is not UTF-8 escaped.
std::string escaped_text(std::string_view text);

// The longest text a message quotes before it is cut short.
inline constexpr std::size_t longest_shown = 120;

// The text escaped and in quote marks, its final newline dropped; cut short, saying how long
// it was, when it would make the line long.
std::string shown_text(std::string_view text);

} // namespace tallyglyph::core
