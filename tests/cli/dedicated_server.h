#pragma once
// Real dedicated servers of the game family, for the companion's server commands: the
// packaged ioq3ded, or OpenJK's openjkded built by tests/peers, on 127.0.0.1 with a
// throwaway base and home folder, the smallest map each loads, and kv_emoteControl to play
// with. The constructor returns once the map is loaded.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <sys/types.h>
#include <vector>

enum class Engine { ioquake3, openjk };
void PrintTo(Engine engine, std::ostream* out); // for test names
struct ServerSettings {
    std::string password = "tallyglyph-test";       // empty: rcon disabled
    std::optional<std::string> emote_control = "0"; // none: the server has no such variable
    std::optional<std::string> server_cfg; // run at start with +exec server.cfg, as servers are
};

class DedicatedServer {
public:
    explicit DedicatedServer(Engine engine, ServerSettings settings = {});
    ~DedicatedServer();
    DedicatedServer(const DedicatedServer&) = delete;
    DedicatedServer& operator=(const DedicatedServer&) = delete;

    // Why the engine's server cannot run here; empty when it can.
    static std::string missing(Engine engine);

    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
    // The folder the game reads its configuration files from.
    std::filesystem::path game_folder() const;
    // Stops the server and starts it again from the same folders.
    void restart();

    // All it has written.
    std::string log() const;
    // The commands it ran for rcon requests, and the requests it refused, in order.
    std::vector<std::string> rcon_commands() const;
    int refused_requests() const;

private:
    void start();
    void stop();

    Engine engine_;
    ServerSettings settings_;
    std::filesystem::path folder_;
    pid_t pid_ = -1;
    int port_ = 0;
};

// A UDP socket bound to a free port of 127.0.0.1, and that port.
int loopback_socket(int& port);
