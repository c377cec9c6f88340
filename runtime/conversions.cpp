#include "conversions.h"

#include "run_time_error.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace tallyglyph::runtime {
namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Accepts [digits][.digits][(e|E)[sign]digits] with at least one mantissa digit. Gives the
// decimal exponent of the leading significant digit, which tells an overflow from an
// underflow when the value is out of range.
bool is_unsigned_decimal(std::string_view text, long& magnitude) {
    std::size_t i = 0;
    std::size_t mantissa_digits = 0;
    long leading = 0;
    bool seen_significant = false;
    long integer_digits = 0;
    while (i < text.size() && is_digit(text[i])) {
        ++mantissa_digits;
        if (text[i] != '0')
            seen_significant = true;
        if (seen_significant)
            ++integer_digits;
        ++i;
    }
    long fraction_zeros = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && is_digit(text[i])) {
            ++mantissa_digits;
            if (!seen_significant) {
                if (text[i] != '0')
                    seen_significant = true;
                else
                    ++fraction_zeros;
            }
            ++i;
        }
    }
    if (mantissa_digits == 0)
        return false;
    leading = integer_digits > 0 ? integer_digits - 1 : -(fraction_zeros + 1);
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negative = text[i++] == '-';
        std::size_t exponent_digits = 0;
        // Saturates far beyond the length of any text, so adding the leading digit's place
        // still tells an overflow from an underflow however many digits either part has.
        constexpr long exponent_limit = std::numeric_limits<long>::max() / 100;
        while (i < text.size() && is_digit(text[i])) {
            if (exponent < exponent_limit)
                exponent = exponent * 10 + (text[i] - '0');
            ++exponent_digits;
            ++i;
        }
        if (exponent_digits == 0)
            return false;
        if (negative)
            exponent = -exponent;
    }
    magnitude = leading + exponent;
    return i == text.size();
}

} // namespace

double text_to_number(std::string_view text) {
    std::string_view body = trim_blanks(text);
    bool negative = false;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    long magnitude = 0;
    if (!is_unsigned_decimal(body, magnitude))
        raise_type_mismatch();

    double value = 0.0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            raise(error_number::overflow, "Overflow");
        value = 0.0;
    } else if (ec != std::errc{} || end != body.data() + body.size()) {
        raise_type_mismatch();
    }
    return negative ? -value : value;
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
