#include "servers/servers_file.h"

#include <cstdlib>

namespace tallyglyph::servers {

// A relative XDG_CONFIG_HOME is ignored, as desktops do: it would depend on where we started.
std::string servers_file() {
    const char* config_home = std::getenv("XDG_CONFIG_HOME");
    if (config_home != nullptr && config_home[0] == '/')
        return std::string(config_home) + "/tallyglyph/servers.ini";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/')
        throw ServersError("no folder for servers.ini: neither XDG_CONFIG_HOME nor HOME names one");
    return std::string(home) + "/.config/tallyglyph/servers.ini";
}

} // namespace tallyglyph::servers
