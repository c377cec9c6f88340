#include "saved_server.h"

#include "core/words.h"
#include "rcon/rcon_error.h"
#include "rcon/server_address.h"
#include "server_commands.h"
#include "servers/servers_file.h"
#include "usage_error.h"

#include <cstdlib>

namespace tallyglyph::cli {
namespace {

bool is_address(const std::string& text) {
    try {
        rcon::read_server_address(text);
        return true;
    } catch (const rcon::InputError&) {
        return false;
    }
}

} // namespace

Invocation with_saved_server(Invocation invocation) {
    if (invocation.server.empty())
        return invocation;
    // A file with a mistake in it stops nothing that names its server by address.
    const bool address = is_address(invocation.server);
    servers::ServersFile file;
    try {
        file = servers::load_servers(servers::servers_file());
    } catch (const servers::ServersError&) {
        if (address)
            return invocation;
        throw;
    }
    const servers::SavedServer* saved = file.servers.find(invocation.server);
    // Without a saved server, what is wrong with the address is all there is to say.
    if (saved == nullptr && (address || file.servers.servers().empty()))
        return invocation;
    if (saved == nullptr)
        throw UsageError("no server is saved as " + core::quoted(invocation.server) + " in " +
                         file.path + ", and it is not HOST:PORT either");
    invocation.server = saved->address;
    if (invocation.config.empty() && invocation.command != Command::get)
        invocation.config = saved->config.value_or("");
    if (!invocation.password_file && std::getenv(std::string(password_variable).c_str()) == nullptr)
        invocation.password_file = saved->password_file;
    return invocation;
}

} // namespace tallyglyph::cli
