#pragma once
// The context menu of Form1's line: the edit control's own entries, as Windows offers them and
// doing what they always did (a paste still goes through the line's paste), then the entries
// of form/form1_menu.h with their shortcuts, which an accelerator table gives the whole window.
// Choosing one of those sends the form a WM_COMMAND with the entry's identifier, as its
// shortcut does.

#include "form/form1_menu.h"

#include <optional>
#include <windows.h>

namespace tallyglyph::window {

// The identifier of an entry of form1_line_menu() in menus and accelerators, and back.
WORD command_id(form::LineCommand command);
std::optional<form::LineCommand> line_command(WORD id);

// The entries' shortcuts; the caller destroys the table.
HACCEL create_line_accelerators();

// The menu for the line EDIT, its entries enabled as the line's text, selection and the
// clipboard allow; the caller destroys it.
HMENU create_line_menu(HWND edit);

// Shows the menu at WHERE, a WM_CONTEXTMENU's point (-1, -1 from the keyboard: at the caret),
// and does what is chosen.
void show_line_menu(HWND edit, LPARAM where);

} // namespace tallyglyph::window
