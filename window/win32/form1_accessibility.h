#pragma once
// What assistive technology is told about Form1's controls. Windows' standard objects already
// present each control (MSAA, and UI Automation through them); each control answers
// WM_GETOBJECT with its standard object wrapped, so that what the stored description says
// holds everywhere: the emote boxes are check boxes named by their captions, with their state
// and a default action that clicks them; Reset and ALL are push buttons whose default action
// clicks them, without keyboard focus; the banner is an image named "Korvath"; the
// instruction is static text; the line is named "Console command". The stored texts, frames
// and rule are no windows, so nothing presents them.

#include <windows.h>

namespace tallyglyph::window {

struct ItemControl;

// The answer to WM_GETOBJECT for the control's client area.
LRESULT present_control(ItemControl& control, WPARAM wparam);

} // namespace tallyglyph::window
