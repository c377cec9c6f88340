#pragma once
// What --help and --version print.

#include <string>

namespace tallyglyph::cli {

std::string help_text();
std::string version_text();

} // namespace tallyglyph::cli
