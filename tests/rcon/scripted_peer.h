#pragma once
// A UDP peer on a loopback address that answers each request as its script says, on a
// thread of its own: the server that misbehaves in every way a real one might, and some a
// hostile one would.

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct Datagram {
    std::chrono::milliseconds after; // since the one before, or since the request
    std::string bytes;
};

// What to send back for the request (the bytes after its four 0xFF), given how many
// requests came before it.
using PeerScript = std::function<std::vector<Datagram>(int index, const std::string& request)>;

class ScriptedPeer {
public:
    // On host, at port, or at a free port when it is 0.
    explicit ScriptedPeer(PeerScript script, const std::string& host = "127.0.0.1", int port = 0);
    ~ScriptedPeer();
    ScriptedPeer(const ScriptedPeer&) = delete;
    ScriptedPeer& operator=(const ScriptedPeer&) = delete;

    int port() const { return port_; }
    std::vector<std::string> requests() const;

private:
    void serve();

    PeerScript script_;
    int fd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// A print reply, as servers send them.
std::string printed(const std::string& text);
