// The Windows window's Server dialog under Wine reads and applies the value on real dedicated
// servers of both engines, the Linux ones the other server tests use, keeping the password in
// the Credential Manager (server_dialog_win32_test.cpp, given the server); the Linux companion
// then reads back what was applied.

#include "cli_process.h"
#include "dedicated_server.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class WindowsServerDialog : public testing::TestWithParam<Engine> {};

// What the command wrote on both streams.
std::string output_of(const std::string& command) {
    std::string output;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    char chunk[4096];
    for (std::size_t read; (read = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        output.append(chunk, read);
    pclose(pipe);
    return output;
}

TEST_P(WindowsServerDialog, ReadsAndAppliesOnARealServer) {
    // scripts/test-windows gives the tests it cross-built, and a display for their windows.
    const char* program = std::getenv("TALLYGLYPH_WINDOWS_WINDOW_TESTS");
    if (program == nullptr || !std::filesystem::is_regular_file(program))
        GTEST_SKIP() << "needs the Windows build: TALLYGLYPH_WINDOWS_WINDOW_TESTS names no "
                        "win32_window_tests.exe (scripts/test-windows runs this test with one)";
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "needs an X display for Wine's windows (scripts/test-windows gives one)";
    if (const std::string reason = DedicatedServer::missing(GetParam()); !reason.empty())
        GTEST_SKIP() << reason;
    ServerSettings settings;
    settings.emote_control = "2097153"; // Sit and Shake
    DedicatedServer server(GetParam(), settings);
    setenv("TALLYGLYPH_TEST_SERVER", server.address().c_str(), 1);
    setenv("TALLYGLYPH_TEST_PASSWORD", "tallyglyph-test", 1);
    setenv("TALLYGLYPH_TEST_VALUE", "2097153", 1);
    setenv("TALLYGLYPH_TEST_APPLY", "2097281", 1); // and Kiss
    const std::string output =
        output_of("wine '" + std::string(program) +
                  "' --gtest_filter=ServerDialogWin32Test.ReadsAndAppliesOnARealServer*");
    EXPECT_NE(output.find("[  PASSED  ] 1 test."), std::string::npos) << output;

    setenv("TALLYGLYPH_RCON_PASSWORD", "tallyglyph-test", 1);
    const CliRun get = run_cli({"get", "--server", server.address(), "--value"});
    EXPECT_EQ(get.out, "2097281\n") << get.err;
}

INSTANTIATE_TEST_SUITE_P(Engines, WindowsServerDialog,
                         testing::Values(Engine::ioquake3, Engine::openjk),
                         testing::PrintToStringParamName());

} // namespace
