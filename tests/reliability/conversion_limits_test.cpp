#include "runtime/runtime_services.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace tallyglyph::runtime;

int error_number_of(auto&& action) {
    try {
        action();
    } catch (const RunTimeError& error) {
        return error.number();
    }
    return 0;
}

// Where the value lands is the place of the leading digit plus the exponent; with very long
// texts either part can run into hundreds of thousands of digits, and only the sum counts.
TEST(LongNumberTexts, TellOverflowFromUnderflowWhateverTheirLength) {
    const std::string zeros(200000, '0');
    // 10^200000 times 10^-100000000 lies far below the smallest double: it reads as 0.
    EXPECT_EQ(text_to_number("1" + zeros + "e-100000000"), 0.0);
    EXPECT_EQ(text_to_number("-1" + zeros + "e-100000000"), 0.0);
    // 10^-200001 times 10^100000000 lies far beyond the largest.
    EXPECT_EQ(error_number_of([&] { text_to_number("0." + zeros + "1e100000000"); }), 6);
    EXPECT_EQ(error_number_of([&] { text_to_number("-0." + zeros + "1E+100000000"); }), 6);
    // Near the edges of the range the long parts cancel out to ordinary numbers.
    EXPECT_EQ(text_to_number("1" + zeros + "e-199700"), 1e300);
    EXPECT_EQ(text_to_number("0." + zeros + "1e200301"), 1e300);
    EXPECT_EQ(text_to_number("1" + zeros + "e-200400"), 0.0);
    EXPECT_EQ(error_number_of([&] { text_to_number("1" + zeros + "e-199600"); }), 6);
}

TEST(LongNumberTexts, AnExponentWithThousandsOfDigitsStillDecides) {
    const std::string huge_exponent = "1" + std::string(5000, '0');
    EXPECT_EQ(error_number_of([&] { text_to_number("1e" + huge_exponent); }), 6);
    EXPECT_EQ(error_number_of([&] { text_to_number("1e+" + huge_exponent); }), 6);
    EXPECT_EQ(text_to_number("1e-" + huge_exponent), 0.0);
    EXPECT_EQ(text_to_number("0e" + huge_exponent), 0.0);
    EXPECT_EQ(text_to_number("0." + std::string(5000, '0') + "e" + huge_exponent), 0.0);
}

} // namespace
