#include "first_frame.h"

#include <cstdlib>

namespace tallyglyph::window {

bool first_frame_asked() {
    const char* asked = std::getenv("TALLYGLYPH_REPORT_FIRST_FRAME");
    return asked != nullptr && *asked != '\0';
}

std::string first_frame_line(std::uint64_t peak_memory_bytes) {
    return "first-frame peak-memory-bytes " + std::to_string(peak_memory_bytes) + "\n";
}

} // namespace tallyglyph::window
