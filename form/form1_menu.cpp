#include "form1_menu.h"

#include <array>

namespace tallyglyph::form {
namespace {

constexpr std::array line_menu{
    MenuEntry{LineCommand::read_from_server, "Read from server\u2026", {false, 'R'}},
    MenuEntry{LineCommand::apply_to_server, "Apply to server\u2026", {true, 'A'}},
    MenuEntry{LineCommand::open_config, "Open configuration file\u2026", {false, 'O'}},
    MenuEntry{LineCommand::save_into_config, "Save into configuration file\u2026", {false, 'S'}},
};

} // namespace

std::span<const MenuEntry> form1_line_menu() {
    return line_menu;
}

std::string shortcut_text(Shortcut shortcut) {
    return std::string("Ctrl+") + (shortcut.shift ? "Shift+" : "") + shortcut.key;
}

} // namespace tallyglyph::form
