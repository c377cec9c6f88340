// The strict reading of what a server sends back: each engine's print of a variable as
// measured, what tells the engines apart, their words for a variable they do not have, and
// texts that only look like a print.

#include "rcon/engine.h"
#include "rcon/rcon_error.h"
#include "rcon/reply.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

using namespace tallyglyph::rcon;

const std::string header = "\xff\xff\xff\xffprint\n";
const std::string quake = "\"kv_emoteControl\" is:\"";
const std::string openjk = "^9Cvar ^7kv_emoteControl = ^9\"^7";

// Each text with what is read from it: the value, and the latched value after "|"; "-" when
// it is no print of the variable, "!" when it is refused.
TEST(Replies, AreReadExactlyOrRefused) {
    const std::pair<std::string, std::string> rows[] = {
        // ioquake3 and the original engine
        {quake + "2097153^7\", the default\n", "2097153"},
        {quake + "5^7\"\n", "5"}, // a read-only variable
        {quake + "0^7\", the default\nlatched: \"7\"\n", "0|7"},
        {quake + "2097153^7\" default:\"2097153^7\"\n", "2097153"},
        {"\"KV_EMOTECONTROL\" is:\"1^7\", the default\n", "1"},
        {quake + "abc^7\" default:\"2097153^7\"\n", "abc"},
        {quake + "5^7\" default:\"0^7\" default:\"0^7\"\n", "!"},
        {quake + "5^7\", the default\nlatched: 7\n", "!"},
        {quake + "5^7\", the default\nlatched: \"7\"\nDescribed\nagain\n", "!"},
        {quake + "5^7\", the default", "!"},
        {"broadcast: print \"server: kv_emoteControl\\n\"\n", "-"},
        // OpenJK
        {openjk + "2097153^9\"^7, ^7the default\n", "2097153"},
        {openjk + "5^9\"^7, ^7default = ^9\"^72097153^9\"^7\n", "5"},
        {openjk + "5^9\"^7\n", "5"},
        {openjk + "5^9\"^7, ^7the default\n     latched = ^9\"^712^9\"\n", "5|12"},
        {openjk + "5^9\"^7, ^7the default\n     latched = ^9\"^712^9\"\nDescribed\n", "5|12"},
        {openjk + "8^9\"^7, ^7the default\nMax. connected clients\n", "8"},
        {openjk + "5^9\"^7, ^7the default\n     latched = 12\n", "!"},
        {openjk + "5^9\"^7, the default\n", "!"},
        {openjk + "5\"^7, ^7the default\n", "!"},
        {"Cvar kv_emoteControl does not exist.\n", "-"},
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(reply_text(header + text), text);
        std::string got = "!";
        try {
            const auto print = read_variable_print(text, "kv_emoteControl");
            got = !print ? "-" : print->value + (print->latched ? "|" + *print->latched : "");
        } catch (const ServerError& error) {
            EXPECT_EQ(std::string(error.what()).find(text), std::string::npos)
                << "the text is the caller's to show";
        }
        EXPECT_EQ(got, expected);
    }
    EXPECT_FALSE(reply_text("\xff\xff\xff\xffstatusResponse\n" + quake + "1^7\"\n"));
}

TEST(Replies, TellTheEngineByItsPrintOfTheVersion) {
    const std::pair<std::string, Engine> rows[] = {
        {"^9Cvar ^7version = ^9\"^7OpenJK-MP: v1.0 linux-x86_64 Dec  7 2026^9\"^7\n",
         Engine::openjk},
        {"\"version\" is:\"JAmp: v1.0.1.0 win-x86 Oct 24 2003^7\" default:\"JAmp: v1.0.1.0 "
         "win-x86 Oct 24 2003^7\"\n",
         Engine::original},
        {"\"version\" is:\"ioq3 1.36+u20221123.70d07d9+dfsg-1/Debian linux-x86_64 Jan  8 "
         "2023^7\"\n",
         Engine::ioquake3},
    };
    for (const auto& [text, engine] : rows)
        EXPECT_EQ(engine_of_version_print(text), engine) << text;
    EXPECT_THROW(engine_of_version_print("broadcast: print \"server: version\\n\"\n"), ServerError);
    EXPECT_EQ(read_request(Engine::openjk, "kv_emoteControl"), "print kv_emoteControl");
    EXPECT_EQ(read_request(Engine::original, "kv_emoteControl"), "kv_emoteControl");
}

TEST(Replies, NameAVariableTheServerDoesNotHave) {
    for (const std::string text : {"", "Cvar kv_emoteControl does not exist.\n",
                                   "broadcast: print \"server: kv_emoteControl\\n\"\n",
                                   "unknown command: kv_emoteControl\n"})
        EXPECT_TRUE(says_no_such_variable(text, "kv_emoteControl")) << text;
    for (const std::string text : {"Cvar kv_emote does not exist.\n", "\n", "No such thing\n"})
        EXPECT_FALSE(says_no_such_variable(text, "kv_emoteControl")) << text;
    EXPECT_TRUE(says_rcon_disabled("No rconpassword set.\n"));
    EXPECT_TRUE(says_rcon_disabled("No rconpassword set on the server.\n"));
}

} // namespace
