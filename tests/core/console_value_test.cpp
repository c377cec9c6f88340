// The one reader of values: every form an administrator may bring, and every mistake named
// in one line.

#include "core/console_value.h"
#include "core/item_names.h"
#include "form/form_cells.h"
#include "tests/named_row.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace tallyglyph;

using Accepted = NamedRow<std::uint32_t>; // the value read
using Refused = NamedRow<std::string>;    // the mistake's message

class ReadsValue : public ::testing::TestWithParam<Accepted> {
protected:
    form::Form1Cells items;
};

TEST_P(ReadsValue, AsTheWindowsLineReadsBack) {
    EXPECT_EQ(core::read_console_value(items, GetParam().words), GetParam().expected);
}

class RefusesValue : public ::testing::TestWithParam<Refused> {
protected:
    form::Form1Cells items;
};

TEST_P(RefusesValue, NamingTheMistakeInOneLine) {
    try {
        const std::uint32_t value = core::read_console_value(items, GetParam().words);
        ADD_FAILURE() << "read as " << value;
    } catch (const core::ValueError& error) {
        EXPECT_EQ(error.what(), GetParam().expected);
    }
}

const std::string beyond_emotes = "; emotes use bits 0 to 21";
const std::string whole_range = "; the value must be a whole number from 0 to 4194303";
const std::string at_most = "; a 32-bit console variable holds at most 4294967295";
const std::string not_a_line =
    " is neither a number nor a line like 'set kv_emoteControl \"2097153\"'";

INSTANTIATE_TEST_SUITE_P(
    Forms, ReadsValue,
    ::testing::Values(
        Accepted{"Number", {"2097153"}, 2097153}, Accepted{"Zero", {"0"}, 0},
        Accepted{"NegativeZeroIsZero", {"-0"}, 0}, Accepted{"AllEmotes", {"4194303"}, 4194303},
        Accepted{"HundredThousand", {"100000"}, 100000}, Accepted{"Million", {"1000000"}, 1000000},
        Accepted{"FourMillion", {"4000000"}, 4000000},
        Accepted{"LineAsOneWord", {"set kv_emoteControl \"2097153\""}, 2097153},
        Accepted{"LineSplitByTheShell", {"set", "kv_emoteControl", "2097153"}, 2097153},
        Accepted{"LineSplitWithQuotesKept", {"set", "kv_emoteControl", "\"2097153\""}, 2097153},
        Accepted{"LinePastedWithNewline", {"set kv_emoteControl \"5\"\r\n"}, 5},
        Accepted{"LineIgnoresCase", {"SET KV_EMOTECONTROL \"2\""}, 2},
        Accepted{"QuotedNumber", {"\"2\""}, 2}, Accepted{"BlanksAroundTheNumber", {"  4\t"}, 4},
        Accepted{"LeadingPlus", {"+1"}, 1}, Accepted{"ExponentNotation", {"2E1"}, 20},
        Accepted{"ExponentMakesAFractionWhole", {"1.5e1"}, 15},
        Accepted{"WholeNumberWithZeroFraction", {"64.0"}, 64}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    Mistakes, RefusesValue,
    ::testing::Values(
        Refused{"Word", {"abc"}, "'abc' is not a number"},
        Refused{"Hexadecimal", {"0x10"}, "'0x10' is not a number"},
        Refused{"UnbalancedQuote", {"\"12"}, "'\"12' is not a number"},
        Refused{"WordInLine", {"set kv_emoteControl \"abc\""}, "'abc' is not a number"},
        Refused{"Negative", {"-5"}, "'-5' is negative" + whole_range},
        Refused{"NegativeBeyondDouble", {"-1e999"}, "'-1e999' is negative" + whole_range},
        Refused{"Fraction", {"2.5"}, "'2.5' is not a whole number"},
        Refused{"FractionInLine", {"set", "kv_emoteControl", "0.5"}, "'0.5' is not a whole number"},
        Refused{"FractionTooSmallForADouble", {"1e-400"}, "'1e-400' is not a whole number"},
        Refused{"FractionBeyondDoublePrecision",
                {"5.0000000000000000001"},
                "'5.0000000000000000001' is not a whole number"},
        Refused{"ExponentLeavesAFraction", {"1.25e1"}, "'1.25e1' is not a whole number"},
        Refused{"BeyondThirtyTwoBits", {"4294967296"}, "'4294967296' is too large" + at_most},
        Refused{"BeyondDouble", {"1e999"}, "'1e999' is too large" + at_most},
        Refused{"OneUnknownBit",
                {"4194304"},
                "bit 22 (4194304) of 4194304 is not an emote" + beyond_emotes},
        Refused{"TwoUnknownBits",
                {"12582913"},
                "bits 22 and 23 (4194304, 8388608) of 12582913 are not emotes" + beyond_emotes},
        Refused{"ThreeUnknownBits",
                {"set kv_emoteControl \"2160066560\""},
                "bits 22, 23 and 31 (4194304, 8388608, 2147483648) of 2160066560 are not emotes" +
                    beyond_emotes},
        Refused{"LargestThirtyTwoBitValue",
                {"4294967295"},
                "bits 22, 23, 24, 25, 26, 27, 28, 29, 30 and 31 (4194304, 8388608, 16777216, "
                "33554432, 67108864, 134217728, 268435456, 536870912, 1073741824, 2147483648) of "
                "4294967295 are not emotes" +
                    beyond_emotes},
        Refused{"Empty", {""}, "the value to decode is empty"},
        Refused{"OnlyBlanks", {" \t\r\n"}, "the value to decode is empty"},
        Refused{"EmptyQuotes",
                {"set kv_emoteControl \"\""},
                "the value between the quote marks is empty"},
        Refused{"OtherVariable", {"set kv_other \"1\""}, "'set kv_other \"1\"'" + not_a_line},
        Refused{
            "LineWithoutValue", {"set", "kv_emoteControl"}, "'set kv_emoteControl'" + not_a_line},
        Refused{"TwoNumbers", {"1", "2"}, "'1 2'" + not_a_line}),
    RowName{});

// The prefix and quote mark are the items' own: a
// line with other ones reads back too.
TEST(ReadsValueWith, ThePrefixAndQuoteMarkTheItemsHold) {
    form::Form1Cells items;
    items.label(core::item::prefix).set_caption("sv_emotes ");
    items.label(core::item::quote).set_caption("'");
    const std::vector<std::string> line{"sv_emotes '17'"};
    EXPECT_EQ(core::read_console_value(items, line), 17u);
    const std::vector<std::string> old_line{"set kv_emoteControl \"17\""};
    EXPECT_THROW(core::read_console_value(items, old_line), core::ValueError);
}

} // namespace
