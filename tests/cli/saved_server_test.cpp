// A server named as it is saved in servers.ini, against a real dedicated server: its address,
// its configuration file and its password file come from its section.

#include "cli_process.h"
#include "dedicated_server.h"
#include "tests/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

TEST(SavedServer, GivesItsAddressFileAndPassword) {
    DedicatedServer server(Engine::ioquake3);
    const TempFolder home;
    home.write("password", "tallyglyph-test\n");
    chmod(home.file("password").c_str(), 0600);
    home.write("server.cfg", "set kv_emoteControl \"0\"\n");
    home.write("tallyglyph/servers.ini", "[games]\naddress = " + server.address() +
                                             "\nconfig = " + home.file("server.cfg") +
                                             "\npassword-file = " + home.file("password") + "\n");
    setenv("XDG_CONFIG_HOME", home.path().c_str(), 1);
    unsetenv("TALLYGLYPH_RCON_PASSWORD");

    const CliRun set = run_cli({"set", "--server", "Games", "Sit", "Shake"});
    EXPECT_EQ(set.exit_code, 0) << set.err;
    EXPECT_EQ(set.out, "set kv_emoteControl \"2097153\"\n");
    EXPECT_EQ(home.read("server.cfg"), "set kv_emoteControl \"2097153\"\n");
    EXPECT_EQ(run_cli({"get", "--server", "games", "--value"}).out, "2097153\n");

    const CliRun unknown = run_cli({"get", "--server", "elsewhere"});
    EXPECT_EQ(unknown.exit_code, 2);
    EXPECT_EQ(unknown.err, "tallyglyph-cli: no server is saved as 'elsewhere' in " +
                               home.file("tallyglyph/servers.ini") +
                               ", and it is not HOST:PORT either\n");

    // A file with a mistake stops a saved name, not an address.
    home.write("tallyglyph/servers.ini", "[games]\nport = 1\n");
    EXPECT_EQ(run_cli({"get", "--server", "games"}).exit_code, 2);
    setenv("TALLYGLYPH_RCON_PASSWORD", "tallyglyph-test", 1);
    EXPECT_EQ(run_cli({"get", "--server", server.address(), "--value"}).out, "2097153\n");
    unsetenv("XDG_CONFIG_HOME");
}

} // namespace
