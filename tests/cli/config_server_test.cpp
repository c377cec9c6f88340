// --server and --config together, against real dedicated servers: the server first,
// confirmed, then the file; what is said when one of them fails; and a change to both that
// outlasts the server's restart.

#include "tests/temp_folder.h"
#include "cli_process.h"
#include "dedicated_server.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const std::string password = "tallyglyph-test";

CliRun run_with_password(const std::vector<std::string>& arguments) {
    setenv("TALLYGLYPH_RCON_PASSWORD", password.c_str(), 1);
    return run_cli(arguments);
}

TEST(ServerAndConfig, TheServerFirstThenTheFileOrWhatFailed) {
    DedicatedServer server(Engine::ioquake3);
    TempFolder folder;
    folder.write("server.cfg", "set kv_emoteControl \"1\"\n");
    folder.write("open.cfg", "/* left open");
    const std::string address = server.address();
    const std::string path = folder.file("server.cfg");

    // allow changes the named emote alone in each value: the server's and the file's.
    const CliRun both =
        run_with_password({"allow", "--server", address, "--config", path, "Shake"});
    EXPECT_EQ(both.exit_code, 0);
    EXPECT_EQ(both.out, "set kv_emoteControl \"2097152\"\n");
    EXPECT_EQ(both.err, "tallyglyph-cli: note: the server at " + address +
                            " confirmed it\ntallyglyph-cli: note: changed " + path +
                            ":1 to \"2097153\"; the previous content is in " + path + "~\n");
    EXPECT_EQ(folder.read("server.cfg"), "set kv_emoteControl \"2097153\"\n");

    const CliRun file_failed = run_with_password(
        {"allow", "--server", address, "--config", folder.file("open.cfg"), "Kiss"});
    EXPECT_EQ(file_failed.exit_code, 3);
    EXPECT_EQ(file_failed.out, "");
    EXPECT_EQ(file_failed.err.find("tallyglyph-cli: note: the server at " + address +
                                   " confirmed it\ntallyglyph-cli: the server at " + address +
                                   " now has kv_emoteControl \"2097280\", but " +
                                   folder.file("open.cfg") + " was not changed: "),
              0u)
        << file_failed.err;
    EXPECT_EQ(folder.read("open.cfg"), "/* left open");
    EXPECT_EQ(run_with_password({"get", "--server", address, "--value"}).out, "2097280\n");
}

TEST(ServerAndConfig, AServerThatFailsLeavesTheFile) {
    int port = 0;
    close(loopback_socket(port));
    TempFolder folder;
    folder.write("server.cfg", "set kv_emoteControl 1\n");
    const std::string address = "127.0.0.1:" + std::to_string(port);
    const std::string path = folder.file("server.cfg");
    const CliRun run = run_with_password({"set", "--server", address, "--config", path, "5"});
    EXPECT_EQ(run.exit_code, 3);
    EXPECT_EQ(run.err, "tallyglyph-cli: nothing is listening at " + address + "; " + path +
                           " was left as it was\n");
    EXPECT_EQ(folder.read("server.cfg"), "set kv_emoteControl 1\n");
}

class Restart : public testing::TestWithParam<Engine> {};

// The server takes its value from server.cfg at start; a change to both is there again
// after the server stops and starts.
TEST_P(Restart, AChangeToTheServerAndItsFileOutlastsIt) {
    if (const std::string reason = DedicatedServer::missing(GetParam()); !reason.empty())
        GTEST_SKIP() << reason;
    DedicatedServer server(GetParam(), {password, "0", "set kv_emoteControl \"1\"\n"});
    const std::string config = (server.game_folder() / "server.cfg").string();
    EXPECT_EQ(run_with_password({"get", "--server", server.address(), "--value"}).out, "1\n");
    const CliRun set =
        run_with_password({"set", "--server", server.address(), "--config", config, "2097153"});
    EXPECT_EQ(set.exit_code, 0) << set.err;
    server.restart();
    EXPECT_EQ(run_with_password({"get", "--server", server.address(), "--value"}).out, "2097153\n");
}

INSTANTIATE_TEST_SUITE_P(Engines, Restart, testing::Values(Engine::ioquake3, Engine::openjk),
                         testing::PrintToStringParamName());

} // namespace
