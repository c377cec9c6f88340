// The Windows companion under Wine sets and reads the value on a real dedicated server, the
// Linux one the other server tests use.

#include "cli_process.h"
#include "dedicated_server.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

TEST(WindowsCompanion, SetsAndGetsOnARealServer) {
    // scripts/test-windows gives the program it cross-built; a build of its own has none.
    const char* program = std::getenv("TALLYGLYPH_WINDOWS_CLI");
    if (program == nullptr || !std::filesystem::is_regular_file(program))
        GTEST_SKIP() << "needs the Windows build: TALLYGLYPH_WINDOWS_CLI names no "
                        "tallyglyph-cli.exe (scripts/test-windows runs this test with one)";
    DedicatedServer server("tallyglyph-test");
    setenv("TALLYGLYPH_RCON_PASSWORD", "tallyglyph-test", 1);
    const CliRun set = run_cli({"set", "--server", server.address(), "Sit", "Shake"});
    EXPECT_EQ(set.exit_code, 0) << set.err;
    EXPECT_EQ(set.out, "set kv_emoteControl \"2097153\"\n");
    const CliRun get = run_cli({"get", "--server", server.address()});
    EXPECT_EQ(get.exit_code, 0) << get.err;
    EXPECT_EQ(get.out, "Sit\nShake\n");
    EXPECT_EQ(count_of(server.log(), "Rcon from 127.0.0.1: "), 3) << server.log();
}

} // namespace
