#pragma once
// The servers a user has saved, shared by the companion and both windows: one file,
// servers.ini, with a [NAME] section per server holding its address, and optionally the
// configuration file it starts from and, for the companion, a file holding its rcon password.
// The file never holds a password itself: the windows keep those in the system's keychain.
//
//   [games]
//   address = games.example.org:27960
//   config = /srv/jka/base/server.cfg
//   password-file = /home/me/.config/tallyglyph/games.password
//
// Blank lines and lines starting with # or ; are comments, and a change keeps them and every
// other line as it was.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::servers {

// A servers.ini that cannot be read, with its file and line, or a server that cannot be
// saved. The message starts without a capital, so a program can put its own name before it.
struct ServersError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct SavedServer {
    std::string name;
    std::string address; // HOST:PORT, as rcon::read_server_address takes it
    std::optional<std::string> config;
    std::optional<std::string> password_file;

    bool operator==(const SavedServer&) const = default;
};

class SavedServers {
public:
    SavedServers() = default;
    // Raises ServersError naming file and line for a line that is neither a section, a known
    // key in one, nor a comment; a name given twice; a key given twice in one section; a
    // section without an address or with one that is not HOST:PORT; and a password.
    SavedServers(std::string_view text, std::string_view file);

    const std::vector<SavedServer>& servers() const { return servers_; }
    // The server of that name, compared ignoring case; none when there is none.
    const SavedServer* find(std::string_view name) const;

    // Adds the server, or changes the one of its name, keeping every other line. Raises
    // ServersError for a name or a value that the file could not hold.
    void put(const SavedServer& server);

    std::string text() const;

private:
    struct Section {
        std::size_t first_line; // the [NAME] line
        std::size_t end_line;   // one past its last setting
    };
    void set_key(std::size_t server, std::string_view key, const std::optional<std::string>& value);

    std::string file_;
    std::vector<std::string> lines_; // without their line breaks
    std::string line_break_ = "\n";
    std::vector<SavedServer> servers_;
    std::vector<Section> sections_; // one a server, in the same order
};

} // namespace tallyglyph::servers
