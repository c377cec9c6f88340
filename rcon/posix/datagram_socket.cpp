#include "rcon/datagram_socket.h"

#include "rcon/rcon_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tallyglyph::rcon {
namespace {

int descriptor(std::uintptr_t handle) {
    return static_cast<int>(handle);
}

[[noreturn]] void fail(std::string_view what, const std::string& server, int error) {
    throw ServerError(std::string(what) + " " + server + ": " + std::strerror(error));
}

} // namespace

std::vector<SocketAddress> resolve(const ServerAddress& server) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const int status =
        getaddrinfo(server.host.c_str(), std::to_string(server.port).c_str(), &hints, &found);
    if (status != 0)
        throw ServerError("cannot find the server " + server.text + ": " +
                          (status == EAI_SYSTEM ? std::strerror(errno) : gai_strerror(status)));
    std::vector<SocketAddress> addresses = addresses_of(found);
    freeaddrinfo(found);
    return addresses;
}

std::string numeric_host(const SocketAddress& address) {
    char host[NI_MAXHOST] = {};
    if (getnameinfo(reinterpret_cast<const sockaddr*>(address.bytes.data()),
                    static_cast<socklen_t>(address.length), host, sizeof host, nullptr, 0,
                    NI_NUMERICHOST) != 0)
        return "an address of family " + std::to_string(address.family);
    return host;
}

DatagramSocket::DatagramSocket(const SocketAddress& address, std::string server)
    : handle_(0), server_(std::move(server)) {
    const int fd = socket(address.family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        fail("no socket for", server_, errno);
    handle_ = static_cast<std::uintptr_t>(fd);
    if (connect(fd, reinterpret_cast<const sockaddr*>(address.bytes.data()),
                static_cast<socklen_t>(address.length)) != 0) {
        const int error = errno;
        close(fd);
        fail("cannot reach", server_, error);
    }
}

DatagramSocket::~DatagramSocket() {
    close(descriptor(handle_));
}

bool DatagramSocket::send(std::string_view datagram) {
    while (::send(descriptor(handle_), datagram.data(), datagram.size(), MSG_NOSIGNAL) < 0) {
        if (errno == ECONNREFUSED)
            return false;
        if (errno != EINTR)
            fail("cannot send to", server_, errno);
    }
    return true;
}

DatagramSocket::Received DatagramSocket::receive(std::chrono::milliseconds timeout) {
    using clock = std::chrono::steady_clock;
    const clock::time_point deadline = clock::now() + timeout;
    pollfd ready{descriptor(handle_), POLLIN, 0};
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - clock::now());
        const int count = poll(&ready, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
        if (count == 0)
            return {Outcome::timeout, {}};
        if (count < 0 && errno != EINTR)
            fail("cannot wait for", server_, errno);
        if (count < 0)
            continue;
        std::string datagram(65536, '\0');
        const ssize_t got = recv(descriptor(handle_), datagram.data(), datagram.size(), 0);
        if (got >= 0) {
            datagram.resize(static_cast<std::size_t>(got));
            return {Outcome::datagram, std::move(datagram)};
        }
        if (errno == ECONNREFUSED)
            return {Outcome::refused, {}};
        if (errno != EINTR && errno != EAGAIN)
            fail("cannot receive from", server_, errno);
    }
}

} // namespace tallyglyph::rcon
