// Passwords the server would split or change are refused before anything is sent, and a
// password file is read only when it is a private regular file, no more of it than a
// password can take.

#include "rcon/password.h"
#include "rcon/rcon_error.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <utility>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace {

using namespace tallyglyph::rcon;
namespace fs = std::filesystem;

// What reading gives: the password, or the message.
template <typename Read>
std::string outcome_of(Read read) {
    try {
        return "= " + read().text();
    } catch (const InputError& error) {
        return error.what();
    }
}

TEST(Passwords, ThatTheServerWouldSplitOrChangeAreRefused) {
    const std::string rule = "; an rcon password is printable ASCII without blanks, quote "
                             "marks, semicolons, percent signs, \"//\" or \"/*\"";
    const std::pair<std::string, std::string> rows[] = {
        {"hunter2", "= hunter2"},
        {"", "the rcon password is empty"},
        {std::string(513, 'x'), "the rcon password is longer than 512 characters"},
        {"sec ret", "the rcon password holds a blank, at which the server would split it and "
                    "run the rest as a command" +
                        rule},
        {"a;b", "the rcon password holds a semicolon, at which the server would split it and "
                "run the rest as a command" +
                    rule},
        {"a\tb", "the rcon password holds a control character, at which the server would end "
                 "or split it" +
                     rule},
        {"50%off", "the rcon password holds a percent sign (%), which the server turns into a "
                   "full stop" +
                       rule},
        {"a//b", "the rcon password holds \"//\" or \"/*\", where the server would take the "
                 "rest for a comment" +
                     rule},
        {"a/*b", "the rcon password holds \"//\" or \"/*\", where the server would take the "
                 "rest for a comment" +
                     rule},
        {"caf\xc3\xa9", "the rcon password holds a character outside ASCII, which a server may "
                        "turn into a full stop" +
                            rule},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome_of([&] { return Password(row.first); }), row.second);
}

#if !defined(_WIN32)
TEST(PasswordFiles, AreReadOnlyWhenPrivateRegularFiles) {
    const fs::path folder =
        fs::temp_directory_path() / ("tallyglyph-password-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const auto file = [&](const std::string& name, const std::string& bytes, mode_t mode) {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        chmod(path.c_str(), mode);
        return path;
    };
    const auto fifo = [&](const std::string& name, mode_t mode) {
        const fs::path path = folder / name;
        mkfifo(path.c_str(), mode);
        chmod(path.c_str(), mode);
        return path;
    };
    const fs::path huge = file("huge", "", 0600);
    fs::resize_file(huge, std::uintmax_t{1} << 30); // a gigabyte, of which nothing is read
    const std::pair<fs::path, std::string> rows[] = {
        {file("private", "hunter2\r\nsecond line\n", 0600), "= hunter2"},
        {file("shared", "hunter2\n", 0644), "is open to other users (mode 0644); make it "
                                            "private with: chmod 600 'PATH'"},
        {fifo("fifo", 0600), "is a FIFO, not a regular file"},
        {fifo("shared-fifo", 0644), "is a FIFO, not a regular file"},
        {folder, "is a directory, not a regular file"},
        {"/dev/zero", "is a character device, not a regular file"},
        {huge, "the rcon password is longer than 512 characters"},
        {folder / "missing", "cannot read the password file 'PATH': No such file or directory"},
    };
    for (const auto& [shown_path, expected] : rows) {
        const fs::path& path = shown_path; // a lambda may not capture a structured binding
        SCOPED_TRACE(path.string());
        std::string message = expected;
        if (message.starts_with("is "))
            message = "the password file 'PATH' " + message;
        for (std::size_t at; (at = message.find("PATH")) != std::string::npos;)
            message.replace(at, 4, path.string());
        EXPECT_EQ(outcome_of([&] { return read_password_file(path); }), message);
    }
    fs::remove_all(folder);
}
#endif

} // namespace
