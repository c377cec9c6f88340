#include "config_file.h"

#include "config_error.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tallyglyph::config {
namespace {

namespace fs = std::filesystem;

fs::path path_of(const std::string& utf8) {
    return {std::u8string(utf8.begin(), utf8.end())};
}

std::string text_of(const fs::path& path) {
    const std::u8string text = path.generic_u8string();
    return {text.begin(), text.end()};
}

} // namespace

std::string plain_path(const std::string& path) {
    return text_of(path_of(path).lexically_normal());
}

LoadedFile read_config_file(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path_of(path), error);
    if (!fs::exists(status))
        throw ConfigError("cannot read " + path + ": " +
                          (error ? error.message() : "no such file"));
    if (!fs::is_regular_file(status))
        throw ConfigError(path + " is not a regular file");
    std::ifstream in(path_of(path), std::ios::binary);
    if (!in)
        throw ConfigError("cannot read " + path + ": " + std::generic_category().message(errno));
    std::string bytes(largest_config_file + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        throw ConfigError("cannot read " + path);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > largest_config_file)
        throw ConfigError(path + " is over 1 MiB: too large for a configuration file");
    if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos)
        throw ConfigError(path + " holds a NUL byte (at byte " + std::to_string(nul) +
                          "): it is not a configuration file");
    return {path, bytes};
}

FileLoader files_beside(const std::string& given_path) {
    // String joins, so that a name exec gives cannot make the path absolute.
    const fs::path folder = path_of(given_path).parent_path();
    const std::string start = folder.empty() ? "." : text_of(folder);
    return [start](const std::string& name) -> std::optional<LoadedFile> {
        const std::string path = plain_path(start + "/" + name);
        std::error_code error;
        if (!fs::exists(path_of(path), error))
            return std::nullopt;
        return read_config_file(path);
    };
}

} // namespace tallyglyph::config
