#pragma once
// A mistake in what the user typed. Its message is shown after the program's name, so it
// says what is wrong in one line and never starts with a capital.

#include <stdexcept>

namespace tallyglyph::cli {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tallyglyph::cli
