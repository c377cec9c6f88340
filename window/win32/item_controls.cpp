#include "item_controls.h"

#include "form1_accessibility.h"
#include "line_menu.h"
#include "runtime/wide_text.h"
#include "window_text.h"

#include <cstdlib>
#include <windowsx.h>

namespace tallyglyph::window {

using namespace form;
namespace {

struct ControlKind {
    const wchar_t* window_class;
    DWORD style;
};

ControlKind kind_of(const ItemDescription& item) {
    switch (item.kind) {
    case ItemKind::picture_box:
        return {L"STATIC", SS_OWNERDRAW | SS_NOTIFY | WS_TABSTOP};
    case ItemKind::text_box:
        if (item.command_box)
            return {L"EDIT", ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP};
        return {L"STATIC", SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX};
    case ItemKind::check_box:
        // Three states, left to the program: a click changes the box only through the change
        // rule, and a greyed box can be shown.
        return {L"BUTTON", BS_3STATE | WS_TABSTOP};
    case ItemKind::label:
        return {L"BUTTON", BS_OWNERDRAW};
    case ItemKind::combo_box:
        return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP};
    case ItemKind::button:
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
    case ItemKind::shape:
    case ItemKind::line:
    case ItemKind::timer:
        break;
    }
    return {nullptr, 0};
}

// Pressed and released on the label, like a button, but with no focus and no pressed look.
bool label_button_message(ItemControl& control, UINT message, LPARAM lparam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        control.pressed = true;
        SetCapture(control.window);
        return true;
    case WM_LBUTTONUP: {
        const bool was_pressed = control.pressed;
        control.pressed = false;
        ReleaseCapture();
        RECT client{};
        GetClientRect(control.window, &client);
        const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        if (was_pressed && PtInRect(&client, at))
            notify_click(control.window);
        return true;
    }
    case WM_CAPTURECHANGED:
        control.pressed = false;
        return true;
    default:
        return false;
    }
}

// What one paste put into the line: from where it landed up to where it left the caret.
void paste_into_line(ItemControl& control, WPARAM wparam, LPARAM lparam) {
    DWORD from = 0;
    SendMessageW(control.window, EM_GETSEL, reinterpret_cast<WPARAM>(&from), 0);
    control.windows_own(WM_PASTE, wparam, lparam);
    DWORD to = 0;
    SendMessageW(control.window, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&to));
    if (to <= from)
        return;
    control.items.paste(control.window,
                        runtime::utf8(window_text(control.window).substr(from, to - from)));
}

LRESULT control_message(ItemControl& control, UINT message, WPARAM wparam, LPARAM lparam) {
    const HWND window = control.window;
    const ItemDescription& item = control.item;
    if (message == WM_GETOBJECT && static_cast<LONG>(lparam) == OBJID_CLIENT)
        return present_control(window, item, wparam);
    if (item.kind == ItemKind::label && label_button_message(control, message, lparam))
        return 0;
    if (item.kind == ItemKind::picture_box && message == WM_LBUTTONDOWN)
        SetFocus(window);
    if (item.command_box) {
        switch (message) {
        case WM_PASTE:
            paste_into_line(control, wparam, lparam);
            return 0;
        case WM_CONTEXTMENU:
            show_line_menu(window, lparam);
            return 0;
        case WM_KEYDOWN:
            // Shift+Insert pastes by WM_PASTE too, as Ctrl+V and the menu's Paste do; some
            // edit controls would paste without it.
            if (wparam == VK_INSERT && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0) {
                SendMessageW(window, WM_PASTE, 0, 0);
                return 0;
            }
            // Ctrl+A selects the whole line, which the classic edit control leaves out.
            if (wparam == 'A' && GetKeyState(VK_CONTROL) < 0) {
                SendMessageW(window, EM_SETSEL, 0, -1);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wparam == 1) // the character Ctrl+A would type
                return 0;
            break;
        case WM_LBUTTONDOWN:
            control.pressed = true;
            control.press = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            break;
        case WM_LBUTTONUP: {
            const LRESULT result = control.windows_own(message, wparam, lparam);
            const bool plain_click =
                control.pressed &&
                std::abs(GET_X_LPARAM(lparam) - control.press.x) < GetSystemMetrics(SM_CXDRAG) &&
                std::abs(GET_Y_LPARAM(lparam) - control.press.y) < GetSystemMetrics(SM_CYDRAG);
            control.pressed = false;
            if (plain_click)
                SendMessageW(window, EM_SETSEL, 0, -1);
            return result;
        }
        default:
            break;
        }
    }
    return control.windows_own(message, wparam, lparam);
}

LRESULT CALLBACK control_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* control = reinterpret_cast<ItemControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return control_message(*control, message, wparam, lparam);
}

} // namespace

LRESULT ItemControl::windows_own(UINT message, WPARAM wparam, LPARAM lparam) const {
    return CallWindowProcW(windows_procedure, window, message, wparam, lparam);
}

void notify_click(HWND control) {
    SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
}

bool is_control(const ItemDescription& item) {
    // A label that presents nothing is a stored text: the logic's cell, never seen.
    return kind_of(item).window_class != nullptr &&
           !(item.kind == ItemKind::label && item.presents == Presents::nothing);
}

namespace {

RECT control_rect(const ItemDescription& item, const DpiResources& scale) {
    RECT rect = scale.rect(item.place);
    if (item.command_box) {
        // Inside the border the window draws, as tall as one line of text and centred on it.
        const int height = scale.line_height(item.font);
        InflateRect(&rect, -1, 0);
        rect.top += (rect.bottom - rect.top - height) / 2;
        rect.bottom = rect.top + height;
    }
    return rect;
}

} // namespace

void create_control(HWND form, int id, ItemControl& control, const DpiResources& scale) {
    const ItemDescription& item = control.item;
    const ControlKind kind = kind_of(item);
    const std::wstring text = runtime::utf16(
        item.accessible_name.empty() || item.command_box ? item.text : item.accessible_name);
    const RECT rect = control_rect(item, scale);
    control.window = CreateWindowExW(
        0, kind.window_class, text.c_str(), WS_CHILD | WS_VISIBLE | kind.style, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, form,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(scale.font(item.font)),
                 FALSE);
    // The control's own behaviour first goes through control_proc, which keeps Windows' for
    // everything else; the control lives as long as the window that owns it.
    SetWindowLongPtrW(control.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&control));
    control.windows_procedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control_proc)));
}

void lay_out_control(const ItemControl& control, const DpiResources& scale) {
    const RECT rect = control_rect(control.item, scale);
    SetWindowPos(control.window, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control.window, WM_SETFONT,
                 reinterpret_cast<WPARAM>(scale.font(control.item.font)), TRUE);
}

} // namespace tallyglyph::window
