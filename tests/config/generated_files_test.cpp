// A property over generated configuration files: after setting a value, the chain reads that
// value, from the line that set the old one (or from a line added at the end), and every
// byte outside the value changed is as it was.

#include "config/config_error.h"
#include "config/value_edit.h"

#include <array>
#include <gtest/gtest.h>
#include <random>
#include <string_view>

namespace {

using namespace tallyglyph::config;

const std::string variable = "kv_emoteControl";

// Pieces of commands, values, separators and comments, as files hold them.
constexpr std::array<std::string_view, 38> pieces{"set kv_emoteControl ",
                                                  "seta kv_emoteControl ",
                                                  "SETS KV_EMOTECONTROL ",
                                                  "kv_emoteControl ",
                                                  "set \"kv_emoteControl\" ",
                                                  "set kv_emoteControl",
                                                  "setu kv_emotecontrol\t",
                                                  "set g_other ",
                                                  "echo hi",
                                                  "5",
                                                  "\"7\"",
                                                  "\"1 2\"",
                                                  "\"3;4\"",
                                                  "\"8",
                                                  "9 10",
                                                  "\"a\"b",
                                                  "\"\"",
                                                  "\"x//y\"",
                                                  "1/*c*/2",
                                                  "2097153",
                                                  ";",
                                                  "\n",
                                                  "\n",
                                                  "\r\n",
                                                  "\r",
                                                  " // c \"q ; set kv_emoteControl 99\n",
                                                  "/* c ; \n set kv_emoteControl 98 */",
                                                  "/*",
                                                  "*/",
                                                  "\"",
                                                  " ",
                                                  "\t",
                                                  "//",
                                                  "/",
                                                  "*",
                                                  "\xe9",
                                                  "caf\xc3\xa9",
                                                  "\n\n"};

std::string generated(std::mt19937& random) {
    std::string file;
    for (auto count = random() % 16; count-- > 0;)
        file += pieces[random() % pieces.size()];
    return file;
}

// The stretch where two texts differ, between what they share at the start and at the end.
std::pair<std::string_view, std::string_view> differing(std::string_view old_text,
                                                        std::string_view new_text) {
    std::size_t start = 0;
    while (start < old_text.size() && start < new_text.size() && old_text[start] == new_text[start])
        ++start;
    std::size_t end = 0;
    while (end < old_text.size() - start && end < new_text.size() - start &&
           old_text[old_text.size() - 1 - end] == new_text[new_text.size() - 1 - end])
        ++end;
    return {old_text.substr(start, old_text.size() - start - end),
            new_text.substr(start, new_text.size() - start - end)};
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
        EXPECT_EQ(after.winner->place.line, before.winner->place.line) << file;
        const auto [old_part, new_part] = differing(file, edit.bytes);
        EXPECT_EQ(new_part.find_first_not_of("\"0123456789"), std::string_view::npos) << file;
        EXPECT_EQ(old_part.find_first_of("\r\n"), std::string_view::npos) << file;
        EXPECT_EQ(line_at(file, static_cast<std::size_t>(old_part.data() - file.data())),
                  before.winner->value_place.line)
            << file;
    }
    EXPECT_LT(refused, files / 5);
}

} // namespace
