#pragma once
// Windows speaks UTF-16; the logic and the stored description speak UTF-8.

#include <string>
#include <string_view>
#include <windows.h>

namespace tallyglyph::window {

std::wstring utf16(std::string_view text);
std::string utf8(std::wstring_view text);

// The text a window or control shows.
std::wstring window_text(HWND window);

} // namespace tallyglyph::window
