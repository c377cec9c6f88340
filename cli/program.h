#pragma once
// How the companion names itself in its messages and its version line.

#include "version.h"

#include <string_view>

namespace tallyglyph::cli {

inline constexpr std::string_view program_name = "tallyglyph-cli";
inline constexpr std::string_view program_version = TALLYGLYPH_VERSION_TEXT;

} // namespace tallyglyph::cli
