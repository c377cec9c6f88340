// Every mistake a user can make: exit status 2, one line on stderr that starts with the
// program's name and says what is wrong, and nothing on stdout.

#include "cli_process.h"
#include "tests/named_row.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Mistake = NamedRow<std::string>; // the arguments, and the message on stderr

const std::string try_help = "; try 'tallyglyph-cli --help'";
const std::string beyond_emotes = "; emotes use bits 0 to 21";

class Rejects : public ::testing::TestWithParam<Mistake> {};

TEST_P(Rejects, WithOneLineOnStderrAndNothingOnStdout) {
    const CliRun run = run_cli(GetParam().words);
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tallyglyph-cli: " + GetParam().expected + "\n");
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
                "unknown option '--value' for decode" + try_help},
        Mistake{"GetWithoutServer",
                {"get"},
                "get needs --server HOST:PORT or --config FILE" + try_help},
        Mistake{"SetWithoutValue",
                {"set", "--server", "localhost:27960"},
                "set needs a value, a line or emote names" + try_help},
        Mistake{"ServerWithoutPort",
                {"allow", "--server", "localhost", "Sit"},
                "the server address 'localhost' has no port; write HOST:PORT, or [ADDR]:PORT "
                "for IPv6"}),
    RowName{});

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
        Mistake{"NameBeyondAscii", {"encode", "Sité"}, "unknown emote 'Sité'; did you mean 'Sit'?"},
        Mistake{"FirstUnknownNameIsReported",
                {"encode", "Nodd", "Sitt"},
                "unknown emote 'Nodd'; did you mean 'Nod'?"},
        Mistake{"NoneWithNames",
                {"encode", "none", "Sit"},
                "'none' cannot be combined with other names"},
        Mistake{"NoneWithAll",
                {"encode", "all", "none"},
                "'none' cannot be combined with other names"}),
    RowName{});

// The reader's own cases live with it in tests/core; these prove the companion reports its
// mistakes as usage errors.
INSTANTIATE_TEST_SUITE_P(
    Values, Rejects,
    ::testing::Values(
        Mistake{"Word", {"decode", "abc"}, "'abc' is not a number"},
        Mistake{"DigitsOfAnotherScript", {"decode", "٢٠"}, "'٢٠' is not a number"},
        Mistake{"OneUnknownBit",
                {"decode", "4194304"},
                "bit 22 (4194304) of 4194304 is not an emote" + beyond_emotes},
        Mistake{"TwoNumbers",
                {"decode", "1", "2"},
                "'1 2' is neither a number nor a line like 'set kv_emoteControl \"2097153\"'"}),
    RowName{});

} // namespace
