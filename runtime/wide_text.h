#pragma once
// Windows only: Windows speaks UTF-16, the logic and the stored texts UTF-8. Both Windows
// programs convert at their edges with these.

#include <string>
#include <string_view>

namespace tallyglyph::runtime {

std::wstring utf16(std::string_view text);
std::string utf8(std::wstring_view text);

} // namespace tallyglyph::runtime
