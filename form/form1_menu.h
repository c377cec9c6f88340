#pragma once
// What Form1's line offers in its context menu after the text box's own entries: the way from
// the window to a server and to its configuration file. Each entry has its shortcut in the
// whole window, shown in the menu, the same on both front ends.

#include <span>
#include <string>
#include <string_view>

namespace tallyglyph::form {

enum class LineCommand { read_from_server, apply_to_server, open_config, save_into_config };

// Ctrl, with Shift when shift is set, and a letter key.
struct Shortcut {
    bool shift = false;
    char key = 0; // 'A' to 'Z'
};

struct MenuEntry {
    LineCommand command;
    std::string_view text;
    Shortcut shortcut;
};

std::span<const MenuEntry> form1_line_menu();

// As menus show it: "Ctrl+Shift+A".
std::string shortcut_text(Shortcut shortcut);

} // namespace tallyglyph::form
