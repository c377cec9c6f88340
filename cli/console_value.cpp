#include "console_value.h"

#include "core/emote_table.h"
#include "emote_names.h"
#include "runtime/runtime_services.h"
#include "usage_error.h"

#include <bit>
#include <cmath>
#include <limits>
#include <vector>

namespace tallyglyph::cli {
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
                                        return same_name(want, got);
                                    });
    if (!is_line)
        throw UsageError(quoted(joined(tokens)) + " is neither a number nor a line like '" +
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

std::uint32_t whole_value(std::string_view text) {
    const bool minus = text.starts_with('-');
    double value = 0.0;
    bool overflow = false;
    try {
        value = runtime::text_to_number(text);
    } catch (const runtime::RunTimeError& error) {
        if (error.number() != runtime::error_number::overflow)
            throw UsageError(quoted(text) + " is not a number");
        overflow = true;
    }
    if (minus && (overflow || value < 0))
        throw UsageError(quoted(text) +
                         " is negative; the value must be a whole number from 0 to " +
                         std::to_string(core::all_emotes_mask));
    if (overflow || value > largest_value)
        throw UsageError(quoted(text) + " is too large; a 32-bit console variable holds at most " +
                         std::to_string(std::numeric_limits<std::uint32_t>::max()));
    if (value != std::floor(value))
        throw UsageError(quoted(text) + " is not a whole number");
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
    const std::uint32_t unknown = value & ~core::all_emotes_mask;
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
    throw UsageError((one ? "bit " : "bits ") + listed(positions, " and ") + " (" +
                     listed(values, ", ") + ") of " + std::to_string(value) +
                     (one ? " is not an emote" : " are not emotes") + "; emotes use bits 0 to " +
                     std::to_string(std::bit_width(core::all_emotes_mask) - 1));
}

} // namespace

std::uint32_t read_console_value(std::span<const std::string> words, std::string_view prefix,
                                 std::string_view quote) {
    std::vector<std::string_view> tokens;
    for (const std::string& word : words)
        for (const std::string_view token : split(word))
            tokens.push_back(token);
    if (tokens.empty())
        throw UsageError("the value to decode is empty");

    const std::string_view text = unquoted(number_token(tokens, prefix), quote);
    if (text.empty())
        throw UsageError("the value between the quote marks is empty");
    const std::uint32_t value = whole_value(text);
    require_only_emote_bits(value);
    return value;
}

} // namespace tallyglyph::cli
