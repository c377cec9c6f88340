#include "config/atomic_file.h"

#include "config/config_error.h"
#include "config/config_file.h"
#include "runtime/wide_text.h"

#include <array>
#include <windows.h>

namespace tallyglyph::config {
namespace {

using runtime::utf16;
using runtime::utf8;

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (valid())
            CloseHandle(handle_);
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// The file a path leads to, through any link, checked to be a regular file that may be
// written.
std::wstring target_of(const std::string& path) {
    const Handle file(CreateFileW(utf16(path).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid())
        throw ConfigError("cannot find " + path + ": " + runtime::last_error_text());
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file.get(), &information) ||
        GetFileType(file.get()) != FILE_TYPE_DISK ||
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        throw ConfigError(path + " is not a regular file");
    if (information.nNumberOfLinks > 1)
        throw ConfigError(path + " has other hard links, which a new file in its place would "
                                 "leave with the old content");
    if ((information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0)
        throw ConfigError("cannot change " + path + ": it is read-only");
    // On the heap: a frame this large breaks MinGW's unwind tables with stack clash
    // protection on.
    std::wstring final_path(32768, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(file.get(), final_path.data(),
                                                   static_cast<DWORD>(final_path.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length >= final_path.size())
        throw ConfigError("cannot find " + path + ": " + runtime::last_error_text());
    final_path.resize(length);
    return final_path;
}

// A new file in the target's folder holding the content, written through to disk; removed
// again unless it takes the target's place.
class NewFile {
public:
    NewFile(const std::wstring& target, std::string_view content, const std::string& shown) {
        const std::wstring folder = target.substr(0, target.find_last_of(L"\\/"));
        std::array<wchar_t, MAX_PATH + 1> name{};
        if (GetTempFileNameW(folder.c_str(), L"tgl", 0, name.data()) == 0)
            throw ConfigError("cannot write a new file beside " + shown + ": " +
                              runtime::last_error_text());
        path_ = name.data();
        const Handle file(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
        DWORD wrote = 0;
        if (!file.valid() ||
            !WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &wrote,
                       nullptr) ||
            wrote != content.size() || !FlushFileBuffers(file.get()))
            throw ConfigError("cannot write a new file beside " + shown + ": " +
                              runtime::last_error_text());
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile() {
        if (!placed_)
            DeleteFileW(path_.c_str());
    }

    // The replace call keeps the replaced file's permissions, attributes and creation time,
    // and leaves its old content as the backup.
    void replace(const std::wstring& target, const std::wstring& backup, const std::string& shown) {
        if (!ReplaceFileW(target.c_str(), path_.c_str(), backup.c_str(), REPLACEFILE_WRITE_THROUGH,
                          nullptr, nullptr))
            throw ConfigError("cannot replace " + shown + ": " + runtime::last_error_text());
        placed_ = true;
    }

    // A free name, writing through; fails when a file of that name is there.
    void take_free_name(const std::wstring& name, const std::string& shown) {
        if (!MoveFileExW(path_.c_str(), name.c_str(), MOVEFILE_WRITE_THROUGH))
            throw ConfigError(GetLastError() == ERROR_ALREADY_EXISTS
                                  ? shown + " is there already"
                                  : "cannot write " + shown + ": " + runtime::last_error_text());
        placed_ = true;
    }

private:
    std::wstring path_;
    bool placed_ = false;
};

bool holds(const std::string& path, std::string_view expected) {
    try {
        return read_config_file(path).bytes == expected;
    } catch (const ConfigError&) {
        return false;
    }
}

bool is_link(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(utf16(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// The form a user reads: without the \\?\ that the final path starts with.
std::string shown_path(std::wstring path) {
    if (path.starts_with(L"\\\\?\\UNC\\"))
        path = L"\\" + path.substr(7);
    else if (path.starts_with(L"\\\\?\\"))
        path = path.substr(4);
    return utf8(path);
}

} // namespace

std::string replace_file(const std::string& path, std::string_view expected,
                         std::string_view content) {
    const std::wstring target = target_of(path);
    const std::wstring backup = target + L"~";
    NewFile replacement(target, content, path);
    // The last look, after the slow write and just before the replace.
    if (!holds(path, expected))
        throw ConfigError(path + " changed since it was read; nothing was written");
    replacement.replace(target, backup, path);
    return is_link(path) ? shown_path(backup) : path + "~";
}

// A user's own folders keep their files from other users; no access list is needed here.
void create_file(const std::string& path, std::string_view content) {
    const std::wstring name = utf16(path);
    NewFile file(name, content, path);
    file.take_free_name(name, path);
}

} // namespace tallyglyph::config
