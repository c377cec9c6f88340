// What the window's command line comes to before any toolkit starts, the same for both front
// ends: the window opened, on a value or not, or an answer and an exit status.

#include "tests/named_row.h"
#include "window/program_start.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace tallyglyph::window;

constexpr ToolkitOption toolkit_options[] = {
    {"platform", true, false, true},
    {"style", true, true},
    {"reverse", false, false},
};
constexpr FrontEndHelp help{"PASTE\n", "OPTIONS\n", "MISTAKES\n"};

// The start in one line: what the program does, then its exit status when no window opens.
std::string outcome(const std::vector<std::string>& words) {
    const std::vector<std::string_view> arguments(words.begin(), words.end());
    const ProgramStart start = read_program_start(arguments, toolkit_options, help);
    if (start.opens_window)
        return std::string("open") + (start.value ? " " + std::to_string(*start.value) : "") +
               (start.platform_chosen ? " on a chosen platform" : "");
    const std::string& said = start.mistake.empty() ? start.output : start.mistake;
    return said.substr(0, said.find('\n')) + " (" + std::to_string(start.exit_status) + ")";
}

using Start = NamedRow<std::string>;

class ProgramStartOf : public ::testing::TestWithParam<Start> {};

TEST_P(ProgramStartOf, TheArguments) {
    EXPECT_EQ(outcome(GetParam().words), GetParam().expected);
}

const std::string try_help = "; try 'tallyglyph --help' (2)";

INSTANTIATE_TEST_SUITE_P(
    Window, ProgramStartOf,
    ::testing::Values(
        Start{"Nothing", {}, "open"}, Start{"Value", {"2097153"}, "open 2097153"},
        Start{"LineSplitByTheShell", {"set", "kv_emoteControl", "\"5\""}, "open 5"},
        Start{"ToolkitOptionsPassOver",
              {"-style", "fusion", "-reverse", "--style=fusion", "7"},
              "open 7"},
        Start{"PlatformChosen", {"--platform", "offscreen"}, "open on a chosen platform"},
        Start{"Help", {"--help"}, "Usage: tallyglyph [VALUE] (0)"},
        Start{"HelpWinsOverAMistake",
              {"4194304", "--frobnicate", "-h"},
              "Usage: tallyglyph [VALUE] (0)"},
        Start{"Version", {"-reverse", "--version"}, "tallyglyph " TALLYGLYPH_VERSION_TEXT " (0)"},
        Start{"UnknownOption",
              {"--frobnicate"},
              "tallyglyph: unknown option '--frobnicate'" + try_help},
        Start{"JoinedValueOfAnOptionThatTakesNone",
              {"--platform=offscreen"},
              "tallyglyph: unknown option '--platform=offscreen'" + try_help},
        Start{"OptionWithoutItsValue", {"-style"}, "tallyglyph: '-style' needs a value" + try_help},
        Start{
            "Negative",
            {"-1"},
            "tallyglyph: '-1' is negative; the value must be a whole number from 0 to 4194303 (2)"},
        Start{"NotAValue", {"Sit"}, "tallyglyph: 'Sit' is not a number (2)"}),
    RowName{});

TEST(ProgramHelp, HoldsTheFrontEndsOwnLines) {
    const std::string text = help_text(help);
    for (const char* part : {"PASTE\n", "OPTIONS\n", "MISTAKES\n", "  --version "})
        EXPECT_NE(text.find(part), std::string::npos) << part;
}

} // namespace
