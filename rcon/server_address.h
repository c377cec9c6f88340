#pragma once
// The address of a server as the user writes it: HOST:PORT, or [ADDR]:PORT for an IPv6
// address. The port is always given, since servers of this game family run on many ports.

#include <cstdint>
#include <string>
#include <string_view>

namespace tallyglyph::rcon {

struct ServerAddress {
    std::string host; // a host name or an IPv4 or IPv6 address, without brackets
    std::uint16_t port = 0;
    std::string text; // as written, for messages
};

// Raises InputError for an empty host, a missing or invalid port (1 to 65535), or an IPv6
// address outside brackets.
ServerAddress read_server_address(std::string_view text);

} // namespace tallyglyph::rcon
