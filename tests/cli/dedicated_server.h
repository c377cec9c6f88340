#pragma once
// A real dedicated server of the game family, for the companion's server commands: the
// packaged ioq3ded on 127.0.0.1 with a throwaway base and home folder, the smallest map it
// loads, and kv_emoteControl to play with. The constructor returns once the map is loaded.

#include <filesystem>
#include <string>
#include <sys/types.h>

class DedicatedServer {
public:
    explicit DedicatedServer(const std::string& password, const std::string& emote_control = "0");
    ~DedicatedServer();
    DedicatedServer(const DedicatedServer&) = delete;
    DedicatedServer& operator=(const DedicatedServer&) = delete;

    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
    // All it has written; the server writes its log on stderr alone.
    std::string log() const;

private:
    void stop();

    std::filesystem::path folder_;
    pid_t pid_ = -1;
    int port_ = 0;
};

// A UDP socket bound to a free port of 127.0.0.1, and that port.
int loopback_socket(int& port);

int count_of(const std::string& text, const std::string& part);
