#pragma once
// Console commands run on one server over rcon: each is one request "rcon PASSWORD COMMAND".
// A client serves one command of the companion, and its deadline holds for all of it.

#include "engine.h"
#include "exchange.h"
#include "password.h"
#include "server_address.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::rcon {

class RconClient {
public:
    // Raises ServerError when the server's name cannot be resolved. A stop requested through
    // the token ends the command with Cancelled.
    RconClient(const ServerAddress& server, Password password, std::stop_token stop = {});
    // At addresses already resolved; server names them in messages.
    RconClient(std::string server, std::vector<SocketAddress> addresses, Password password,
               std::stop_token stop = {});

    // What the server printed for the command. Raises ServerError, with no second request,
    // when the server refuses the password or has rcon disabled, and whatever
    // ServerLink::exchange raises.
    Reply run(std::string_view command);

    // The server's engine, asked once.
    Engine engine();

    // Server text quoted for a message, as core::shown_text() quotes it, with the password taken
    // out: a peer that echoes the request must not get it printed.
    std::string shown(std::string_view server_text) const;

    const std::string& server() const { return link_.server(); }

private:
    ServerLink link_;
    Password password_;
    std::optional<Engine> engine_;
};

} // namespace tallyglyph::rcon
