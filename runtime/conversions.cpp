#include "conversions.h"

#include "digits.h"
#include "run_time_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace tallyglyph::runtime {
namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The run of digits that TEXT starts with.
std::string_view digits_at(std::string_view text) {
    return text.substr(0, std::ranges::find_if_not(text, is_digit) - text.begin());
}

// The decimal exponent of the leading significant digit, once the exponent is applied: it
// tells an overflow from an underflow when the value is out of range.
long long leading_place(const DecimalText& number) {
    if (const auto first = number.whole_digits.find_first_not_of('0'); first != std::string::npos)
        return static_cast<long long>(number.whole_digits.size() - first) - 1 + number.exponent;
    const auto first = number.fraction_digits.find_first_not_of('0');
    const auto zeros = first == std::string::npos ? number.fraction_digits.size() : first;
    return -static_cast<long long>(zeros) - 1 + number.exponent;
}

} // namespace

std::optional<DecimalText> read_decimal_text(std::string_view text) {
    DecimalText number;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    number.unsigned_text = text;
    number.whole_digits = digits_at(text);
    text.remove_prefix(number.whole_digits.size());
    if (text.starts_with('.')) {
        number.fraction_digits = digits_at(text.substr(1));
        text.remove_prefix(1 + number.fraction_digits.size());
    }
    if (number.whole_digits.empty() && number.fraction_digits.empty())
        return std::nullopt;
    if (text.starts_with('e') || text.starts_with('E')) {
        text.remove_prefix(1);
        bool negative = false;
        if (text.starts_with('+') || text.starts_with('-')) {
            negative = text.front() == '-';
            text.remove_prefix(1);
        }
        const std::string_view digits = digits_at(text);
        if (digits.empty())
            return std::nullopt;
        constexpr long long limit = std::numeric_limits<long long>::max() / 100;
        for (const char digit : digits)
            number.exponent = std::min(limit, number.exponent * 10 + (digit - '0'));
        if (negative)
            number.exponent = -number.exponent;
        text.remove_prefix(digits.size());
    }
    if (!text.empty())
        return std::nullopt;
    return number;
}

double text_to_number(std::string_view text) {
    const std::optional<DecimalText> number = read_decimal_text(trim_blanks(text));
    if (!number)
        raise_type_mismatch();
    const std::string_view body = number->unsigned_text;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (leading_place(*number) > 0)
            raise(error_number::overflow, "Overflow");
        value = 0.0;
    } else if (ec != std::errc{} || end != body.data() + body.size()) {
        raise_type_mismatch();
    }
    return number->negative ? -value : value;
}

std::string number_to_text(double value) {
    if (!std::isfinite(value))
        raise(error_number::overflow, "Overflow");
    if (value == 0.0)
        return "0";

    std::array<char, 64> buffer{};
    const double magnitude = std::fabs(value);
    const auto format = magnitude >= 1e-4 && magnitude < 1e15 ? std::chars_format::fixed
                                                              : std::chars_format::scientific;
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format);
    if (ec != std::errc{})
        raise(error_number::overflow, "Overflow");
    std::string text(buffer.data(), end);
    if (const auto e = text.find('e'); e != std::string::npos)
        text[e] = 'E';
    return text;
}

std::string join(std::string_view left, std::string_view right) {
    std::string joined;
    joined.reserve(left.size() + right.size());
    joined.append(left).append(right);
    return joined;
}

void check_floating_point(double result) {
    if (!std::isfinite(result))
        raise(error_number::overflow, "Overflow");
}

} // namespace tallyglyph::runtime
