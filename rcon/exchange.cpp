#include "exchange.h"

#include "rcon_error.h"
#include "reply.h"

#include <algorithm>

namespace tallyglyph::rcon {
namespace {

constexpr std::string_view out_of_band = "\xff\xff\xff\xff";
constexpr std::chrono::milliseconds continuation_gap{250};
constexpr std::chrono::milliseconds stop_check{50};

bool is_whole_line(std::string_view text) {
    return !text.empty() && text.find('\n') == text.size() - 1;
}

std::chrono::milliseconds until(ServerLink::Clock::time_point moment) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(moment - ServerLink::Clock::now());
    return std::max(left, std::chrono::milliseconds::zero());
}

std::string seconds(std::chrono::seconds duration) {
    return std::to_string(duration.count()) + " s";
}

} // namespace

ServerLink::ServerLink(std::string server, std::vector<SocketAddress> addresses,
                       Clock::time_point deadline, std::stop_token stop)
    : server_(std::move(server)), addresses_(std::move(addresses)), deadline_(deadline),
      stop_(std::move(stop)) {
    if (addresses_.empty())
        throw ServerError("cannot find the server " + server_ + ": it has no address");
}

Reply ServerLink::exchange(std::string_view request) {
    const std::string datagram = std::string(out_of_band) + std::string(request);
    std::vector<bool> refused(addresses_.size(), false);
    for (int round = 0; round < attempts; ++round) {
        for (std::size_t i = 0; i < addresses_.size(); ++i) {
            if (refused[i])
                continue;
            if (Clock::now() >= deadline_)
                throw ServerError("no reply from " + server_ + " within the " +
                                  seconds(command_deadline) + " a command may take");
            Reply reply;
            const Attempt outcome = attempt(addresses_[i], datagram, reply);
            if (outcome == Attempt::answered) {
                std::rotate(addresses_.begin(), addresses_.begin() + static_cast<long>(i),
                            addresses_.begin() + static_cast<long>(i) + 1);
                return reply;
            }
            refused[i] = outcome == Attempt::refused;
        }
    }
    if (std::ranges::all_of(refused, [](bool r) { return r; }))
        throw ServerError("nothing is listening at " + server_);
    throw ServerError("no reply from " + server_ + addresses_tried() + " after " +
                      std::to_string(attempts) + " attempts (a wrong address or port, a " +
                      "firewall, or the server's rate limit)");
}

ServerLink::Attempt ServerLink::attempt(const SocketAddress& address, std::string_view datagram,
                                        Reply& reply) {
    DatagramSocket socket(address, server_);
    if (!socket.send(datagram))
        return Attempt::refused;
    const Clock::time_point end = std::min(Clock::now() + attempt_timeout, deadline_);
    for (;;) {
        DatagramSocket::Received received = receive(socket, until(end));
        if (received.outcome == DatagramSocket::Outcome::refused)
            return Attempt::refused;
        if (received.outcome == DatagramSocket::Outcome::timeout)
            return Attempt::silent;
        // Anything else from the server's address is no answer to this request.
        if (const auto text = reply_text(received.datagram)) {
            reply = rest_of_reply(socket, std::string(*text));
            return Attempt::answered;
        }
    }
}

Reply ServerLink::rest_of_reply(DatagramSocket& socket, std::string first) {
    Reply reply{std::move(first), false};
    if (is_whole_line(reply.text))
        return reply;
    const bool began_empty = reply.text.empty();
    for (;;) {
        if (reply.text.size() > longest_reply)
            throw ServerError("the reply from " + server_ + " is longer than " +
                              std::to_string(longest_reply / 1024) + " KiB, more than any " +
                              "reading of a variable");
        // A reply ends when no part comes for a moment; one that the deadline cuts is
        // still coming.
        const std::chrono::milliseconds wait = std::min(continuation_gap, until(deadline_));
        const DatagramSocket::Received received = receive(socket, wait);
        if (received.outcome != DatagramSocket::Outcome::datagram && wait == continuation_gap)
            break;
        if (received.outcome != DatagramSocket::Outcome::datagram || Clock::now() >= deadline_)
            throw ServerError("the reply from " + server_ + " was still coming after the " +
                              seconds(command_deadline) + " a command may take");
        if (const auto text = reply_text(received.datagram))
            reply.text += *text;
    }
    reply.overflowed = began_empty && !reply.text.empty();
    return reply;
}

// The socket's next datagram, waited for in short steps when the exchange can be stopped.
DatagramSocket::Received ServerLink::receive(DatagramSocket& socket,
                                             std::chrono::milliseconds timeout) {
    const Clock::time_point end = Clock::now() + timeout;
    for (;;) {
        if (stop_.stop_requested())
            throw Cancelled("the exchange with " + server_ + " was cancelled");
        const std::chrono::milliseconds left = until(end);
        if (!stop_.stop_possible() || left <= stop_check)
            return socket.receive(left);
        DatagramSocket::Received received = socket.receive(stop_check);
        if (received.outcome != DatagramSocket::Outcome::timeout)
            return received;
    }
}

// The numeric addresses tried, when the server's name stands for more than its one address.
std::string ServerLink::addresses_tried() const {
    std::string hosts;
    for (const SocketAddress& address : addresses_)
        hosts += (hosts.empty() ? "" : ", then ") + numeric_host(address);
    if (addresses_.size() == 1 &&
        (server_.starts_with(hosts + ":") || server_.starts_with("[" + hosts + "]:")))
        return {};
    return " (at " + hosts + ")";
}

} // namespace tallyglyph::rcon
