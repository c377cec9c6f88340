#include "console_value.h"

#include "emote_table.h"
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

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
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

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Decides on the decimal text itself, not on the double it reads as, so that digits too
// small for a double to keep ("1e-400", "5.0000000000000000001") still make it a fraction.
// Takes a text that already reads as a number: [sign]digits[.digits][(e|E)[sign]digits].
bool is_whole_decimal(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    std::string digits;
    long long point = 0; // digits before the decimal point, once the exponent is applied
    std::size_t i = 0;
    for (; i < text.size() && is_digit(text[i]); ++i, ++point)
        digits += text[i];
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && is_digit(text[i]); ++i)
            digits += text[i];
    if (i < text.size()) {
        const bool negative = text[++i] == '-';
        if (text[i] == '+' || text[i] == '-')
            ++i;
        // Far beyond the length of any text, so saturating changes no outcome.
        constexpr long long limit = 1'000'000'000'000LL;
        long long exponent = 0;
        for (; i < text.size(); ++i)
            exponent = std::min(limit, exponent * 10 + (text[i] - '0'));
        point += negative ? -exponent : exponent;
    }
    for (long long d = std::max(point, 0LL); d < static_cast<long long>(digits.size()); ++d)
        if (digits[static_cast<std::size_t>(d)] != '0')
            return false;
    return true;
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
    return read_console_value(words, items.label("Label2").caption(),
                              items.label("Label4").caption());
}

} // namespace tallyglyph::core
