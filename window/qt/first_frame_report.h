#pragma once
// For the start-up benchmark: when TALLYGLYPH_REPORT_FIRST_FRAME is set, prints the
// monotonic clock once the window's first frame has been painted and flushed, then ends
// the program. Without the variable it does nothing.

class QWidget;

namespace tallyglyph::window {

void report_first_frame_if_asked(QWidget& window);

} // namespace tallyglyph::window
