#pragma once
// Console commands run on one server over rcon: each is one request "rcon PASSWORD COMMAND".

#include "password.h"
#include "server_address.h"

#include <string>
#include <string_view>

namespace tallyglyph::rcon {

class RconClient {
public:
    RconClient(ServerAddress server, Password password);

    // What the server printed for the command. Raises ServerError, with no second request,
    // when the server refuses the password or has rcon disabled, and whatever exchange()
    // raises.
    std::string run(std::string_view command);

private:
    ServerAddress server_;
    Password password_;
};

} // namespace tallyglyph::rcon
