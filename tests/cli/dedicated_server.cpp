#include "dedicated_server.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
const std::string game = "tgtest";
const std::string ready_mark = "tallyglyph-server-ready";

template <typename T>
std::string bytes_of(std::initializer_list<T> values) {
    std::string bytes(values.size() * sizeof(T), '\0');
    std::memcpy(bytes.data(), std::data(values), bytes.size());
    return bytes;
}

// An IBSP version 46 file of 17 lumps: entities (a worldspawn and one spawn point), one
// shader with solid contents, one plane, one node, one leaf and one model; the rest empty.
std::string smallest_map() {
    std::array<std::string, 17> lumps;
    lumps[0] = std::string("{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" "
                           "\"info_player_deathmatch\"\n\"origin\" \"0 0 24\"\n}\n") +
               '\0';
    lumps[1] = std::string("noshader").append(56, '\0') + bytes_of({0, 1}); // flags, solid
    lumps[2] = bytes_of({0.f, 0.f, 1.f, 0.f});                              // normal, distance
    lumps[3] = bytes_of({0, -1, -1, -64, -64, -64, 64, 64, 64});        // plane, children, bounds
    lumps[4] = bytes_of({0, 0, -64, -64, -64, 64, 64, 64, 0, 0, 0, 0}); // cluster, area, bounds
    lumps[7] = bytes_of({-64.f, -64.f, -64.f, 64.f, 64.f, 64.f}) + bytes_of({0, 0, 0, 0});
    std::string header = "IBSP" + bytes_of({46});
    std::string body;
    for (const std::string& lump : lumps) {
        header += bytes_of(
            {static_cast<int>(8 + lumps.size() * 8 + body.size()), static_cast<int>(lump.size())});
        body += lump;
    }
    return header + body;
}

} // namespace

DedicatedServer::DedicatedServer(const std::string& password, const std::string& emote_control) {
    std::string pattern = (fs::temp_directory_path() / "tallyglyph-server.XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    const fs::path base = folder_ / "base" / game;
    fs::create_directories(base / "maps");
    std::ofstream(base / "maps" / (game + ".bsp"), std::ios::binary) << smallest_map();
    std::ofstream(base / "default.cfg") << "// the test server's settings come with its command\n";
    fs::create_symlink("/usr/lib/ioquake3/baseq3/qagamex86_64.so", base / "qagamex86_64.so");

    // The port may be taken again before the server opens it; it then tries the next.
    int port = 0;
    close(loopback_socket(port));
    std::vector<std::string> words{"/usr/lib/ioquake3/ioq3ded"};
    for (const std::string& setting : std::initializer_list<std::string>{
             "fs_basepath=" + (folder_ / "base").string(),
             "fs_homepath=" + (folder_ / "home").string(), "dedicated=1", "net_enabled=1",
             "net_ip=127.0.0.1", "net_port=" + std::to_string(port), "rconpassword=" + password,
             "sv_master1=", "sv_master2=", "sv_master3=", "sv_master4=", "sv_master5=",
             "com_basegame=" + game, "vm_game=0", "bot_enable=0",
             "kv_emoteControl=" + emote_control})
        words.insert(words.end(), {"+set", setting.substr(0, setting.find('=')),
                                   setting.substr(setting.find('=') + 1)});
    // Start-up commands run in turn, and the map has loaded when the next one runs.
    words.insert(words.end(), {"+map", game, "+echo", ready_mark});
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const std::string log_path = (folder_ / "server.log").string();
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log_path.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + words.front());

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (log().find(ready_mark + "\n") == std::string::npos) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_ ||
            std::chrono::steady_clock::now() > deadline) {
            const std::string failed = "the server did not load its map:\n" + log();
            stop();
            throw std::runtime_error(failed);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // A port found taken is followed by a warning and the next port's line.
    const std::string text = log();
    const std::string opened = "Opening IP socket: 127.0.0.1:";
    port_ = std::stoi(text.substr(text.rfind(opened) + opened.size()));
}

DedicatedServer::~DedicatedServer() {
    stop();
}

void DedicatedServer::stop() {
    // It exits with status 1 on SIGTERM, which says nothing here.
    if (kill(pid_, SIGTERM) == 0)
        waitpid(pid_, nullptr, 0);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

std::string DedicatedServer::log() const {
    std::ifstream file(folder_ / "server.log", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int loopback_socket(int& port) {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("no UDP socket on 127.0.0.1");
    port = ntohs(address.sin_port);
    return fd;
}

int count_of(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}
