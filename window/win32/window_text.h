#pragma once
// The text a window or control shows, in UTF-16 as Windows keeps it.

#include <string>
#include <windows.h>

namespace tallyglyph::window {

std::wstring window_text(HWND window);

} // namespace tallyglyph::window
