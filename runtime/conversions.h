#pragma once
// Conversions between text and double, joining texts, and the floating-point check that
// follows every addition or subtraction. The selection total is kept as text, so every
// step of the arithmetic passes through here; none of these may lose or invent a digit.

#include <optional>
#include <string>
#include <string_view>

namespace tallyglyph::runtime {

// A decimal number as written, in its parts: [sign]digits[.digits][(e|E)[sign]digits], with
// at least one digit before the exponent. The one grammar of numbers, for every reader.
struct DecimalText {
    bool negative = false;
    std::string_view unsigned_text; // all but the sign
    std::string_view whole_digits;  // before the point
    std::string_view fraction_digits;
    // Saturates far beyond the length of any text, so that adding a digit's place still
    // tells a large number from a small one however many digits either part has.
    long long exponent = 0;
};

// None when TEXT, blanks and all, is not such a number.
std::optional<DecimalText> read_decimal_text(std::string_view text);

// A decimal number with optional sign, fraction and exponent, with blanks allowed around
// it. Anything else raises "Type mismatch" (never a silent 0); a magnitude beyond double
// raises "Overflow".
double text_to_number(std::string_view text);

// The shortest text that reads back as the same double. Whole numbers below 1e15 never use
// an exponent, grouping or separator; negatives carry a leading "-". A value that is not
// finite raises "Overflow".
std::string number_to_text(double value);

std::string join(std::string_view left, std::string_view right);

// Raises "Overflow" when the result of the last addition or subtraction is not finite:
// an overflow, an invalid operation or a division by zero all end there.
void check_floating_point(double result);

} // namespace tallyglyph::runtime
