#pragma once
// The words of one command as the engine splits them: blanks are every byte up to the space,
// a word in double quotes runs to the next quote mark or the end of the command, // ends the
// command and /* */ is skipped. A byte above 127 belongs to a word, as OpenJK reads it (an
// ioquake3 built where char is signed reads it as a blank).

#include "command_buffer.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace tallyglyph::config {

struct CommandWord {
    std::string text;  // as the engine takes it, without quote marks
    std::size_t begin; // its bytes in the command, quote marks included
    std::size_t end;
    bool quoted;
    bool closed; // quoted, and its closing quote mark is there
};

std::vector<CommandWord> command_words(std::span<const SourceByte> command);

} // namespace tallyglyph::config
