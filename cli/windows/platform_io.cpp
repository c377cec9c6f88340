#include "cli/platform_io.h"

#include "runtime/wide_text.h"

#include <fcntl.h>
#include <io.h>
#include <memory>
#include <optional>
#include <stdexcept>
#include <windows.h>

namespace tallyglyph::cli {

using runtime::utf8;

// The narrow argv holds the arguments in the ANSI code page, which has no place for most
// characters; the wide command line holds them all.
std::vector<std::string> command_line_words(int, char*[]) {
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> words(
        CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    if (!words)
        throw std::runtime_error("cannot read the command line");
    std::vector<std::string> result;
    for (int i = 1; i < count; ++i)
        result.push_back(utf8(words.get()[i]));
    return result;
}

// Files and pipes get the bytes themselves, in binary mode, which leaves "\n" alone.
bool write_text(std::FILE* stream, std::string_view text) {
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    if (const std::optional<bool> shown = runtime::write_console(handle, text))
        return *shown;
    _setmode(_fileno(stream), _O_BINARY);
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0;
}

} // namespace tallyglyph::cli
