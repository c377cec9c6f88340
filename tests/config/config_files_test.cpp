// One table of configuration files, each row an edge case of the engine's rules: the file's
// bytes (and the files beside it), the value the server takes from them, the bytes after
// setting 7, and what is said: a warning, or the refusal that leaves the file as it was. In
// the rows, $ stands for kv_emoteControl.

#include "config/atomic_file.h"
#include "config/config_error.h"
#include "config/config_file.h"
#include "config/value_edit.h"
#include "tests/temp_folder.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <ostream>

namespace {

using namespace tallyglyph::config;

const std::string variable = "kv_emoteControl";
const std::string past_the_longest_command = "set g \"" + std::string(1100, 'x') + "\"; set $ 5\n";

struct Row {
    std::string name;
    std::string file; // server.cfg
    std::optional<std::string> value;
    std::string after; // the changed file after set 7; empty when refused
    std::string said;  // part of a warning or the refusal; empty when nothing is said
    std::map<std::string, std::string> beside = {};
    std::string changed = "server.cfg";
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

std::string with_variable(std::string text) {
    for (std::size_t at; (at = text.find('$')) != std::string::npos;)
        text.replace(at, 1, variable);
    return text;
}

// Files d1.cfg to d17.cfg, each running the next; the last sets 9.
std::map<std::string, std::string> deeper_than_the_limit() {
    std::map<std::string, std::string> files{{"d17.cfg", "set $ 9\n"}};
    for (int depth = 1; depth < 17; ++depth)
        files["d" + std::to_string(depth) + ".cfg"] = "exec d" + std::to_string(depth + 1) + "\n";
    return files;
}

// Built in place, element by element: a list of this many rows as one call's arguments makes
// a frame that MinGW's unwind tables cannot describe with stack clash protection on.
const Row table[] = {
    // Assignments: which one counts, and how its value is changed.
    Row{"Quoted", "set $ \"5\"\n", "5", "set $ \"7\"\n", ""},
    Row{"BareStaysBare", "seta $ 5\n", "5", "seta $ 7\n", ""},
    Row{"AnyCaseAndCrLf", "SETU KV_EMOTECONTROL 5\r\n", "5", "SETU KV_EMOTECONTROL 7\r\n", ""},
    Row{"QuotedName", "set \"$\" 5\n", "5", "set \"$\" 7\n", ""},
    Row{"LastOneWins", "set $ 1\nsets $ \"5\" // ok\n", "5", "set $ 1\nsets $ \"7\" // ok\n", ""},
    Row{"SeveralWordsMakeOneValue", "set $ 1 \"2\"\n", "1 2", "set $ 7\n", ""},
    Row{"EmptyQuotes", "set $ \"\"\n", "", "set $ \"7\"\n", ""},
    Row{"UnclosedQuoteStaysUnclosed", "set $ \"5\n", "5", "set $ \"7\n", ""},
    Row{"NameAlonePrintsIt", "set $\n", std::nullopt, "set $\nset $ \"7\"\n", ""},
    Row{"BareBeforeAnySetIsUnknown", "$ 5\n", std::nullopt, "$ 5\nset $ \"7\"\n",
        "before any set of it"},
    Row{"BareAfterASetCounts", "set $ 1\n$ 5\n", "5", "set $ 1\n$ 7\n", ""},
    Row{"OtherChangersAreNamed", "set $ 5\ntoggle $\n", "5", "set $ 7\ntoggle $\n",
        "'toggle $' changes the variable"},
    Row{"BytesBeyondAsciiStay", "// caf\xc3\xa9\nset $ \"5\" // \xe9t\xe9\n", "5",
        "// caf\xc3\xa9\nset $ \"7\" // \xe9t\xe9\n", ""},
    // Commands split at newlines and semicolons, and comments, as the engine splits them.
    Row{"AtSemicolons", "set $ 5; set $ 6\n", "6", "set $ 5; set $ 7\n", ""},
    Row{"NotAtSemicolonsInQuotes", "set $ \"5;6\"\n", "5;6", "set $ \"7\"\n", ""},
    Row{"LineComments", "set $ 5 // ; set $ 6\n// set $ 9\n", "5",
        "set $ 7 // ; set $ 6\n// set $ 9\n", ""},
    Row{"NoCommentInQuotes", "set $ \"5 // 6\"\n", "5 // 6", "set $ \"7\"\n", ""},
    Row{"BlockCommentsSpanLines", "/* set $ 9\nset $ 8 */ set $ 5\n", "5",
        "/* set $ 9\nset $ 8 */ set $ 7\n", ""},
    Row{"BlockCommentEndsTheCommand", "set $ 5/* x */6\n", "5", "set $ 7/* x */6\n", ""},
    Row{"LongestCommandCutsAQuote", past_the_longest_command, std::nullopt,
        past_the_longest_command + "set $ \"7\"\n", ""},
    Row{"AppendedWithTheFilesLineEnding", "set g 1\r\nset h 2", std::nullopt,
        "set g 1\r\nset h 2\r\nset $ \"7\"\r\n", ""},
    Row{"AppendedToAnEmptyFile", "", std::nullopt, "set $ \"7\"\n", ""},
    Row{"NotAppendedInsideAComment", "set g 1\n/* open", std::nullopt, "",
        "if it were written there"},
    // Files run by exec, found beside the given one.
    Row{"RunsTheFileBeside",
        "set $ 1\nexec maps\n",
        "5",
        "seta $ 7\n",
        "",
        {{"maps.cfg", "seta $ 5\n"}},
        "maps.cfg"},
    Row{"InAFolderBeside",
        "set $ 1\nexec \"/maps\\ffa.cfg\"\n",
        "5",
        "$ 7\n",
        "",
        {{"maps/ffa.cfg", "$ 5\n"}},
        "maps/ffa.cfg"},
    Row{"MissingFileIsAWarning", "set $ 5\nexec gone\n", "5", "set $ 7\nexec gone\n",
        "no file gone.cfg beside"},
    Row{"NoNameWithDotDot",
        "set $ 5\nexec x/../maps\n",
        "5",
        "set $ 7\nexec x/../maps\n",
        "holding \"..\"",
        {{"maps.cfg", "set $ 6\n"}}},
    Row{"NotDeeperThanTheLimit", "set $ 5\nexec d1\n", "5", "set $ 7\nexec d1\n",
        "exec goes deeper than 16 files here; d17.cfg is not followed", deeper_than_the_limit()},
    Row{"LoopIsNotFollowed", "set $ 5\nexec server\n", "5", "set $ 7\nexec server\n",
        "an exec loop: server.cfg is already running"},
    Row{"OpenCommentRunsOn",
        "set $ 5\nexec open\nset $ 6\n*/\n",
        "5",
        "set $ 7\nexec open\nset $ 6\n*/\n",
        "",
        {{"open.cfg", "/* open"}}},
    // Files refused, with nothing written.
    Row{"NulByte", std::string("set $ 5\0\n", 9), std::nullopt, "",
        "holds a NUL byte (at byte 21)"},
    Row{"OverOneMiB", std::string(largest_config_file, '/') + "\nset $ 5\n", std::nullopt, "",
        "is over 1 MiB"},
    Row{"BeyondTheServersBuffer", std::string(140 * 1024, '/') + "\nset $ 5\n", std::nullopt, "",
        "it does not fit in its command buffer"}};

class ConfigFiles : public ::testing::TestWithParam<Row> {};

TEST_P(ConfigFiles, ReadThenSet) {
    const Row& row = GetParam();
    TempFolder folder;
    folder.write("server.cfg", with_variable(row.file));
    for (const auto& [name, bytes] : row.beside)
        folder.write(name, with_variable(bytes));
    const std::string before = folder.read(row.changed);
    std::string said;
    try {
        const std::string path = folder.file("server.cfg");
        const FileLoader load = files_beside(path);
        const Reading reading = read_chain(read_config_file(path), load, variable);
        for (const Warning& warning : reading.warnings)
            said += warning.message + "\n";
        EXPECT_EQ(reading.winner ? std::optional(reading.winner->value) : std::nullopt, row.value);
        const ValueEdit edit = edit_value(reading, load, variable, "7");
        const ChainFile& file = reading.files[edit.file];
        EXPECT_EQ(replace_file(file.path, file.bytes, edit.bytes), file.path + "~");
    } catch (const ConfigError& error) {
        said += error.what();
    }
    EXPECT_EQ(folder.read(row.changed), row.after.empty() ? before : with_variable(row.after));
    EXPECT_TRUE(row.said.empty() ? said.empty()
                                 : said.find(with_variable(row.said)) != std::string::npos)
        << said;
}

INSTANTIATE_TEST_SUITE_P(Table, ConfigFiles, ::testing::ValuesIn(table),
                         [](const auto& info) { return info.param.name; });

} // namespace
