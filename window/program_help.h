#pragma once
// What the window's --help and --version print.

#include <string>

namespace tallyglyph::window {

std::string help_text();
std::string version_text();

} // namespace tallyglyph::window
