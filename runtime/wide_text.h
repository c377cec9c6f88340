#pragma once
// Windows only: Windows speaks UTF-16, the logic and the stored texts UTF-8. Both Windows
// programs convert at their edges with these.

#include <optional>
#include <string>
#include <string_view>

namespace tallyglyph::runtime {

std::wstring utf16(std::string_view text);
std::string utf8(std::wstring_view text);

// The system's own words for the calling thread's last error, without the closing full stop.
std::string last_error_text();

// Writes TEXT to HANDLE as UTF-16 when HANDLE is a console, which shows UTF-16 whatever its
// code page: whether all of it was written. Nothing when HANDLE is no console (a file or a
// pipe gets the bytes themselves from its caller).
std::optional<bool> write_console(void* handle, std::string_view text);

} // namespace tallyglyph::runtime
