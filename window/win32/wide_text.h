#pragma once
// The text of a window, and the conversions between UTF-16 and UTF-8 at hand.

#include "runtime/wide_text.h"

#include <string>
#include <windows.h>

namespace tallyglyph::window {

using runtime::utf16;
using runtime::utf8;

// The text a window or control shows.
std::wstring window_text(HWND window);

} // namespace tallyglyph::window
