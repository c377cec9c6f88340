#include "servers_file.h"

#include "config/atomic_file.h"
#include "config/config_error.h"
#include "config/config_file.h"

#include <filesystem>

namespace tallyglyph::servers {
namespace {

// Paths are UTF-8 on every system.
std::filesystem::path path_of(const std::string& text) {
    return std::u8string(text.begin(), text.end());
}

} // namespace

ServersFile load_servers(const std::string& path) {
    std::error_code absent;
    if (!std::filesystem::exists(path_of(path), absent))
        return {path, std::nullopt, {}};
    try {
        std::string bytes = config::read_config_file(path).bytes;
        SavedServers servers(bytes, path);
        return {path, std::move(bytes), std::move(servers)};
    } catch (const config::ConfigError& error) {
        throw ServersError(error.what());
    }
}

void save_servers(ServersFile& file) {
    namespace fs = std::filesystem;
    const std::string content = file.servers.text();
    try {
        if (file.read) {
            config::replace_file(file.path, *file.read, content);
        } else {
            const fs::path folder = path_of(file.path).parent_path();
            if (fs::create_directories(folder))
                fs::permissions(folder, fs::perms::owner_all);
            config::create_file(file.path, content);
        }
    } catch (const config::ConfigError& error) {
        throw ServersError(error.what());
    } catch (const fs::filesystem_error& error) {
        throw ServersError("cannot make the folder of " + file.path + ": " +
                           error.code().message());
    }
    file.read = content;
}

} // namespace tallyglyph::servers
