#pragma once
// A configuration file that cannot be read or changed as asked. The message says why in one
// line that never starts with a capital, so a program can put its own name before it; it may
// quote names and values from the files as they are, so a program shows it through its own
// escaping of control characters.

#include <stdexcept>

namespace tallyglyph::config {

struct ConfigError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace tallyglyph::config
