#pragma once
// The rcon password. The server splits a request at blanks, quote marks and semicolons and
// runs what follows the password as a command, so a password holding any of them, or a
// control character, is refused before anything is sent. No message ever shows it.

#include <filesystem>
#include <string>

namespace tallyglyph::rcon {

class Password {
public:
    // Raises InputError, saying what is wrong but not the password itself.
    explicit Password(std::string text);
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// The first line of a password file. On POSIX systems the file must be closed to other
// users, as ssh requires of keys. Raises InputError saying how to fix that, or when the
// file cannot be read.
Password read_password_file(const std::filesystem::path& path);

} // namespace tallyglyph::rcon
