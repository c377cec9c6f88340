#pragma once
// Conversions between text and double, joining texts, and the floating-point check that
// follows every addition or subtraction. The selection total is kept as text, so every
// step of the arithmetic passes through here; none of these may lose or invent a digit.

#include <string>
#include <string_view>

namespace tallyglyph::runtime {

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
