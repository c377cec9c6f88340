#include "rcon/datagram_socket.h"

#include "rcon/rcon_error.h"

#include <algorithm>
#include <winsock2.h>
#include <ws2tcpip.h>

namespace tallyglyph::rcon {
namespace {

// Winsock serves a program only after WSAStartup; once for the whole run is enough.
void start_winsock() {
    static const int started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data);
    }();
    if (started != 0)
        throw ServerError("Winsock does not start (error " + std::to_string(started) + ")");
}

SOCKET socket_of(std::uintptr_t handle) {
    return static_cast<SOCKET>(handle);
}

std::string system_message(int error) {
    char text[256] = {};
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       static_cast<DWORD>(error), 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message.empty() ? "Winsock error " + std::to_string(error) : message;
}

[[noreturn]] void fail(std::string_view what, const std::string& server, int error) {
    throw ServerError(std::string(what) + " " + server + ": " + system_message(error));
}

} // namespace

std::vector<SocketAddress> resolve(const ServerAddress& server) {
    start_winsock();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const int status =
        getaddrinfo(server.host.c_str(), std::to_string(server.port).c_str(), &hints, &found);
    if (status != 0)
        fail("cannot find the server", server.text, status);
    std::vector<SocketAddress> addresses = addresses_of(found);
    freeaddrinfo(found);
    return addresses;
}

std::string numeric_host(const SocketAddress& address) {
    char host[NI_MAXHOST] = {};
    if (getnameinfo(reinterpret_cast<const sockaddr*>(address.bytes.data()), address.length, host,
                    sizeof host, nullptr, 0, NI_NUMERICHOST) != 0)
        return "an address of family " + std::to_string(address.family);
    return host;
}

DatagramSocket::DatagramSocket(const SocketAddress& address, std::string server)
    : handle_(0), server_(std::move(server)) {
    start_winsock();
    const SOCKET s = ::socket(address.family, SOCK_DGRAM, IPPROTO_UDP);
    if (s == INVALID_SOCKET)
        fail("no socket for", server_, WSAGetLastError());
    handle_ = static_cast<std::uintptr_t>(s);
    if (connect(s, reinterpret_cast<const sockaddr*>(address.bytes.data()), address.length) != 0) {
        const int error = WSAGetLastError();
        closesocket(s);
        fail("cannot reach", server_, error);
    }
}

DatagramSocket::~DatagramSocket() {
    closesocket(socket_of(handle_));
}

bool DatagramSocket::send(std::string_view datagram) {
    if (::send(socket_of(handle_), datagram.data(), static_cast<int>(datagram.size()), 0) !=
        SOCKET_ERROR)
        return true;
    const int error = WSAGetLastError();
    if (error == WSAECONNRESET)
        return false;
    fail("cannot send to", server_, error);
}

DatagramSocket::Received DatagramSocket::receive(std::chrono::milliseconds timeout) {
    using clock = std::chrono::steady_clock;
    const clock::time_point deadline = clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::microseconds>(deadline - clock::now());
        const long long wait = std::max<long long>(left.count(), 0);
        timeval limit{static_cast<long>(wait / 1000000), static_cast<long>(wait % 1000000)};
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(socket_of(handle_), &readable);
        const int count = select(0, &readable, nullptr, nullptr, &limit);
        if (count == 0)
            return {Outcome::timeout, {}};
        if (count == SOCKET_ERROR)
            fail("cannot wait for", server_, WSAGetLastError());
        std::string datagram(65536, '\0');
        const int got =
            recv(socket_of(handle_), datagram.data(), static_cast<int>(datagram.size()), 0);
        if (got != SOCKET_ERROR) {
            datagram.resize(static_cast<std::size_t>(got));
            return {Outcome::datagram, std::move(datagram)};
        }
        // Windows reports a port where nothing listens on the next receive, as a reset.
        const int error = WSAGetLastError();
        if (error == WSAECONNRESET)
            return {Outcome::refused, {}};
        fail("cannot receive from", server_, error);
    }
}

} // namespace tallyglyph::rcon
