#include "line_menu.h"

#include "runtime/wide_text.h"

#include <vector>
#include <windowsx.h>

namespace tallyglyph::window {
namespace {

// Windows' own edit menu names each entry by the message it sends the control; 0 is a
// separator.
struct EditEntry {
    const wchar_t* text;
    UINT message;
};
constexpr EditEntry edit_entries[] = {
    {L"&Undo", WM_UNDO},   {nullptr, 0},           {L"Cu&t", WM_CUT}, {L"&Copy", WM_COPY},
    {L"&Paste", WM_PASTE}, {L"&Delete", WM_CLEAR}, {nullptr, 0},      {L"Select &All", EM_SETSEL},
};

constexpr WORD first_command_id = 0x8000; // beyond every message the edit entries use

bool enabled(HWND edit, UINT message) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const LONG_PTR style = GetWindowLongPtrW(edit, GWL_STYLE);
    const bool writable = (style & ES_READONLY) == 0;
    const bool selected = end > start;
    switch (message) {
    case WM_UNDO:
        return writable && SendMessageW(edit, EM_CANUNDO, 0, 0) != 0;
    case WM_CUT:
        return writable && selected && (style & ES_PASSWORD) == 0;
    case WM_COPY:
        return selected && (style & ES_PASSWORD) == 0;
    case WM_PASTE:
        return writable && IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
    case WM_CLEAR:
        return writable && selected;
    default: // Select All, unless all is selected
        return start != 0 || end != static_cast<DWORD>(GetWindowTextLengthW(edit));
    }
}

} // namespace

WORD command_id(form::LineCommand command) {
    return static_cast<WORD>(first_command_id + static_cast<WORD>(command));
}

std::optional<form::LineCommand> line_command(WORD id) {
    for (const form::MenuEntry& entry : form::form1_line_menu())
        if (command_id(entry.command) == id)
            return entry.command;
    return std::nullopt;
}

HACCEL create_line_accelerators() {
    std::vector<ACCEL> table;
    for (const form::MenuEntry& entry : form::form1_line_menu())
        table.push_back(
            {static_cast<BYTE>(FVIRTKEY | FCONTROL | (entry.shortcut.shift ? FSHIFT : 0)),
             static_cast<WORD>(entry.shortcut.key), command_id(entry.command)});
    return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

HMENU create_line_menu(HWND edit) {
    HMENU menu = CreatePopupMenu();
    for (const EditEntry& entry : edit_entries) {
        if (entry.text == nullptr)
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(menu, enabled(edit, entry.message) ? MF_ENABLED : MF_GRAYED, entry.message,
                        entry.text);
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (const form::MenuEntry& entry : form::form1_line_menu())
        AppendMenuW(
            menu, MF_STRING, command_id(entry.command),
            runtime::utf16(std::string(entry.text) + '\t' + form::shortcut_text(entry.shortcut))
                .c_str());
    return menu;
}

void show_line_menu(HWND edit, LPARAM where) {
    SetFocus(edit);
    POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (at.x == -1 && at.y == -1) {
        GetCaretPos(&at);
        ClientToScreen(edit, &at);
    }
    HMENU menu = create_line_menu(edit);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, edit, nullptr));
    DestroyMenu(menu);
    if (chosen == EM_SETSEL)
        SendMessageW(edit, EM_SETSEL, 0, -1);
    else if (chosen >= first_command_id)
        SendMessageW(GetParent(edit), WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    else if (chosen != 0)
        SendMessageW(edit, chosen, 0, 0);
}

} // namespace tallyglyph::window
