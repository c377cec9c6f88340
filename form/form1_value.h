#pragma once
// A value read as Form1's own line reads back, with the prefix and quote mark of its stored
// description: for the window's start-up VALUE, before any window exists, the companion's
// decode and set, and a value a server holds.

#include <cstdint>
#include <span>
#include <string>

namespace tallyglyph::form {

// As core::read_console_value; raises core::ValueError.
std::uint32_t read_form1_value(std::span<const std::string> words);

} // namespace tallyglyph::form
