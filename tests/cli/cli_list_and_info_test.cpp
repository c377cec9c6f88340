// list, --help and --version, and what happens when the output cannot be written.

#include "cli_process.h"
#include "core/emote_table.h"
#include "version.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

TEST(List, ShowsEachEmoteInBoxOrderWithItsBoxAndBit) {
    const CliRun run = run_cli({"list"});
    ASSERT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), tallyglyph::core::emote_table.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& row = tallyglyph::core::emote_table[i];
        std::istringstream fields(lines[i]);
        int box = 0;
        std::string caption;
        std::uint32_t bit = 0;
        std::string rest;
        fields >> box >> caption >> bit >> rest;
        EXPECT_EQ(box, row.box) << lines[i];
        EXPECT_EQ(caption, row.caption) << lines[i];
        EXPECT_EQ(bit, row.bit) << lines[i];
        EXPECT_EQ(rest, "") << lines[i];
    }
}

TEST(List, LinesUpItsColumns) {
    const std::vector<std::string> lines = lines_of(run_cli({"list"}).out);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines.front(), " 1  Sit               1");
    EXPECT_EQ(lines.back(), "22  Shake       2097152");
    for (const std::string& line : lines) {
        EXPECT_EQ(line.size(), lines.front().size()) << line;
        EXPECT_NE(line[4], ' ') << "captions start in the same column: " << line;
    }
}

TEST(List, ShowsTheBitThatEncodeGivesEachEmote) {
    for (const std::string& line : lines_of(run_cli({"list"}).out)) {
        std::istringstream fields(line);
        std::string box;
        std::string caption;
        std::string bit;
        fields >> box >> caption >> bit;
        EXPECT_EQ(run_cli({"encode", caption, "--value"}).out, bit + "\n") << line;
    }
}

TEST(Info, VersionIsOneLine) {
    const CliRun run = run_cli({"--version"});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.out, "tallyglyph-cli " TALLYGLYPH_VERSION_TEXT "\n");
    EXPECT_EQ(run.err, "");
}

// The line as one argument to the system's shells, as the help shows it.
#ifdef _WIN32
constexpr const char* shell_quoted_line =
    "\"set kv_emoteControl \"\"2097153\"\"\""; // cmd, PowerShell
#else
constexpr const char* shell_quoted_line = "'set kv_emoteControl \"2097153\"'";
#endif

TEST(Info, HelpDescribesEveryCommandAndTheEmptyDecode) {
    const CliRun run = run_cli({"--help"});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.starts_with("Usage: tallyglyph-cli list\n")) << run.out;
    for (const char* part :
         {"encode [--value] NAME...", "decode VALUE", "--version", shell_quoted_line,
          "nothing is printed", "Exit status", "get --server HOST:PORT", "TALLYGLYPH_RCON_PASSWORD",
          "clear text", "3 when the server", "get --config FILE", "until the server restarts"})
        EXPECT_NE(run.out.find(part), std::string::npos) << part;
}

TEST(Info, HelpWinsOverACommandAndItsMistakes) {
    const std::string help = run_cli({"--help"}).out;
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"-h"}, {"encode", "--help"}, {"decode", "-h", "x"}}) {
        const CliRun run = run_cli(arguments);
        EXPECT_EQ(run.exit_code, 0);
        EXPECT_EQ(run.out, help);
    }
    // Windows' own way of asking; elsewhere a pattern of file names, which is no command.
    const CliRun slash = run_cli({"/?"});
#ifdef _WIN32
    EXPECT_EQ(slash.out, help);
#else
    EXPECT_EQ(slash.err, "tallyglyph-cli: unknown command '/?'; try 'tallyglyph-cli --help'\n");
#endif
}

TEST(Output, AFailedWriteIsAFailureNotASuccess) {
    const CliRun run = run_cli({"list"}, Stdout::unwritable);
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.err, "tallyglyph-cli: cannot write the output\n");
}

} // namespace
