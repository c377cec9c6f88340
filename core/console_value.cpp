#include "console_value.h"

#include "emote_table.h"
#include "item_names.h"
#include "runtime/runtime_services.h"
#include "words.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <vector>

namespace tallyglyph::core {
namespace {

constexpr double largest_value = std::numeric_limits<std::uint32_t>::max();

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::vector<std::string_view> split(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && is_space(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !is_space(text[i]))
            ++i;
        if (i > start)
            tokens.push_back(text.substr(start, i - start));
    }
    return tokens;
}

std::string joined(std::span<const std::string_view> tokens) {
    std::string text;
    for (const std::string_view token : tokens)
        text.append(text.empty() ? "" : " ").append(token);
    return text;
}

// The number's text: the only token, or the token after the window's prefix.
std::string_view number_token(std::span<const std::string_view> tokens, std::string_view prefix) {
    if (tokens.size() == 1)
        return tokens.front();
    const std::vector<std::string_view> expected = split(prefix);
    const bool is_line = tokens.size() == expected.size() + 1 &&
                         std::equal(expected.begin(), expected.end(), tokens.begin(),
                                    [](std::string_view want, std::string_view got) {
                                        return same_word(want, got);
                                    });
    if (!is_line)
        throw ValueError(quoted(joined(tokens)) + " is neither a number nor a line like '" +
                         std::string(prefix) + "\"2097153\"'");
    return tokens.back();
}

std::string_view unquoted(std::string_view text, std::string_view quote) {
    if (text.size() >= 2 * quote.size() && text.starts_with(quote) && text.ends_with(quote)) {
        text.remove_prefix(quote.size());
        text.remove_suffix(quote.size());
    }
    return text;
}

// Decides on the decimal text itself, not on the double it reads as, so that digits too
// small for a double to keep ("1e-400", "5.0000000000000000001") still make it a fraction.
bool is_whole_decimal(std::string_view text) {
    const std::optional<runtime::DecimalText> number = runtime::read_decimal_text(text);
    if (!number)
        return false;
    // Digits from the point on, once the exponent has moved it, must all be zeros.
    const std::string digits =
        std::string(number->whole_digits) + std::string(number->fraction_digits);
    const long long point = static_cast<long long>(number->whole_digits.size()) + number->exponent;
    const std::size_t first_after_point =
        static_cast<std::size_t>(std::clamp(point, 0LL, static_cast<long long>(digits.size())));
    return digits.find_first_not_of('0', first_after_point) == std::string::npos;
}

std::uint32_t whole_value(std::string_view text) {
    const bool minus = text.starts_with('-');
    double value = 0.0;
    bool overflow = false;
    try {
        value = runtime::text_to_number(text);
    } catch (const runtime::RunTimeError& error) {
        if (error.number() != runtime::error_number::overflow)
            throw ValueError(quoted(text) + " is not a number");
        overflow = true;
    }
    if (minus && (overflow || value < 0))
        throw ValueError(quoted(text) +
                         " is negative; the value must be a whole number from 0 to " +
                         std::to_string(all_emotes_mask));
    if (overflow || value > largest_value)
        throw ValueError(quoted(text) + " is too large; a 32-bit console variable holds at most " +
                         std::to_string(std::numeric_limits<std::uint32_t>::max()));
    if (value != std::floor(value) || !is_whole_decimal(text))
        throw ValueError(quoted(text) + " is not a whole number");
    return static_cast<std::uint32_t>(value);
}

// Joins with ", ", except for last_separator before the final item: "22, 23 and 31".
std::string listed(const std::vector<std::string>& items, std::string_view last_separator) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? last_separator : ", ";
        text += items[i];
    }
    return text;
}

void require_only_emote_bits(std::uint32_t value) {
    const std::uint32_t unknown = value & ~all_emotes_mask;
    if (unknown == 0)
        return;
    std::vector<std::string> positions;
    std::vector<std::string> values;
    for (int bit = 0; bit < 32; ++bit) {
        const std::uint32_t mask = std::uint32_t{1} << bit;
        if ((unknown & mask) != 0) {
            positions.push_back(std::to_string(bit));
            values.push_back(std::to_string(mask));
        }
    }
    const bool one = positions.size() == 1;
    throw ValueError((one ? "bit " : "bits ") + listed(positions, " and ") + " (" +
                     listed(values, ", ") + ") of " + std::to_string(value) +
                     (one ? " is not an emote" : " are not emotes") + "; emotes use bits 0 to " +
                     std::to_string(std::bit_width(all_emotes_mask) - 1));
}

} // namespace

std::uint32_t read_console_value(std::span<const std::string> words, std::string_view prefix,
                                 std::string_view quote) {
    std::vector<std::string_view> tokens;
    for (const std::string& word : words)
        for (const std::string_view token : split(word))
            tokens.push_back(token);
    if (tokens.empty())
        throw ValueError("the value to decode is empty");

    const std::string_view text = unquoted(number_token(tokens, prefix), quote);
    if (text.empty())
        throw ValueError("the value between the quote marks is empty");
    const std::uint32_t value = whole_value(text);
    require_only_emote_bits(value);
    return value;
}

std::uint32_t read_console_value(runtime::Items& items, std::span<const std::string> words) {
    return read_console_value(words, items.label(item::prefix).caption(),
                              items.label(item::quote).caption());
}

} // namespace tallyglyph::core
