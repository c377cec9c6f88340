// Text from outside the program is shown in one short clean line, whatever it holds.

#include "core/message_text.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

using namespace tallyglyph::core;

TEST(MessageText, IsShownInOneShortCleanLine) {
    const std::pair<std::string, std::string> rows[] = {
        {"is read only.\n", "\"is read only.\""},
        {"a\nb\x01\x7f", "\"a\\nb\\x01\\x7f\""},
        {"caf\xc3\xa9 \xc3( \xe2\x82 \xed\xa0\x80 \xf8", // é, then broken and surrogate bytes
         "\"caf\xc3\xa9 \\xc3( \\xe2\\x82 \\xed\\xa0\\x80 \\xf8\""},
        {std::string(65000, 'A'), "\"" + std::string(120, 'A') + "...\" (65000 bytes in all)"},
    };
    for (const auto& [text, shown] : rows)
        EXPECT_EQ(shown_text(text), shown);
    EXPECT_EQ(escaped_text(std::string(200, 'B') + "\n\x1b"), std::string(200, 'B') + "\\n\\x1b");
}

} // namespace
