// Encode and decode: the examples administrators use, and decode undoing encode.

#include "cli_process.h"
#include "core/emote_table.h"
#include "tests/named_row.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using Example = NamedRow<std::string>; // the arguments, and what stdout holds

std::string line_for(const std::string& value) {
    return "set kv_emoteControl \"" + value + "\"\n";
}

// Encode prints what the window shows for the named boxes; decode lists the allowed emotes
// in box order.
class Succeeds : public ::testing::TestWithParam<Example> {};

TEST_P(Succeeds, PrintsTheExpectedOutputAndNothingElse) {
    const CliRun run = run_cli(GetParam().words);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Encode, Succeeds,
    ::testing::Values(
        Example{"SitAndShake", {"encode", "Sit", "Shake"}, line_for("2097153")},
        Example{"OrderOfNamesDoesNotMatter", {"encode", "Shake", "Sit"}, line_for("2097153")},
        Example{"All", {"encode", "all"}, line_for("4194303")},
        Example{"None", {"encode", "none"}, line_for("0")},
        Example{"NamesIgnoreCase", {"encode", "sIT", "SHAKE"}, line_for("2097153")},
        Example{"AllIgnoresCase", {"encode", "ALL"}, line_for("4194303")},
        Example{"NoneIgnoresCase", {"encode", "None"}, line_for("0")},
        Example{"RepeatedNameCountsOnce", {"encode", "Sit", "sit", "SIT"}, line_for("1")},
        Example{"RepeatedNoneCountsOnce", {"encode", "none", "NONE"}, line_for("0")},
        Example{"AllWithNamesIsStillAll", {"encode", "Kiss", "all", "Nod"}, line_for("4194303")},
        Example{"NameWithDigit", {"encode", "Throw3"}, line_for("16384")},
        Example{"ValueAlone", {"encode", "--value", "Sit", "Shake"}, "2097153\n"},
        Example{"ValueAfterTheNames", {"encode", "Sit", "Shake", "--value"}, "2097153\n"},
        Example{"ValueForAll", {"encode", "all", "--value"}, "4194303\n"},
        Example{"ValueForNone", {"encode", "none", "--value"}, "0\n"}),
    RowName{});

// The reader's own cases live with it in tests/core; these prove decode's wiring.
INSTANTIATE_TEST_SUITE_P(Decode, Succeeds,
                         ::testing::Values(Example{"Number", {"decode", "2097153"}, "Sit\nShake\n"},
                                           Example{"ZeroPrintsNothing", {"decode", "0"}, ""},
                                           Example{"LineAsOneArgument",
                                                   {"decode", "set kv_emoteControl \"2097153\""},
                                                   "Sit\nShake\n"},
                                           Example{"LineSplitByTheShell",
                                                   {"decode", "set", "kv_emoteControl", "2097153"},
                                                   "Sit\nShake\n"}),
                         RowName{});

TEST(DecodeAll, ListsEveryCaptionInBoxOrder) {
    std::string expected;
    for (const auto& row : tallyglyph::core::emote_table)
        expected.append(row.caption).append("\n");
    const CliRun run = run_cli({"decode", "4194303"});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.out, expected);
}

class RoundTrip : public ::testing::Test {
protected:
    // Encodes the names, then decodes what encode printed.
    static std::string decode_encoded(const std::vector<std::string>& names, bool value_only) {
        std::vector<std::string> encode{"encode"};
        encode.insert(encode.end(), names.begin(), names.end());
        if (value_only)
            encode.emplace_back("--value");
        const CliRun encoded = run_cli(encode);
        EXPECT_EQ(encoded.exit_code, 0) << encoded.err;
        EXPECT_FALSE(encoded.out.empty());
        const CliRun decoded = run_cli({"decode", encoded.out});
        EXPECT_EQ(decoded.exit_code, 0) << decoded.err;
        return decoded.out;
    }
};

TEST_F(RoundTrip, EachSingleEmoteComesBackAlone) {
    for (const auto& row : tallyglyph::core::emote_table) {
        const std::string caption(row.caption);
        SCOPED_TRACE(caption);
        EXPECT_EQ(decode_encoded({caption}, false), caption + "\n");
        EXPECT_EQ(decode_encoded({caption}, true), caption + "\n");
    }
}

// Random sets, named in a shuffled order with random case and repeats, come back as the
// same set in box order.
TEST_F(RoundTrip, RandomSetsComeBackInBoxOrder) {
    std::mt19937 random(20261207);
    std::bernoulli_distribution coin(0.5);
    for (int round = 0; round < 40; ++round) {
        std::vector<std::string> names;
        std::string expected;
        for (const auto& row : tallyglyph::core::emote_table) {
            if (!coin(random))
                continue;
            expected.append(row.caption).append("\n");
            std::string name(row.caption);
            for (char& c : name)
                if (std::isalpha(static_cast<unsigned char>(c)) != 0 && coin(random))
                    c = static_cast<char>(c ^ 0x20);
            names.push_back(name);
            if (coin(random))
                names.push_back(name);
        }
        if (names.empty())
            names.emplace_back("none");
        std::shuffle(names.begin(), names.end(), random);
        SCOPED_TRACE("round " + std::to_string(round));
        EXPECT_EQ(decode_encoded(names, coin(random)), expected);
    }
}

} // namespace
