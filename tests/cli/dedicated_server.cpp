#include "dedicated_server.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
const std::string map_name = "tgtest";
const std::string ready_mark = "tallyglyph-server-ready";
const fs::path ioquake3_folder = "/usr/lib/ioquake3";
const fs::path openjk_folder = TALLYGLYPH_OPENJK_DIR;

// What differs between the engines' servers, as measured.
struct Layout {
    fs::path program;
    fs::path game_module;
    std::string game; // the game folder under the base folder
    std::string default_config;
    std::string map_ident;
    int map_version;
    std::size_t map_lumps;
    std::vector<std::string> settings; // NAME=VALUE, beside those both take
};

// The file in the folder whose name starts with the prefix; empty when there is none.
fs::path file_starting(const fs::path& folder, const std::string& prefix) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().filename().string().starts_with(prefix))
            return entry.path();
    return {};
}

Layout layout_of(Engine engine) {
    if (engine == Engine::ioquake3)
        return {ioquake3_folder / "ioq3ded",
                ioquake3_folder / "baseq3" / "qagamex86_64.so",
                map_name,
                "default.cfg",
                "IBSP",
                46,
                17,
                {"net_enabled=1", "com_basegame=" + map_name, "vm_game=0"}};
    // OpenJK limits connectionless packets to one a second per address after a burst of 10.
    return {file_starting(openjk_folder, "openjkded."),
            file_starting(openjk_folder / "codemp" / "game", "jampgame"),
            "base",
            "mpdefault.cfg",
            "RBSP",
            1,
            18,
            {"sv_maxOOBRateIP=0"}};
}

template <typename T>
std::string bytes_of(std::initializer_list<T> values) {
    std::string bytes(values.size() * sizeof(T), '\0');
    std::memcpy(bytes.data(), std::data(values), bytes.size());
    return bytes;
}

// A BSP file of the engine's format: entities (a worldspawn and one spawn point), one
// shader with solid contents, one plane, one node, one leaf and one model; the rest empty.
// OpenJK's format differs from ioquake3's in its ident, version and one lump more, not in
// these.
std::string smallest_map(const Layout& layout) {
    std::vector<std::string> lumps(layout.map_lumps);
    lumps[0] = std::string("{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" "
                           "\"info_player_deathmatch\"\n\"origin\" \"0 0 24\"\n}\n") +
               '\0';
    lumps[1] = std::string("noshader").append(56, '\0') + bytes_of({0, 1}); // flags, solid
    lumps[2] = bytes_of({0.f, 0.f, 1.f, 0.f});                              // normal, distance
    lumps[3] = bytes_of({0, -1, -1, -64, -64, -64, 64, 64, 64});        // plane, children, bounds
    lumps[4] = bytes_of({0, 0, -64, -64, -64, 64, 64, 64, 0, 0, 0, 0}); // cluster, area, bounds
    lumps[7] = bytes_of({-64.f, -64.f, -64.f, 64.f, 64.f, 64.f}) + bytes_of({0, 0, 0, 0});
    std::string header = layout.map_ident + bytes_of({layout.map_version});
    std::string body;
    for (const std::string& lump : lumps) {
        header += bytes_of(
            {static_cast<int>(8 + lumps.size() * 8 + body.size()), static_cast<int>(lump.size())});
        body += lump;
    }
    return header + body;
}

} // namespace

DedicatedServer::DedicatedServer(Engine engine, ServerSettings settings)
    : engine_(engine), settings_(std::move(settings)) {
    if (const std::string reason = missing(engine); !reason.empty())
        throw std::runtime_error(reason);
    std::string pattern = (fs::temp_directory_path() / "tallyglyph-server.XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    const Layout layout = layout_of(engine_);
    fs::create_directories(game_folder() / "maps");
    std::ofstream(game_folder() / "maps" / (map_name + ".bsp"), std::ios::binary)
        << smallest_map(layout);
    std::ofstream(game_folder() / layout.default_config)
        << "// the test server's settings come with its command\n";
    fs::create_symlink(layout.game_module, game_folder() / layout.game_module.filename());
    try {
        start();
    } catch (...) {
        fs::remove_all(folder_);
        throw;
    }
}

DedicatedServer::~DedicatedServer() {
    stop();
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

std::string DedicatedServer::missing(Engine engine) {
    if (engine == Engine::openjk && openjk_folder.empty())
        return "OpenJK's server is not built: configure with "
               "-DTALLYGLYPH_OPENJK_SOURCE=ARCHIVE_OR_FOLDER, as scripts/test does";
    const Layout layout = layout_of(engine);
    if (!fs::exists(layout.program) || !fs::exists(layout.game_module))
        return (engine == Engine::openjk ? "OpenJK's server is not in " + openjk_folder.string()
                                         : "ioquake3-server is not installed") +
               std::string(" (scripts/test builds and installs what the tests need)");
    return {};
}

fs::path DedicatedServer::game_folder() const {
    return folder_ / "base" / layout_of(engine_).game;
}

void DedicatedServer::restart() {
    stop();
    start();
}

void DedicatedServer::start() {
    const Layout layout = layout_of(engine_);
    // The port may be taken again before the server opens it; it then tries the next.
    int port = 0;
    close(loopback_socket(port));
    std::vector<std::string> words{layout.program.string()};
    std::vector<std::string> settings{"fs_basepath=" + (folder_ / "base").string(),
                                      "fs_homepath=" + (folder_ / "home").string(),
                                      "dedicated=1",
                                      "net_ip=127.0.0.1",
                                      "net_port=" + std::to_string(port),
                                      "sv_master1=",
                                      "sv_master2=",
                                      "sv_master3=",
                                      "sv_master4=",
                                      "sv_master5=",
                                      "bot_enable=0"};
    settings.insert(settings.end(), layout.settings.begin(), layout.settings.end());
    if (!settings_.password.empty())
        settings.push_back("rconpassword=" + settings_.password);
    for (const std::string& setting : settings)
        words.insert(words.end(), {"+set", setting.substr(0, setting.find('=')),
                                   setting.substr(setting.find('=') + 1)});
    // From a file, since the engines cut their whole command line at 1 KiB.
    if (settings_.emote_control) {
        std::ofstream(game_folder() / "tallyglyph-test.cfg")
            << "set kv_emoteControl \"" << *settings_.emote_control << "\"\n";
        words.insert(words.end(), {"+exec", "tallyglyph-test.cfg"});
    }
    if (settings_.server_cfg) {
        // Written once: a restart runs the file as the test has left it.
        if (!fs::exists(game_folder() / "server.cfg"))
            std::ofstream(game_folder() / "server.cfg", std::ios::binary) << *settings_.server_cfg;
        words.insert(words.end(), {"+exec", "server.cfg"});
    }
    // Start-up commands run in turn, and the map has loaded when the next one runs.
    words.insert(words.end(), {"+map", map_name, "+echo", ready_mark});
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    const std::string log_path = (folder_ / "server.log").string();
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log_path.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + words.front());

    // A restart appends to the log: only what this start wrote counts.
    const std::size_t before = log().size();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (log().find(ready_mark + "\n", before) == std::string::npos) {
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

void DedicatedServer::stop() {
    // Both exit on SIGTERM, which says nothing here.
    if (pid_ > 0 && kill(pid_, SIGTERM) == 0)
        waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::string DedicatedServer::log() const {
    std::ifstream file(folder_ / "server.log", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> DedicatedServer::rcon_commands() const {
    // "Rcon from ADDRESS: COMMAND", the address with or without its port.
    std::vector<std::string> commands;
    std::istringstream lines(log());
    for (std::string line; std::getline(lines, line);)
        if (const std::size_t from = line.find("Rcon from "); from != std::string::npos)
            commands.push_back(line.substr(line.find(": ", from) + 2));
    return commands;
}

int DedicatedServer::refused_requests() const {
    int count = 0;
    std::istringstream lines(log());
    for (std::string line; std::getline(lines, line);)
        count += line.find("Bad rcon from ") != std::string::npos;
    return count;
}

void PrintTo(Engine engine, std::ostream* out) {
    *out << (engine == Engine::openjk ? "OpenJK" : "ioquake3");
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
