// The strict reading of what a server sends back: the forms a server prints, and texts that
// only look like them.

#include "rcon/rcon_error.h"
#include "rcon/reply.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

using namespace tallyglyph::rcon;

const std::string header = "\xff\xff\xff\xffprint\n";
const std::string is = "\"kv_emoteControl\" is:\"";

// Each text with what is read from it: the value, and the latched value after "|"; "-" when
// it is no print of the variable, "!" when it is refused.
TEST(Replies, AreReadExactlyOrRefused) {
    const std::pair<std::string, std::string> rows[] = {
        {is + "2097153^7\", the default\n", "2097153"},
        {is + "5^7\"\n", "5"}, // a read-only variable
        {is + "0^7\", the default\nlatched: \"7\"\n", "0|7"},
        {"\"KV_EMOTECONTROL\" is:\"1^7\", the default\n", "1"},
        {is + "abc^7\" default:\"2097153^7\"\n", "abc"},
        {is + "5^7\" default:\"0^7\" default:\"0^7\"\n", "!"},
        {is + "5^7\", the default\nsomething else\n", "!"},
        {"broadcast: print \"server: kv_emoteControl\\n\"\n", "-"},
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(reply_text(header + text), text);
        std::string got = "!";
        try {
            const auto print = read_variable_print(text, "kv_emoteControl");
            got = !print ? "-" : print->value + (print->latched ? "|" + *print->latched : "");
        } catch (const ServerError&) {
        }
        EXPECT_EQ(got, expected);
    }
    EXPECT_FALSE(reply_text("\xff\xff\xff\xffstatusResponse\n" + is + "1^7\"\n"));
}

} // namespace
