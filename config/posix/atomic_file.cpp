#include "config/atomic_file.h"

#include "config/config_error.h"
#include "config/config_file.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tallyglyph::config {
namespace {

std::string reason() {
    return std::generic_category().message(errno);
}

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            close(fd);
    }
};

// A new file in a folder, made like another (mode, owner and group) and flushed to disk;
// removed again unless it takes a name.
class NewFile {
public:
    NewFile(const std::string& folder, std::string_view content, const struct stat& like,
            const std::string& shown)
        : path_(folder + "/.tallyglyph-XXXXXX") {
        const Descriptor file{mkstemp(path_.data())};
        if (file.fd < 0)
            throw ConfigError("cannot write a new file beside " + shown + ": " + reason());
        made_ = true;
        const int fd = file.fd;
        for (std::size_t done = 0; done < content.size();) {
            const ssize_t wrote = write(fd, content.data() + done, content.size() - done);
            if (wrote < 0 && errno != EINTR)
                throw ConfigError("cannot write a new file beside " + shown + ": " + reason());
            done += wrote < 0 ? 0 : static_cast<std::size_t>(wrote);
        }
        if ((like.st_uid != geteuid() || like.st_gid != getegid()) &&
            fchown(fd, like.st_uid, like.st_gid) != 0)
            throw ConfigError("cannot keep the owner and group of " + shown + " (" + reason() +
                              "): change it as its owner or as root");
        if (fchmod(fd, like.st_mode & 07777) != 0 || fsync(fd) != 0)
            throw ConfigError("cannot write a new file beside " + shown + ": " + reason());
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile() {
        if (made_)
            unlink(path_.c_str());
    }

    void take_name(const std::string& name, const std::string& shown) {
        if (rename(path_.c_str(), name.c_str()) != 0)
            throw ConfigError("cannot replace " + shown + ": " + reason());
        made_ = false;
    }

    // Another name for the file, which must be free; the file's own goes with it.
    void take_free_name(const std::string& name, const std::string& shown) {
        if (link(path_.c_str(), name.c_str()) != 0)
            throw ConfigError(errno == EEXIST ? shown + " is there already"
                                              : "cannot write " + shown + ": " + reason());
    }

private:
    std::string path_;
    bool made_ = false;
};

bool holds(const std::string& target, const struct stat& before, std::string_view expected) {
    struct stat now {};
    if (stat(target.c_str(), &now) != 0 || now.st_dev != before.st_dev ||
        now.st_ino != before.st_ino)
        return false;
    try {
        return read_config_file(target).bytes == expected;
    } catch (const ConfigError&) {
        return false;
    }
}

// Some file systems cannot flush a folder; the renames stand all the same.
void flush_folder(const std::string& folder) {
    const Descriptor file{open(folder.c_str(), O_RDONLY | O_DIRECTORY)};
    if (file.fd >= 0)
        fsync(file.fd);
}

} // namespace

std::string replace_file(const std::string& path, std::string_view expected,
                         std::string_view content) {
    const std::unique_ptr<char, void (*)(void*)> resolved(realpath(path.c_str(), nullptr), free);
    if (!resolved)
        throw ConfigError("cannot find " + path + ": " + reason());
    const std::string target(resolved.get());
    struct stat before {};
    if (stat(target.c_str(), &before) != 0)
        throw ConfigError("cannot find " + path + ": " + reason());
    if (!S_ISREG(before.st_mode))
        throw ConfigError(path + " is not a regular file");
    if (before.st_nlink > 1)
        throw ConfigError(path + " has other hard links, which a new file in its place would "
                                 "leave with the old content");
    if (access(target.c_str(), W_OK) != 0)
        throw ConfigError("cannot change " + path + ": " + reason());
    struct stat link {};
    const bool is_link = lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode);

    const std::string folder = target.substr(0, target.rfind('/'));
    NewFile replacement(folder, content, before, path);
    NewFile previous(folder, expected, before, path);
    // The last look, after the slow writes and just before the renames.
    if (!holds(target, before, expected))
        throw ConfigError(path + " changed since it was read; nothing was written");
    previous.take_name(target + "~", path + "~");
    replacement.take_name(target, path);
    flush_folder(folder.empty() ? "/" : folder);
    return (is_link ? target : path) + "~";
}

void create_file(const std::string& path, std::string_view content) {
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    struct stat own {};
    own.st_uid = geteuid();
    own.st_gid = getegid();
    own.st_mode = S_IRUSR | S_IWUSR;
    NewFile file(folder, content, own, path);
    file.take_free_name(path, path);
    flush_folder(folder);
}

} // namespace tallyglyph::config
