#include "rcon/password.h"
#include "rcon/rcon_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyglyph::rcon {
namespace {

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

std::string kind_of(mode_t mode) {
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "something other than a file";
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

[[noreturn]] void cannot_read(const std::filesystem::path& path, int error) {
    throw InputError("cannot read the password file " + quoted(path) + ": " + std::strerror(error));
}

} // namespace

Password read_password_file(const std::filesystem::path& path) {
    // Without blocking, so that a FIFO cannot hold the command waiting for a writer; what was
    // opened is then checked, not the name, which may have changed in between.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        cannot_read(path, errno);
    const Descriptor file(fd);
    struct stat status {};
    if (fstat(file.get(), &status) != 0)
        cannot_read(path, errno);
    if (!S_ISREG(status.st_mode))
        throw InputError("the password file " + quoted(path) + " is " + kind_of(status.st_mode) +
                         ", not a regular file");
    if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        char octal[8];
        std::snprintf(octal, sizeof octal, "%04o", static_cast<unsigned>(status.st_mode & 07777));
        throw InputError("the password file " + quoted(path) + " is open to other users (mode " +
                         octal + "); make it private with: chmod 600 " + quoted(path));
    }
    // A line longer than a password, its line break and one byte more is too long already.
    std::string start(longest_password + 3, '\0');
    std::size_t got = 0;
    while (got < start.size()) {
        const ssize_t count = read(file.get(), start.data() + got, start.size() - got);
        if (count == 0)
            break;
        if (count < 0 && errno != EINTR)
            cannot_read(path, errno);
        got += count > 0 ? static_cast<std::size_t>(count) : 0;
    }
    start.resize(got);
    return first_line_password(start);
}

} // namespace tallyglyph::rcon
