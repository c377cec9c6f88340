// The reader of server addresses: the forms users write, and the mistakes they make.

#include "rcon/rcon_error.h"
#include "rcon/server_address.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

using tallyglyph::rcon::read_server_address;

TEST(ServerAddresses, AreReadAsHostAndPort) {
    const std::tuple<std::string, std::string, int> rows[] = {
        {"games.example.org:27960", "games.example.org", 27960},
        {"127.0.0.1:1", "127.0.0.1", 1},
        {"[::1]:65535", "::1", 65535},
        {"[fe80::1%eth0]:27960", "fe80::1%eth0", 27960},
    };
    for (const auto& [text, host, port] : rows) {
        const auto address = read_server_address(text);
        EXPECT_EQ(address.host, host) << text;
        EXPECT_EQ(address.port, port) << text;
        EXPECT_EQ(address.text, text);
    }
}

TEST(ServerAddresses, WithoutHostOrPortAreRefused) {
    for (const char* text : {"games.example.org", "::1:27960", ":27960", "[]:27960", "[::1]27960",
                             "host:0", "host:65536", "host:+80", "host:", ""})
        EXPECT_THROW(read_server_address(text), tallyglyph::rcon::InputError) << text;
}

} // namespace
