#include "rcon_client.h"

#include "exchange.h"
#include "rcon_error.h"

namespace tallyglyph::rcon {

RconClient::RconClient(ServerAddress server, Password password)
    : server_(std::move(server)), password_(std::move(password)) {}

std::string RconClient::run(std::string_view command) {
    const std::string reply =
        exchange(server_, "rcon " + password_.text() + " " + std::string(command));
    // Retrying a wrong password would look like guessing in the server's log, and would use
    // up the allowance the server gives wrong passwords from everyone.
    if (reply == "Bad rconpassword.\n")
        throw ServerError(server_.text + " did not accept the rcon password (Bad rconpassword.)");
    if (reply == "No rconpassword set on the server.\n")
        throw ServerError("rcon is disabled on that server (No rconpassword set on the server.)");
    return reply;
}

} // namespace tallyglyph::rcon
