#pragma once
// How Form1's items look where Windows' controls leave the drawing to the window, in the
// palette's colours: the colours of every control, the label-buttons with the frames that lie over
// them, the banner, the rule and the command line's thin border. The outline shapes and the line
// are no windows; they are drawn above whatever they cover, by the window and by the label-buttons
// alike.

#include "dpi_resources.h"
#include "form/form1_layout.h"
#include "palette.h"

#include <windows.h>

namespace tallyglyph::window {

// Sets a control's colours for WM_CTLCOLOR* and gives the brush for its background.
HBRUSH colour_control(HDC dc, const form::ItemDescription& item, const Palette& palette);

// The window's own drawing: its background, the line's frame, the shapes and the rule.
void paint_form(HDC dc, const RECT& dirty, const DpiResources& scale, const Palette& palette);

// An owner-drawn control: a label acting as a button, or the picture box.
void paint_item(const DRAWITEMSTRUCT& draw, const form::ItemDescription& item,
                const DpiResources& scale, const Palette& palette);

} // namespace tallyglyph::window
