#pragma once
// Words as users type them: equal when they differ only in the case of ASCII letters. No
// locale and no Unicode case folding, so a comparison never depends on the desktop. And a
// word as a message quotes it back.

#include <algorithm>
#include <string>
#include <string_view>

namespace tallyglyph::core {

constexpr char lower_ascii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool same_word(std::string_view left, std::string_view right) {
    return std::ranges::equal(left, right,
                              [](char l, char r) { return lower_ascii(l) == lower_ascii(r); });
}

// In single quotes, as every message shows what the user gave.
inline std::string quoted(std::string_view word) {
    return "'" + std::string(word) + "'";
}

} // namespace tallyglyph::core
