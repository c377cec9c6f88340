#include "server_address.h"

#include "core/words.h"
#include "rcon_error.h"
#include "runtime/digits.h"

namespace tallyglyph::rcon {
namespace {

constexpr std::string_view form = "; write HOST:PORT, or [ADDR]:PORT for IPv6";

std::uint16_t port_number(std::string_view address, std::string_view port) {
    const bool digits = runtime::is_all_digits(port) && port.size() <= 5;
    const unsigned long number = digits ? std::stoul(std::string(port)) : 0;
    if (number < 1 || number > 65535)
        throw InputError("the port of the server address " + core::quoted(address) +
                         " is not a number from 1 to 65535");
    return static_cast<std::uint16_t>(number);
}

} // namespace

ServerAddress read_server_address(std::string_view text) {
    std::string_view host;
    std::string_view port;
    if (text.starts_with('[')) {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos || text.substr(close + 1, 1) != ":")
            throw InputError("the server address " + core::quoted(text) + " has no port" +
                             std::string(form));
        host = text.substr(1, close - 1);
        port = text.substr(close + 2);
    } else {
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos)
            throw InputError("the server address " + core::quoted(text) + " has no port" +
                             std::string(form));
        if (text.find(':', colon + 1) != std::string_view::npos)
            throw InputError("an IPv6 address goes in brackets: write " +
                             core::quoted("[ADDR]:PORT") + ", not " + core::quoted(text));
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
    }
    if (host.empty())
        throw InputError("the server address " + core::quoted(text) + " has no host" +
                         std::string(form));
    return {std::string(host), port_number(text, port), std::string(text)};
}

} // namespace tallyglyph::rcon
