#pragma once
// The few socket calls an exchange needs, behind one interface: resolving a server and one
// connected UDP socket to one of its addresses. posix/datagram_socket.cpp implements them
// with POSIX sockets, windows/datagram_socket.cpp with Winsock.

#include "server_address.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::rcon {

// One resolved address, kept as the bytes of the system's own socket address.
struct SocketAddress {
    int family = 0;
    int length = 0;
    std::array<unsigned char, 128> bytes{};
};

// Every UDP address of the server (host names, IPv4 and IPv6), in the resolver's order.
// Raises ServerError when the host cannot be resolved.
std::vector<SocketAddress> resolve(const ServerAddress& server);

// The address in numbers, as 127.0.0.1 or ::1, for messages.
std::string numeric_host(const SocketAddress& address);

// The addresses of a resolver's list, whose entries both systems call addrinfo.
template <typename AddressInfo>
std::vector<SocketAddress> addresses_of(const AddressInfo* list) {
    std::vector<SocketAddress> addresses;
    for (const AddressInfo* entry = list; entry != nullptr; entry = entry->ai_next) {
        SocketAddress address;
        if (entry->ai_addrlen > address.bytes.size())
            continue;
        address.family = entry->ai_family;
        address.length = static_cast<int>(entry->ai_addrlen);
        std::memcpy(address.bytes.data(), entry->ai_addr, entry->ai_addrlen);
        addresses.push_back(address);
    }
    return addresses;
}

class DatagramSocket {
public:
    enum class Outcome { datagram, timeout, refused };
    struct Received {
        Outcome outcome = Outcome::timeout;
        std::string datagram;
    };

    // Connected to the address; server names it in messages. Raises ServerError when the
    // system gives no socket.
    DatagramSocket(const SocketAddress& address, std::string server);
    ~DatagramSocket();
    DatagramSocket(const DatagramSocket&) = delete;
    DatagramSocket& operator=(const DatagramSocket&) = delete;

    // False when the peer's system has already said that nothing listens there.
    bool send(std::string_view datagram);

    // The next datagram from the peer, or timeout, or refused when the peer's system says
    // that nothing listens there (ECONNREFUSED; WSAECONNRESET on Windows).
    Received receive(std::chrono::milliseconds timeout);

private:
    std::uintptr_t handle_; // a descriptor on POSIX systems, a SOCKET on Windows
    std::string server_;
};

} // namespace tallyglyph::rcon
