#pragma once
// The desktop's own font and colours, for the windows that take them as dialogs do. The
// program gives Form1's look to the whole application (form1_events.h), so the desktop's
// colours are kept before that.

#include <QFont>
#include <QPalette>

namespace tallyglyph::window {

// Call once the application exists, before its palette is changed.
void keep_desktop_look();

QPalette desktop_palette();
QFont desktop_font();

} // namespace tallyglyph::window
