// The Windows companion under Wine sets and reads the value on real dedicated servers of
// both engines, the Linux ones the other server tests use.

#include "cli_process.h"
#include "dedicated_server.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class WindowsCompanion : public testing::TestWithParam<Engine> {};

TEST_P(WindowsCompanion, SetsAndGetsOnARealServer) {
    // scripts/test-windows gives the program it cross-built; a build of its own has none.
    const char* program = std::getenv("TALLYGLYPH_WINDOWS_CLI");
    if (program == nullptr || !std::filesystem::is_regular_file(program))
        GTEST_SKIP() << "needs the Windows build: TALLYGLYPH_WINDOWS_CLI names no "
                        "tallyglyph-cli.exe (scripts/test-windows runs this test with one)";
    if (const std::string reason = DedicatedServer::missing(GetParam()); !reason.empty())
        GTEST_SKIP() << reason;
    DedicatedServer server(GetParam());
    setenv("TALLYGLYPH_RCON_PASSWORD", "tallyglyph-test", 1);
    const CliRun set = run_cli({"set", "--server", server.address(), "Sit", "Shake"});
    EXPECT_EQ(set.exit_code, 0) << set.err;
    EXPECT_EQ(set.out, "set kv_emoteControl \"2097153\"\n");
    const CliRun get = run_cli({"get", "--server", server.address()});
    EXPECT_EQ(get.exit_code, 0) << get.err;
    EXPECT_EQ(get.out, "Sit\nShake\n");
    // The engine and the value for each, the set and its reading back.
    EXPECT_EQ(server.rcon_commands().size(), 6u) << server.log();
}

INSTANTIATE_TEST_SUITE_P(Engines, WindowsCompanion,
                         testing::Values(Engine::ioquake3, Engine::openjk),
                         testing::PrintToStringParamName());

} // namespace
