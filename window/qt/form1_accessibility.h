#pragma once
// What assistive technology, such as a screen reader, is told about Form1: the window as a
// frame with its title, described by the instruction line; the label-buttons as push buttons
// whose press action clicks them; the banner as a named image; the instruction as static
// text; each emote box as large as the rectangle that answers a click; and the stored texts,
// frames and rule not at all. Which item presents how is read from the window's stored
// description. It changes nothing that is drawn, nor how mouse and keyboard act.

namespace tallyglyph::window {

// Registers the presentation with Qt; call once the application exists, before any window.
void install_form1_accessibility();

} // namespace tallyglyph::window
