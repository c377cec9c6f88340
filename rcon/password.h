#pragma once
// The rcon password. The server splits a request at blanks, quote marks and semicolons and
// runs what follows the password as a command; it reads "//" and "/*" as the start of a
// comment, and turns "%" (and, on ioquake3, every byte outside ASCII) into a full stop. A
// password holding any of these, or a control character, is sent split or changed, and so
// is refused before anything is sent. No message ever shows it.

#include <filesystem>
#include <string>
#include <string_view>

namespace tallyglyph::rcon {

class Password {
public:
    // Raises InputError, saying what is wrong but not the password itself.
    explicit Password(std::string text);
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// The longest password taken. With the longest command the companion sends, a request stays
// well under the 1 KiB a server reads of it.
inline constexpr std::size_t longest_password = 512;

// The first line of a password file. The file must be a regular file, and on POSIX systems
// closed to other users, as ssh requires of keys; no more of it is read than a password can
// take. Raises InputError saying what is wrong and how to fix it. One implementation per
// platform: posix/password_file.cpp, windows/password_file.cpp.
Password read_password_file(const std::filesystem::path& path);

// The password on the first line of the start of a password file, for both platforms'
// readers: a final "\r" is dropped.
Password first_line_password(std::string_view start);

} // namespace tallyglyph::rcon
