// A property over generated configuration files: after setting a value, the chain reads that
// value, from the line that set the old one (or from a line added at the end), and every
// byte outside the old value is as it was.

#include "config/config_error.h"
#include "config/value_edit.h"

#include <gtest/gtest.h>
#include <random>
#include <string_view>
#include <vector>

namespace {

using namespace tallyglyph::config;

const std::string variable = "kv_emoteControl";

// Pieces of commands, values, separators and comments, as files hold them, apart by '|'.
constexpr std::string_view pieces =
    "set kv_emoteControl |seta kv_emoteControl |SETS KV_EMOTECONTROL |kv_emoteControl |"
    "set \"kv_emoteControl\" |set kv_emoteControl|setu kv_emotecontrol\t|set g_other |echo hi|"
    "5|\"7\"|\"1 2\"|\"3;4\"|\"8|9 10|\"a\"b|\"\"|\"x//y\"|1/*c*/2|2097153|;|\n|\n|\r\n|\r|"
    " // c \"q ; set kv_emoteControl 99\n|/* c ; \n set kv_emoteControl 98 */|/*|*/|\"| |\t|"
    "//|/|*|\xe9|caf\xc3\xa9|\n\n";

std::string generated(std::mt19937& random) {
    static const std::vector<std::string_view> parts = [] {
        std::vector<std::string_view> split;
        for (std::string_view rest = pieces;; rest.remove_prefix(split.back().size() + 1)) {
            split.push_back(rest.substr(0, rest.find('|')));
            if (split.back().size() == rest.size())
                return split;
        }
    }();
    std::string file;
    for (auto count = random() % 16; count-- > 0;)
        file += parts[random() % parts.size()];
    return file;
}

TEST(GeneratedFiles, SetThenGetReadsTheValueAndEveryOtherByteStays) {
    std::mt19937 random(20261207);
    const FileLoader nothing_beside = [](const std::string&) {
        return std::nullopt;
    };
    constexpr int files = 3000;
    int refused = 0;
    for (int i = 0; i < files; ++i) {
        const std::string file = generated(random);
        const std::string value = std::to_string(random() % 4194304);
        const Reading before = read_chain({"server.cfg", file}, nothing_beside, variable);
        ValueEdit edit;
        try {
            edit = edit_value(before, nothing_beside, variable, value);
        } catch (const ConfigError& error) {
            // Only where the chain would not read the value back, as inside an open comment,
            // or the value cannot give way.
            const std::string_view message = error.what();
            EXPECT_TRUE(message.starts_with("the server would not take") ||
                        message.starts_with("the value at"))
                << message;
            ++refused;
            continue;
        }
        const Reading after = read_chain({"server.cfg", edit.bytes}, nothing_beside, variable);
        ASSERT_TRUE(after.winner) << file;
        EXPECT_EQ(after.winner->value, value) << file;
        if (!before.winner) {
            EXPECT_TRUE(edit.bytes.starts_with(file)) << file;
            continue;
        }
        const ValueSpan& span = *before.winner->span;
        EXPECT_EQ(after.winner->place.line, before.winner->place.line) << file;
        EXPECT_TRUE(edit.bytes.starts_with(file.substr(0, span.begin)) &&
                    edit.bytes.ends_with(file.substr(span.end)))
            << file;
    }
    EXPECT_LT(refused, files / 5);
}

} // namespace
