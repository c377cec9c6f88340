#include "runtime/runtime_services.h"
#include "tests/run_time_errors.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

using namespace tallyglyph::runtime;

TEST(TextToNumber, ReadsDecimalTexts) {
    const struct {
        const char* text;
        double expected;
    } rows[] = {
        {"0", 0.0},
        {"1", 1.0},
        {"4194303", 4194303.0},
        {"  2097153 ", 2097153.0},
        {"\t12\t", 12.0},
        {"007", 7.0},
        {"-5", -5.0},
        {"+5", 5.0},
        {"1.5", 1.5},
        {".5", 0.5},
        {"5.", 5.0},
        {"1e3", 1000.0},
        {"2.5E-1", 0.25},
        {"1E+20", 1e20},
        {"1e-400", 0.0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(text_to_number(row.text), row.expected) << '"' << row.text << '"';
}

TEST(TextToNumber, RefusesWhatIsNotANumber) {
    for (const char* text :
         {"",  " ", "abc", "12x", "1 2",  "x12",   "--1",   "+-1", "1e",    "e5",
          ".", "-", "inf", "nan", "0x10", "1,000", "1_000", "١",   "1e5.5", "\"0\""})
        EXPECT_EQ(run_time_error_report([text] { text_to_number(text); }),
                  "Run-time error '13': Type mismatch")
            << '"' << text << '"';
}

TEST(TextToNumber, RaisesOverflowBeyondDouble) {
    EXPECT_EQ(run_time_error_number([] { text_to_number("1e309"); }), 6);
    EXPECT_EQ(run_time_error_number([] { text_to_number(std::string(400, '9')); }), 6);
}

// Where the value lands is the place of the leading digit plus the exponent; with very long
// texts either part can run into hundreds of thousands of digits, and only the sum counts.
TEST(LongNumberTexts, TellOverflowFromUnderflowWhateverTheirLength) {
    const std::string zeros(200000, '0');
    // 10^200000 times 10^-100000000 lies far below the smallest double: it reads as 0.
    EXPECT_EQ(text_to_number("1" + zeros + "e-100000000"), 0.0);
    EXPECT_EQ(text_to_number("-1" + zeros + "e-100000000"), 0.0);
    // 10^-200001 times 10^100000000 lies far beyond the largest.
    EXPECT_EQ(run_time_error_number([&] { text_to_number("0." + zeros + "1e100000000"); }), 6);
    EXPECT_EQ(run_time_error_number([&] { text_to_number("-0." + zeros + "1E+100000000"); }), 6);
    // Near the edges of the range the long parts cancel out to ordinary numbers.
    EXPECT_EQ(text_to_number("1" + zeros + "e-199700"), 1e300);
    EXPECT_EQ(text_to_number("0." + zeros + "1e200301"), 1e300);
    EXPECT_EQ(text_to_number("1" + zeros + "e-200400"), 0.0);
    EXPECT_EQ(run_time_error_number([&] { text_to_number("1" + zeros + "e-199600"); }), 6);
}

TEST(LongNumberTexts, AnExponentWithThousandsOfDigitsStillDecides) {
    const std::string huge_exponent = "1" + std::string(5000, '0');
    EXPECT_EQ(run_time_error_number([&] { text_to_number("1e" + huge_exponent); }), 6);
    EXPECT_EQ(run_time_error_number([&] { text_to_number("1e+" + huge_exponent); }), 6);
    EXPECT_EQ(text_to_number("1e-" + huge_exponent), 0.0);
    EXPECT_EQ(text_to_number("0e" + huge_exponent), 0.0);
    EXPECT_EQ(text_to_number("0." + std::string(5000, '0') + "e" + huge_exponent), 0.0);
}

TEST(NumberToText, WritesEveryWholeNumberOfTheToolsRangeAsPlainDigits) {
    // The shortest general form of the standard library turns 1000000 into "1e+06"; the
    // total must never read that way.
    for (int n = 0; n <= 4194303; ++n) {
        const std::string expected = std::to_string(n);
        const std::string text = number_to_text(static_cast<double>(n));
        if (text != expected)
            FAIL() << n << " became \"" << text << '"';
        if (n > 0 && number_to_text(-static_cast<double>(n)) != "-" + expected)
            FAIL() << -n << " became \"" << number_to_text(-static_cast<double>(n)) << '"';
    }
}

TEST(NumberToText, ReadsBackAsTheSameNumber) {
    for (double value : {0.1, 0.25, 1.0 / 3.0, 123456.789, 1e-4, 9.99e-5, 1e15, 1e20, 1e300,
                         -1e-300, std::numeric_limits<double>::max(),
                         std::numeric_limits<double>::denorm_min(), 4503599627370497.0}) {
        const std::string text = number_to_text(value);
        EXPECT_EQ(text_to_number(text), value) << text;
        EXPECT_EQ(text.find_first_of(" ,e"), std::string::npos) << text;
    }
    EXPECT_EQ(number_to_text(-0.0), "0");
    EXPECT_EQ(number_to_text(1e20), "1E+20");
}

TEST(NumberToText, RefusesValuesThatAreNotFinite) {
    EXPECT_EQ(
        run_time_error_number([] { number_to_text(std::numeric_limits<double>::infinity()); }), 6);
    EXPECT_EQ(run_time_error_number([] { number_to_text(std::nan("")); }), 6);
}

TEST(FloatingPointCheck, PassesFiniteResultsAndRaisesOnFaults) {
    const double max = std::numeric_limits<double>::max();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(run_time_error_number([] { check_floating_point(4194303.0); }), 0);
    EXPECT_EQ(run_time_error_number([] { check_floating_point(-1.0); }), 0);
    EXPECT_EQ(run_time_error_number([&] { check_floating_point(max + max); }), 6);
    EXPECT_EQ(run_time_error_number([&] { check_floating_point(inf - inf); }), 6);
    EXPECT_EQ(run_time_error_number([&] { check_floating_point(-max - max); }), 6);
}

TEST(DecimalText, SplitsANumberAsWrittenIntoItsParts) {
    const struct {
        const char* text;
        bool negative;
        const char* whole;
        const char* fraction;
        long long exponent;
    } rows[] = {
        {"007", false, "007", "", 0},
        {"-1.50", true, "1", "50", 0},
        {"+.5e-3", false, "", "5", -3},
        {"5.E+12", false, "5", "", 12},
        {"0e0", false, "0", "", 0},
        {"1e99999999999999999999", false, "1", "", 92233720368547758},
    };
    for (const auto& row : rows) {
        const auto number = read_decimal_text(row.text);
        ASSERT_TRUE(number.has_value()) << row.text;
        EXPECT_EQ(number->negative, row.negative) << row.text;
        EXPECT_EQ(number->whole_digits, row.whole) << row.text;
        EXPECT_EQ(number->fraction_digits, row.fraction) << row.text;
        EXPECT_EQ(number->exponent, row.exponent) << row.text;
    }
    for (const char* text : {"", " 1", "1 ", ".", "-", "e5", "1e", "1e+", "1.2.3", "0x1", "1f"})
        EXPECT_FALSE(read_decimal_text(text).has_value()) << '"' << text << '"';
}

TEST(Join, PutsLeftBeforeRight) {
    EXPECT_EQ(join("set kv_emoteControl ", "\""), "set kv_emoteControl \"");
    EXPECT_EQ(join("", "x"), "x");
    EXPECT_EQ(join("x", ""), "x");
    EXPECT_EQ(join("", ""), "");
}

} // namespace
