// Replacing a file in place: one backup of the previous content, the file's mode, owner and
// link kept, and nothing written when it is no regular file, has other hard links or changed
// since it was read.

#include "config/atomic_file.h"
#include "config/config_error.h"
#include "tests/temp_folder.h"

#include <gtest/gtest.h>
#include <iterator>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using namespace tallyglyph::config;
namespace fs = std::filesystem;

std::size_t files_in(const TempFolder& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder.path()), {}));
}

TEST(ReplaceFile, LeavesOneBackupOfThePreviousContent) {
    TempFolder folder;
    folder.write("server.cfg", "first\n");
    const std::string path = folder.file("server.cfg");
    EXPECT_EQ(replace_file(path, "first\n", "second\n"), path + "~");
    EXPECT_EQ(replace_file(path, "second\n", "third\r\n"), path + "~");
    EXPECT_EQ(folder.read("server.cfg"), "third\r\n");
    EXPECT_EQ(folder.read("server.cfg~"), "second\n");
    EXPECT_EQ(files_in(folder), 2u) << "a new file was left behind";
}

TEST(ReplaceFile, RefusesWithNothingWritten) {
    TempFolder folder;
    folder.write("server.cfg", "changed meanwhile\n");
    fs::create_directory(folder.path() / "folder.cfg");
    folder.write("linked.cfg", "as read\n");
    fs::create_hard_link(folder.path() / "linked.cfg", folder.path() / "link.cfg");
    for (const auto& [name, refusal] :
         {std::pair{std::string("server.cfg"), std::string(" changed since it was read")},
          {"folder.cfg", " is not a regular file"},
          {"link.cfg", " has other hard links"}}) {
        const std::string path = folder.file(name);
        try {
            replace_file(path, "as read\n", "new\n");
            ADD_FAILURE() << name << " was replaced";
        } catch (const ConfigError& error) {
            EXPECT_EQ(std::string(error.what()).find(path + refusal), 0u) << error.what();
        }
    }
    EXPECT_EQ(folder.read("server.cfg"), "changed meanwhile\n");
    EXPECT_EQ(files_in(folder), 4u) << "a new file or a backup was left behind";
}

#ifdef _WIN32
constexpr const char* posix_only = "Windows keeps a file's ACL through its replace call, and has "
                                   "no mode bits or owner ids to check here";
#endif

TEST(ReplaceFile, KeepsModeAndOwnerAndWritesThroughALink) {
#ifdef _WIN32
    GTEST_SKIP() << posix_only;
#else
    TempFolder folder;
    folder.write("real/server.cfg", "old\n");
    fs::create_directory_symlink(folder.path() / "real", folder.path() / "linked");
    fs::create_symlink("linked/server.cfg", folder.path() / "server.cfg");
    const std::string real = folder.file("real/server.cfg");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(real.c_str(), 4321, 4321), 0);
    }

    EXPECT_EQ(replace_file(folder.file("server.cfg"), "old\n", "new\n"),
              fs::canonical(real).string() + "~");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "server.cfg"));
    EXPECT_EQ(folder.read("server.cfg"), "new\n");
    EXPECT_EQ(folder.read("real/server.cfg~"), "old\n");
    for (const std::string& name : {real, real + "~"}) {
        struct stat status {};
        ASSERT_EQ(stat(name.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, 0640u) << name;
        if (root) {
            EXPECT_EQ(status.st_uid, 4321u) << name;
        }
    }
#endif
}

} // namespace
