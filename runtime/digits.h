#pragma once
// Decimal digits as the program's texts write them: ASCII '0' to '9' only, whatever the
// locale, so no reading depends on the desktop.

#include <algorithm>
#include <string_view>

namespace tallyglyph::runtime {

constexpr bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Not empty, and nothing but digits: no sign, blank or point.
constexpr bool is_all_digits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, is_digit);
}

} // namespace tallyglyph::runtime
