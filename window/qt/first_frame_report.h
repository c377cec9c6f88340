#pragma once
// For the start-up benchmark: when it is asked for (window/first_frame.h), reports once the
// window's first frame has been painted and flushed, then ends the program. Otherwise it does
// nothing.

class QWidget;

namespace tallyglyph::window {

void report_first_frame_if_asked(QWidget& window);

} // namespace tallyglyph::window
