// servers.ini as users write it: files read into servers or refused at the line at fault,
// and servers saved into a file with every other line kept.

#include "servers/saved_servers.h"
#include "servers/servers_file.h"
#include "tests/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace tallyglyph::servers;

// The servers a file gives, one "NAME ADDRESS [config] [password-file]" line each, or the
// message.
std::string read(const std::string& text) {
    try {
        std::string got;
        const SavedServers servers(text, "servers.ini");
        for (const SavedServer& server : servers.servers())
            got += server.name + " " + server.address + " " + server.config.value_or("-") + " " +
                   server.password_file.value_or("-") + "\n";
        return got;
    } catch (const ServersError& error) {
        return error.what();
    }
}

TEST(SavedServers, AreReadFromTheFileOrRefusedAtTheLine) {
    const std::pair<std::string, std::string> rows[] = {
        {"", ""},
        {"# mine\n\n[games]\naddress = games.example.org:27960\n",
         "games games.example.org:27960 - -\n"},
        {"[Home Server]\r\n  address=[::1]:29070  \r\nconfig = /srv/jka/base/server.cfg\r\n"
         "password-file = ~/pw\r\n; done\r\n",
         "Home Server [::1]:29070 /srv/jka/base/server.cfg ~/pw\n"},
        {"[a]\naddress = h:1\n[b]\nADDRESS = h:2\n", "a h:1 - -\nb h:2 - -\n"},
        {"address = h:1\n", "servers.ini:1: a setting before the first [NAME]"},
        {"[a]\naddress = h:1\n[A]\naddress = h:2\n",
         "servers.ini:3: the server 'A' is saved twice"},
        {"[a\naddress = h:1\n", "servers.ini:1: a section's name ends with ']'"},
        {"[]\n", "servers.ini:1: a saved server needs a name"},
        {"[a]\nconfig = x.cfg\n", "servers.ini:1: 'a' has no address"},
        {"[a]\naddress = h\n",
         "servers.ini:1: the server address 'h' has no port; write HOST:PORT, "
         "or [ADDR]:PORT for IPv6"},
        {"[a]\naddress = h:1\naddress = h:2\n", "servers.ini:3: address is given twice for 'a'"},
        {"[a]\naddress = h:1\nconfig =\n", "servers.ini:3: config is empty"},
        {"[a]\naddress = h:1\nport 1\n", "servers.ini:3: not a setting: write KEY = VALUE"},
        {"[a]\naddress = h:1\nhost = x\n", "servers.ini:3: an unknown setting 'host' (a server "
                                           "has address, config and password-file)"},
        {"[a]\naddress = h:1\nrconpassword = secret\n",
         "servers.ini:3: servers.ini holds no password: the windows keep it in the system's "
         "keychain, and the companion reads it from a file named by password-file"},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(read(text), expected) << text;
}

// Each change to a file, with the file after it or the message.
TEST(SavedServers, AreSavedKeepingEveryOtherLine) {
    const std::string file = "# my servers\n[a]\n  address = h:1\nconfig = a.cfg\n; end of a\n"
                             "\n[b]\naddress = h:2\n";
    struct Row {
        SavedServer server;
        std::string after;
    };
    const Row rows[] = {
        {{"A", "h:9", {}, {}},
         "# my servers\n[a]\naddress = h:9\n; end of a\n\n[b]\naddress = h:2\n"},
        {{"b", "h:2", "b.cfg", "b.pw"}, file + "config = b.cfg\npassword-file = b.pw\n"},
        {{"c d", "[::1]:3", {}, {}}, file + "\n[c d]\naddress = [::1]:3\n"},
        {{"e]", "h:1", {}, {}}, "the name 'e]' holds ']', which ends a section's name"},
        {{"e", "h", {}, {}},
         "the server address 'h' has no port; write HOST:PORT, or [ADDR]:PORT for IPv6"},
        {{"e", "h:1", "a\nb", {}}, "the configuration file 'a\nb' holds a control character"},
    };
    for (const Row& row : rows) {
        SavedServers servers(file, "servers.ini");
        try {
            servers.put(row.server);
            EXPECT_EQ(servers.text(), row.after);
            const SavedServer* saved = servers.find(row.server.name);
            ASSERT_NE(saved, nullptr);
            EXPECT_EQ(saved->address, row.server.address);
        } catch (const ServersError& error) {
            EXPECT_EQ(error.what(), row.after);
        }
    }
    EXPECT_EQ(SavedServers("[a]\r\naddress = h:1\r\n", "x").text(), "[a]\r\naddress = h:1\r\n");
}

// The file is made with its folder, private, on the first save, and replaced after.
TEST(SavedServers, AreKeptInTheUsersOwnFile) {
    const TempFolder home;
    const std::string path = home.file("tallyglyph/servers.ini");
    ServersFile file = load_servers(path);
    EXPECT_TRUE(file.servers.servers().empty());
    file.servers.put({"games", "games.example.org:27960", {}, {}});
    save_servers(file);
    file.servers.put({"home", "[::1]:29070", "server.cfg", {}});
    save_servers(file);
    EXPECT_EQ(load_servers(path).servers.servers(),
              (std::vector<SavedServer>{{"games", "games.example.org:27960", {}, {}},
                                        {"home", "[::1]:29070", "server.cfg", {}}}));
    ServersFile stale = load_servers(path);
    home.write("tallyglyph/servers.ini", "[other]\naddress = h:1\n");
    EXPECT_THROW(save_servers(stale), ServersError);
#if !defined(_WIN32)
    using std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(home.file("tallyglyph")).permissions() & perms::all,
              perms::owner_all);
#endif
}

} // namespace
