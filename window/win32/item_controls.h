#pragma once
// Form1's items as Windows' own controls: check boxes and the label-buttons are BUTTONs, the
// line is an EDIT, the instruction and the banner are STATICs, all of Windows' classic kind:
// the program asks for no visual styles, so a check box draws its caption in the colour the
// window gives it, not the theme's. Stored texts, shapes, the line
// and the timer are no windows. Each control keeps what its kind needs beyond Windows' own
// behaviour:
// - a label-button answers the mouse only, and never takes the focus;
// - one click on the command line that is not a drag selects all of it, and a paste into it
//   (Ctrl+V, Shift+Insert, the context menu's Paste) sets the boxes when it brings a value;
//   its context menu is line_menu.h's;
// - the banner takes the focus on a click, as it does through the tab order;
// - each tells assistive technology what it is (form1_accessibility.h).

#include "dpi_resources.h"
#include "form/form1_layout.h"
#include "win32_items.h"

#include <windows.h>

namespace tallyglyph::window {

struct ItemControl {
    const form::ItemDescription& item;
    Win32Items& items;
    HWND window = nullptr;
    WNDPROC windows_procedure = nullptr; // how Windows' own control class handles messages
    POINT press{};
    bool pressed = false;

    LRESULT windows_own(UINT message, WPARAM wparam, LPARAM lparam) const;
};

// Whether the item is a window of its own.
bool is_control(const form::ItemDescription& item);

// Creates the item's control in FORM, placed and with its font for SCALE; CONTROL keeps its
// window.
void create_control(HWND form, int id, ItemControl& control, const DpiResources& scale);

// Tells the form that the control was clicked, as a BUTTON does.
void notify_click(HWND control);

// Places the control anew and sets its font for SCALE.
void lay_out_control(const ItemControl& control, const DpiResources& scale);

} // namespace tallyglyph::window
