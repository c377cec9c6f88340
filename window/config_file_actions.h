#pragma once
// A server's configuration file from the window: the boxes set to the value it gives, as a
// pasted value sets them, and the window's value saved into it with the companion's own
// editor (config/emote_control_file.h). Each gives what to tell the user in one line.

#include "runtime/items.h"

#include <cstdint>
#include <string>

namespace tallyglyph::window {

struct FileOutcome {
    bool done = false;
    std::string message; // what was read or changed, or why nothing was
};

// Sets Form1's boxes to the value the file and the files it runs give the server at start.
FileOutcome open_config_file(runtime::Items& form1, const std::string& path);

// Writes the value into the file, naming the line changed and the backup.
FileOutcome save_into_config_file(std::uint32_t value, const std::string& path);

// Form1's value: what its boxes add up to.
std::uint32_t form1_value(runtime::Items& form1);

} // namespace tallyglyph::window
