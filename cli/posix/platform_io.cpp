#include "cli/platform_io.h"

namespace tallyglyph::cli {

std::vector<std::string> command_line_words(int argc, char* argv[]) {
    return {argv + 1, argv + argc};
}

bool write_text(std::FILE* stream, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0;
}

} // namespace tallyglyph::cli
