#include "exchange.h"

#include "datagram_socket.h"
#include "rcon_error.h"
#include "reply.h"

namespace tallyglyph::rcon {
namespace {

constexpr std::string_view out_of_band = "\xff\xff\xff\xff";
constexpr std::chrono::milliseconds continuation_gap{250};

bool is_single_line(std::string_view text) {
    const std::size_t newline = text.find('\n');
    return newline == std::string_view::npos || newline + 1 == text.size();
}

std::string text_of(std::string_view datagram, const ServerAddress& server) {
    const auto text = reply_text(datagram);
    if (!text)
        throw ServerError(server.text + " answered with something other than an rcon reply");
    return std::string(*text);
}

// Attempts the exchange with one address of the server; none when nothing listens there.
std::optional<std::string> exchange_with(const SocketAddress& address, const ServerAddress& server,
                                         std::string_view request) {
    DatagramSocket socket(address, server.text);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (!socket.send(request))
            return std::nullopt;
        DatagramSocket::Received received = socket.receive(attempt_timeout);
        if (received.outcome == DatagramSocket::Outcome::refused)
            return std::nullopt;
        if (received.outcome == DatagramSocket::Outcome::timeout)
            continue;
        std::string text = text_of(received.datagram, server);
        if (is_single_line(text))
            return text;
        while ((received = socket.receive(continuation_gap)).outcome ==
               DatagramSocket::Outcome::datagram)
            text += text_of(received.datagram, server);
        return text;
    }
    throw ServerError("no reply from " + server.text + " after " + std::to_string(attempts) +
                      " attempts (a wrong address or port, a firewall, or the server's rate " +
                      "limit)");
}

} // namespace

std::string exchange(const ServerAddress& server, std::string_view request) {
    const std::string datagram = std::string(out_of_band) + std::string(request);
    // A name may resolve to an address where the server does not listen, such as ::1 for a
    // server on 127.0.0.1; a refusal comes at once, so the next address is tried.
    for (const SocketAddress& address : resolve(server))
        if (const auto reply = exchange_with(address, server, datagram))
            return *reply;
    throw ServerError("nothing is listening at " + server.text);
}

} // namespace tallyglyph::rcon
