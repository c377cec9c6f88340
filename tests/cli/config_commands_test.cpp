// get, set, allow and forbid with --config, run as users run them, in the folder of the
// configuration file: what each prints on each stream, its exit status, and the file after.

#include "tests/temp_folder.h"
#include "cli_process.h"

#include <gtest/gtest.h>
#include <ostream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const std::string note = "tallyglyph-cli: note: ";
const std::string sit_and_shake = "set kv_emoteControl \"2097153\"\n";
const std::string changed =
    note + "changed server.cfg:1 to \"2097153\"; the previous content is in server.cfg~\n";

struct Row {
    std::string name;
    std::string file;    // server.cfg
    std::string command; // its words, split at blanks
    int exit_code;
    std::string out;
    std::string err;
    std::string after = {}; // server.cfg afterwards, when changed
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class ConfigCommands : public ::testing::TestWithParam<Row> {
protected:
    void SetUp() override { fs::current_path(folder_.path()); }
    void TearDown() override { fs::current_path(previous_); }

    fs::path previous_ = fs::current_path();
    TempFolder folder_;
};

TEST_P(ConfigCommands, PrintAndChange) {
    const Row& row = GetParam();
    folder_.write("server.cfg", row.file);
    std::vector<std::string> words;
    std::istringstream command(row.command);
    for (std::string word; command >> word;)
        words.push_back(word);
    const CliRun run = run_cli(words);
    EXPECT_EQ(run.exit_code, row.exit_code);
    EXPECT_EQ(run.out, row.out);
    EXPECT_EQ(run.err, row.err);
    EXPECT_EQ(folder_.read("server.cfg"), row.after.empty() ? row.file : row.after);
    EXPECT_EQ(folder_.read("server.cfg~"), row.after.empty() ? "" : row.file);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConfigCommands,
    ::testing::Values(
        Row{"GetSaysWhereItIsSet", "// emotes\nset kv_emoteControl \"2097153\"\n",
            "get --config server.cfg", 0, "Sit\nShake\n",
            note + "kv_emoteControl is set at server.cfg:2\n"},
        Row{"GetWithNothingSet", "set g_motd \"hello\"\n", "get --value --config server.cfg", 3, "",
            "tallyglyph-cli: server.cfg and the files it runs do not set kv_emoteControl: the "
            "server's own value applies\n"},
        Row{"GetOfWhatIsNoValue", "set kv_emoteControl 1e3\n", "get --config server.cfg", 3, "",
            "tallyglyph-cli: kv_emoteControl at server.cfg:1 is not a valid value: it holds "
            "\"1e3\"\n"},
        Row{"WarningsShowControlCharactersEscaped", "exec \"a\tb\"\nset kv_emoteControl 1\n",
            "get --config server.cfg --value", 0, "1\n",
            "tallyglyph-cli: warning: server.cfg:1: no file a\\x09b.cfg beside server.cfg: the "
            "server may find one elsewhere on its search path\n" +
                note + "kv_emoteControl is set at server.cfg:2\n"},
        Row{"SetChangesTheValueAlone", "seta kv_emoteControl 5 // was Sit and Kiss\r\n",
            "set --config server.cfg Sit Shake", 0, sit_and_shake, changed,
            "seta kv_emoteControl 2097153 // was Sit and Kiss\r\n"},
        Row{"SetOfTheValueThereAlready", sit_and_shake, "set --config server.cfg Shake Sit", 0,
            sit_and_shake,
            note + "server.cfg:1 sets kv_emoteControl \"2097153\" already; nothing changed\n"},
        Row{"AllowKeepsTheOtherEmotes", "set kv_emoteControl \"1\"\n",
            "allow --config server.cfg shake", 0, sit_and_shake, changed, sit_and_shake},
        Row{"ForbidNeedsAValueToStartFrom", "", "forbid --config server.cfg Sit", 3, "",
            "tallyglyph-cli: server.cfg and the files it runs do not set kv_emoteControl, so "
            "there is no value to change: give the whole value with set\n"}),
    [](const auto& info) { return info.param.name; });

} // namespace
