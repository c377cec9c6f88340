#include "password.h"

#include "rcon_error.h"

#include <cstdio>
#include <fstream>

namespace tallyglyph::rcon {
namespace {

// With the longest command the companion sends, a request stays well under the 1 KiB a
// server reads of it.
constexpr std::size_t longest_password = 512;

// What the server would split the password at, named for the message; empty when nothing.
std::string splitting_character(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ' ')
            return "a blank";
        if (c == '"')
            return "a quote mark (\")";
        if (c == ';')
            return "a semicolon";
        if (byte < 0x20 || byte == 0x7f)
            return "a control character";
    }
    return {};
}

void require_private(const std::filesystem::path& path) {
#if !defined(_WIN32)
    using std::filesystem::perms;
    std::error_code error;
    const perms mode = std::filesystem::status(path, error).permissions();
    const perms others = perms::group_all | perms::others_all;
    if (!error && (mode & others) != perms::none) {
        char octal[8];
        std::snprintf(octal, sizeof octal, "%04o", static_cast<unsigned>(mode & perms::mask));
        throw InputError("the password file '" + path.string() + "' is open to other users " +
                         "(mode " + octal + "); make it private with: chmod 600 '" + path.string() +
                         "'");
    }
#else
    (void)path; // Windows keeps files private by their access lists, not by mode bits.
#endif
}

} // namespace

Password::Password(std::string text) : text_(std::move(text)) {
    if (text_.empty())
        throw InputError("the rcon password is empty");
    if (text_.size() > longest_password)
        throw InputError("the rcon password is longer than " + std::to_string(longest_password) +
                         " characters");
    if (const std::string what = splitting_character(text_); !what.empty())
        throw InputError("the rcon password holds " + what + ", at which the server would " +
                         "split it and run the rest as a command; an rcon password cannot hold " +
                         "blanks, quote marks, semicolons or control characters");
}

Password read_password_file(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw InputError("cannot read the password file '" + path.string() + "'");
    require_private(path);
    std::string line;
    std::getline(file, line);
    if (line.ends_with('\r'))
        line.pop_back();
    return Password(std::move(line));
}

} // namespace tallyglyph::rcon
