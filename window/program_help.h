#pragma once
// What the window's --help and --version print. The help is the same for every front end but
// for the few lines that depend on the toolkit beneath the window.

#include "version.h"

#include <string>
#include <string_view>

namespace tallyglyph::window {

inline constexpr const char* application_version = TALLYGLYPH_VERSION_TEXT;

// The front end's own lines of the help, each ending in a newline.
struct FrontEndHelp {
    std::string_view paste;    // how a value is pasted or dropped into the line
    std::string_view options;  // the toolkit's own options; may be empty
    std::string_view mistakes; // where a mistake is reported
};

std::string help_text(const FrontEndHelp& front_end);
std::string version_text();

} // namespace tallyglyph::window
