#pragma once
// What assistive technology is told about Form1's controls. Windows' standard objects already
// present each control (MSAA, and UI Automation through them); each control answers
// WM_GETOBJECT with its standard object wrapped, so that what the stored description says
// holds everywhere: the emote boxes are check boxes named by their captions, with their state
// and a default action that clicks them; Reset and ALL are push buttons whose default action
// clicks them, without keyboard focus; the banner is an image named "Korvath"; the
// instruction is static text; the line is named "Console command". The stored texts, frames
// and rule are no windows, so nothing presents them. The Server dialog's field presents its
// name the same way.

#include "form/form_description.h"

#include <windows.h>

namespace tallyglyph::window {

// The answer to WM_GETOBJECT for the client area of CONTROL, which shows ITEM.
LRESULT present_control(HWND control, const form::ItemDescription& item, WPARAM wparam);

} // namespace tallyglyph::window
