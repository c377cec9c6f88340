// Every mistake a user can make: exit status 2, one line on stderr that starts with the
// program's name and says what is wrong, and nothing on stdout.

#include "cli_process.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Mistake {
    std::string name;
    std::vector<std::string> arguments;
    std::string message;
};

std::string mistake_name(const ::testing::TestParamInfo<Mistake>& info) {
    return info.param.name;
}

// Test lists show the row's name rather than its bytes.
void PrintTo(const Mistake& row, std::ostream* out) {
    *out << row.name;
}

const std::string try_help = "; try 'tallyglyph-cli --help'";
const std::string beyond_emotes = "; emotes use bits 0 to 21";

class Rejects : public ::testing::TestWithParam<Mistake> {};

TEST_P(Rejects, WithOneLineOnStderrAndNothingOnStdout) {
    const CliRun run = run_cli(GetParam().arguments);
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tallyglyph-cli: " + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Usage, Rejects,
    ::testing::Values(
        Mistake{"NoCommand", {}, "no command given" + try_help},
        Mistake{"UnknownCommand", {"frobnicate"}, "unknown command 'frobnicate'" + try_help},
        Mistake{"UnknownOption", {"--verbose"}, "unknown option '--verbose'" + try_help},
        Mistake{"ListWithArgument", {"list", "Sit"}, "list takes no arguments, but got 'Sit'"},
        Mistake{"EncodeWithoutNames",
                {"encode"},
                "encode needs at least one emote name, 'all' or 'none'" + try_help},
        Mistake{"EncodeWithOnlyValue",
                {"encode", "--value"},
                "encode needs at least one emote name, 'all' or 'none'" + try_help},
        Mistake{"EncodeUnknownOption",
                {"encode", "--values", "Sit"},
                "unknown option '--values' for encode" + try_help},
        Mistake{"DecodeWithoutValue",
                {"decode"},
                "decode needs a value: a number or a line like "
                "'set kv_emoteControl \"2097153\"'" +
                    try_help},
        Mistake{"DecodeUnknownOption",
                {"decode", "--value", "5"},
                "unknown option '--value' for decode" + try_help}),
    mistake_name);

INSTANTIATE_TEST_SUITE_P(
    Names, Rejects,
    ::testing::Values(
        Mistake{"UnknownNameSuggestsClosest",
                {"encode", "Sit", "Shak"},
                "unknown emote 'Shak'; did you mean 'Shake'?"},
        Mistake{"SuggestionIgnoresCase",
                {"encode", "BREAKDANCING"},
                "unknown emote 'BREAKDANCING'; did you mean 'BreakDance'?"},
        Mistake{"TieGoesToTheFirstInBoxOrder",
                {"encode", "Throw4"},
                "unknown emote 'Throw4'; did you mean 'Throw'?"},
        Mistake{"SuggestsAll", {"encode", "alll"}, "unknown emote 'alll'; did you mean 'all'?"},
        Mistake{"FirstUnknownNameIsReported",
                {"encode", "Nodd", "Sitt"},
                "unknown emote 'Nodd'; did you mean 'Nod'?"},
        Mistake{"NoneWithNames",
                {"encode", "none", "Sit"},
                "'none' cannot be combined with other names"},
        Mistake{"NoneWithAll",
                {"encode", "all", "none"},
                "'none' cannot be combined with other names"}),
    mistake_name);

INSTANTIATE_TEST_SUITE_P(
    Values, Rejects,
    ::testing::Values(
        Mistake{"Word", {"decode", "abc"}, "'abc' is not a number"},
        Mistake{"Hexadecimal", {"decode", "0x10"}, "'0x10' is not a number"},
        Mistake{"UnbalancedQuote", {"decode", "\"12"}, "'\"12' is not a number"},
        Mistake{"WordInLine", {"decode", "set kv_emoteControl \"abc\""}, "'abc' is not a number"},
        Mistake{"Negative",
                {"decode", "-5"},
                "'-5' is negative; the value must be a whole number from 0 to 4194303"},
        Mistake{"NegativeBeyondDouble",
                {"decode", "-1e999"},
                "'-1e999' is negative; the value must be a whole number from 0 to 4194303"},
        Mistake{"Fraction", {"decode", "2.5"}, "'2.5' is not a whole number"},
        Mistake{"FractionInLine",
                {"decode", "set", "kv_emoteControl", "0.5"},
                "'0.5' is not a whole number"},
        Mistake{"BeyondThirtyTwoBits",
                {"decode", "4294967296"},
                "'4294967296' is too large; a 32-bit console variable holds at most 4294967295"},
        Mistake{"BeyondDouble",
                {"decode", "1e999"},
                "'1e999' is too large; a 32-bit console variable holds at most 4294967295"},
        Mistake{"OneUnknownBit",
                {"decode", "4194304"},
                "bit 22 (4194304) of 4194304 is not an emote" + beyond_emotes},
        Mistake{"TwoUnknownBits",
                {"decode", "12582913"},
                "bits 22 and 23 (4194304, 8388608) of 12582913 are not emotes" + beyond_emotes},
        Mistake{"ThreeUnknownBits",
                {"decode", "set kv_emoteControl \"2160066560\""},
                "bits 22, 23 and 31 (4194304, 8388608, 2147483648) of 2160066560 are not emotes" +
                    beyond_emotes},
        Mistake{"LargestThirtyTwoBitValue",
                {"decode", "4294967295"},
                "bits 22, 23, 24, 25, 26, 27, 28, 29, 30 and 31 (4194304, 8388608, 16777216, "
                "33554432, 67108864, 134217728, 268435456, 536870912, 1073741824, 2147483648) of "
                "4294967295 are not emotes" +
                    beyond_emotes},
        Mistake{"Empty", {"decode", ""}, "the value to decode is empty"},
        Mistake{"EmptyQuotes",
                {"decode", "set kv_emoteControl \"\""},
                "the value between the quote marks is empty"},
        Mistake{"OtherVariable",
                {"decode", "set kv_other \"1\""},
                "'set kv_other \"1\"' is neither a number nor a line like "
                "'set kv_emoteControl \"2097153\"'"},
        Mistake{"LineWithoutValue",
                {"decode", "set", "kv_emoteControl"},
                "'set kv_emoteControl' is neither a number nor a line like "
                "'set kv_emoteControl \"2097153\"'"},
        Mistake{"TwoNumbers",
                {"decode", "1", "2"},
                "'1 2' is neither a number nor a line like 'set kv_emoteControl \"2097153\"'"}),
    mistake_name);

} // namespace
