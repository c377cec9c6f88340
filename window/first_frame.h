#pragma once
// For the start-up benchmarks (bench/): with TALLYGLYPH_REPORT_FIRST_FRAME set, each front end
// ends the program as soon as its first frame is painted and handed to the screen, and says
// so on stdout in this one line, the same for both: "first-frame peak-memory-bytes N".

#include <cstdint>
#include <string>

namespace tallyglyph::window {

bool first_frame_asked();

// The line, with the process's peak memory so far (resident set, or working set on Windows).
std::string first_frame_line(std::uint64_t peak_memory_bytes);

} // namespace tallyglyph::window
