// The system's shells' conventions as both programs' help shows them.

#include "runtime/command_line_conventions.h"

#include <gtest/gtest.h>

namespace {

using tallyglyph::runtime::shell_quoted;

TEST(CommandLineConventions, AQuotedWordHoldsEveryQuoteOfIt) {
    struct Row {
        const char* word;
        const char* quoted;
    };
#ifdef _WIN32
    const Row rows[] = {{"2097153", "\"2097153\""},
                        {"set kv_emoteControl \"5\"", "\"set kv_emoteControl \"\"5\"\"\""},
                        {"it's", "\"it's\""}};
#else
    const Row rows[] = {{"2097153", "'2097153'"},
                        {"set kv_emoteControl \"5\"", "'set kv_emoteControl \"5\"'"},
                        {"it's", "'it'\\''s'"}};
#endif
    for (const Row& row : rows)
        EXPECT_EQ(shell_quoted(row.word), row.quoted) << row.word;
}

} // namespace
