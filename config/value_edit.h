#pragma once
// Changes the value a chain of configuration files gives a variable, byte for byte: only the
// value of the assignment that wins changes, wherever it is in the chain, and its form (set,
// seta or bare), its quoting, the comments, the line endings, the encoding and every other
// byte stay as they were. With no assignment, "set NAME "VALUE"" is appended to the given
// file, with the file's own line ending.

#include "chain_reading.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tallyglyph::config {

struct ValueEdit {
    std::size_t file;  // in Reading::files
    std::string bytes; // the file's new content
    std::size_t line;  // the line changed or added
    bool appended;
};

// The chain is read again with the change before it is given, so that the server is sure to
// take the value from the line changed. Raises ConfigError when the value is not one stretch
// of one file, or when the changed chain would not give the value there (as when the given
// file ends inside a /* comment).
ValueEdit edit_value(const Reading& reading, const FileLoader& load_beside,
                     std::string_view variable, std::string_view value);

} // namespace tallyglyph::config
