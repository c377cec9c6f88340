#include "rcon/password.h"
#include "rcon/rcon_error.h"

#include <fstream>

namespace tallyglyph::rcon {

// Windows keeps files private by their access lists, not by mode bits, and has no FIFO that
// opening a path could wait on.
Password read_password_file(const std::filesystem::path& path) {
    const std::string name = "'" + path.string() + "'";
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error)
        throw InputError("cannot read the password file " + name + ": " + error.message());
    if (!std::filesystem::is_regular_file(status))
        throw InputError("the password file " + name + " is not a regular file");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw InputError("cannot read the password file " + name);
    // A line longer than a password, its line break and one byte more is too long already.
    std::string start(longest_password + 3, '\0');
    file.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<std::size_t>(file.gcount()));
    return first_line_password(start);
}

} // namespace tallyglyph::rcon
