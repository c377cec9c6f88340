#pragma once
// The colours Form1 is painted in. Normally those of its stored description; while the
// system's high contrast is on, the system's own pair for what each item is: window text on
// the window for the form, the boxes, the instruction, the banner's box, the line and the
// rule, and button text on the button face for Reset and ALL with their frames. The banner's
// picture keeps its own colours. The system's colours are read as each item is painted, so a
// new colour scheme needs only a repaint.

#include "form/form1_layout.h"

#include <windows.h>

namespace tallyglyph::window {

// Whether the system's high contrast is on now.
bool high_contrast_on();

class Palette {
public:
    explicit Palette(bool high_contrast) : high_contrast_(high_contrast) {}

    bool high_contrast() const { return high_contrast_; }
    form::Colour form_background() const;
    form::Colour background(const form::ItemDescription& item) const;
    form::Colour foreground(const form::ItemDescription& item) const;
    form::Colour line_border() const; // the thin border around the command line

private:
    bool high_contrast_;
};

COLORREF colour_of(const form::Colour& colour);

// A brush of COLOUR that the caller never frees: the system's own brush for a system colour,
// which follows the colour scheme, or one made once per colour for the rest of the program.
HBRUSH brush_of(const form::Colour& colour);

} // namespace tallyglyph::window
