#include "scripted_peer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

ScriptedPeer::ScriptedPeer(PeerScript script, const std::string& host, int port)
    : script_(std::move(script)) {
    fd_ = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    inet_pton(AF_INET, host.c_str(), &address.sin_addr);
    socklen_t length = sizeof address;
    if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("no UDP socket on " + host);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread(&ScriptedPeer::serve, this);
}

ScriptedPeer::~ScriptedPeer() {
    stopping_ = true;
    thread_.join();
    close(fd_);
}

std::vector<std::string> ScriptedPeer::requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

void ScriptedPeer::serve() {
    std::string buffer(65536, '\0');
    while (!stopping_) {
        pollfd ready{fd_, POLLIN, 0};
        if (poll(&ready, 1, 20) <= 0)
            continue;
        sockaddr_storage from{};
        socklen_t length = sizeof from;
        const ssize_t got = recvfrom(fd_, buffer.data(), buffer.size(), 0,
                                     reinterpret_cast<sockaddr*>(&from), &length);
        if (got < 4)
            continue;
        const std::string request = buffer.substr(4, static_cast<std::size_t>(got) - 4);
        int index = 0;
        {
            const std::lock_guard lock(mutex_);
            index = static_cast<int>(requests_.size());
            requests_.push_back(request);
        }
        for (const Datagram& datagram : script_(index, request)) {
            // Waits in short steps, so that a long script ends with the test.
            const auto until = std::chrono::steady_clock::now() + datagram.after;
            while (!stopping_ && std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            if (stopping_)
                return;
            sendto(fd_, datagram.bytes.data(), datagram.bytes.size(), 0,
                   reinterpret_cast<sockaddr*>(&from), length);
        }
    }
}

std::string printed(const std::string& text) {
    return "\xff\xff\xff\xffprint\n" + text;
}
