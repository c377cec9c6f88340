#pragma once
// Requests to one server and their replies, over UDP. An attempt waits a second for the
// reply, and each request is attempted three times at each address of the server, the
// addresses taken in turn, so that a silent address does not hide one that answers. Each
// attempt has a socket of its own, so a late reply to an earlier one is never taken for the
// current one. A reply of one line ends with its first datagram; a longer one may come in
// several datagrams with nothing to mark the last, so it ends when no more come for a moment.
// Whatever a peer sends, a command ends by its deadline and holds no more than the longest
// reply.

#include "datagram_socket.h"

#include <chrono>
#include <cstddef>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::rcon {

inline constexpr int attempts = 3;
inline constexpr std::chrono::milliseconds attempt_timeout{1000};
inline constexpr std::chrono::seconds command_deadline{10};
inline constexpr std::size_t longest_reply = 64 * 1024;

struct Reply {
    std::string text;
    // The server flushed an empty first part: a line of its output did not fit in one
    // datagram, which no reading of a valid value fills.
    bool overflowed = false;
};

class ServerLink {
public:
    using Clock = std::chrono::steady_clock;

    // server names the server in messages; the deadline holds for every request. A stop
    // requested through the token ends any request with Cancelled.
    ServerLink(std::string server, std::vector<SocketAddress> addresses, Clock::time_point deadline,
               std::stop_token stop = {});

    // Sends the request as an out-of-band message (after four 0xFF bytes) and gives its
    // reply. Raises ServerError when nothing listens at any address of the server, when
    // nothing answers, or when the reply is longer than the longest or still coming at the
    // deadline.
    Reply exchange(std::string_view request);

    const std::string& server() const { return server_; }

private:
    enum class Attempt { answered, silent, refused };
    Attempt attempt(const SocketAddress& address, std::string_view datagram, Reply& reply);
    Reply rest_of_reply(DatagramSocket& socket, std::string first);
    DatagramSocket::Received receive(DatagramSocket& socket, std::chrono::milliseconds timeout);
    std::string addresses_tried() const;

    std::string server_;
    std::vector<SocketAddress> addresses_; // the one that last answered first
    Clock::time_point deadline_;
    std::stop_token stop_;
};

} // namespace tallyglyph::rcon
