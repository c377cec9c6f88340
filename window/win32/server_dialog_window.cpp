#include "server_dialog_window.h"

#include "core/item_names.h"
#include "form/server_dialog_layout.h"
#include "form1_accessibility.h"
#include "runtime/wide_text.h"
#include "window/run_time_error_report.h"
#include "window_text.h"

#include <algorithm>
#include <commctrl.h>
#include <utility>

namespace tallyglyph::window {

using namespace form;
namespace {

namespace item = core::item::server_dialog;

constexpr DWORD dialog_style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr UINT run_posted_message = WM_APP + 1;
constexpr int first_control_id = 100;
constexpr int listed_servers = 8; // the Server field's list shows as many before it scrolls

// A dialog with no items of its own, to be sized and filled from the description.
struct alignas(DWORD) EmptyDialog {
    DLGTEMPLATE header{dialog_style, 0, 0, 0, 0, 0, 0};
    WORD menu = 0, window_class = 0, title = 0;
};

struct ControlKind {
    const wchar_t* window_class;
    DWORD style;
    DWORD extended_style = 0;
};

ControlKind kind_of(const ItemDescription& described) {
    switch (described.kind) {
    case ItemKind::label:
        return {L"STATIC", SS_LEFT};
    case ItemKind::combo_box:
        return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP};
    case ItemKind::text_box:
        return {L"EDIT",
                static_cast<DWORD>(ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP |
                                   (described.masked ? ES_PASSWORD : 0) |
                                   (described.read_only ? ES_READONLY : 0)),
                WS_EX_CLIENTEDGE};
    case ItemKind::check_box:
        // Left to the program, which keeps the change rule (win32_items.h).
        return {L"BUTTON", BS_CHECKBOX | WS_TABSTOP | WS_GROUP};
    default:
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
    }
}

// The desktop's message font, as dialogs show their text, at DPI.
HFONT message_font(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                               static_cast<UINT>(dpi));
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

RECT rect_of(const ItemDescription& described, int dpi) {
    const TwipsRect& place = described.place;
    RECT rect{to_pixels(place.left, dpi), to_pixels(place.top, dpi),
              to_pixels(place.left + place.width, dpi), to_pixels(place.top + place.height, dpi)};
    if (described.kind == ItemKind::combo_box) // the field and its open list
        rect.bottom += listed_servers * (rect.bottom - rect.top);
    return rect;
}

// A combo box is as tall as its font makes it; it is made as tall as the fields beside it.
void fit_field_height(HWND combo, int height) {
    RECT shown{};
    GetWindowRect(combo, &shown);
    const LRESULT field = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                 field + height - (shown.bottom - shown.top));
}

HWND create_tips(HWND dialog) {
    static const bool initialised = [] {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)initialised;
    return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

} // namespace

ServerDialogWindow::ServerDialogWindow(HWND owner, runtime::Items& form1, Keychain& keychain,
                                       std::string servers_file) {
    const EmptyDialog empty;
    CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &empty.header, owner, dialog_proc,
                               reinterpret_cast<LPARAM>(this));
    SetWindowTextW(window_, runtime::utf16(server_dialog.caption).c_str());
    tips_ = create_tips(window_);

    int id = first_control_id;
    for (const ItemDescription& described : server_dialog_items()) {
        const ControlKind kind = kind_of(described);
        const bool close_button = described.name == item::close;
        const HWND control = CreateWindowExW(
            kind.extended_style, kind.window_class, runtime::utf16(described.text).c_str(),
            WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(close_button ? IDCANCEL : id++)),
            GetModuleHandleW(nullptr), nullptr);
        controls_.push_back({&described, control});
        const std::string name(described.name);
        switch (described.kind) {
        case ItemKind::combo_box: {
            // Wine names a combo box by its text, not by its label as Windows does: the field
            // and its edit present the name themselves.
            COMBOBOXINFO parts{};
            parts.cbSize = sizeof parts;
            GetComboBoxInfo(control, &parts);
            for (HWND part : {control, parts.hwndItem})
                SetWindowLongPtrW(part, GWLP_USERDATA,
                                  SetWindowLongPtrW(part, GWLP_WNDPROC,
                                                    reinterpret_cast<LONG_PTR>(server_field_proc)));
            items_.add_text_box(name, control);
            break;
        }
        case ItemKind::text_box:
            items_.add_text_box(name, control);
            break;
        case ItemKind::check_box:
            items_.add(name, control);
            break;
        case ItemKind::button:
            items_.add_label(name, control);
            break;
        default:
            break;
        }
    }
    lay_out(static_cast<int>(GetDpiForWindow(window_)));
    // Over the middle of its owner, within the owner's screen.
    RECT over{};
    GetWindowRect(owner, &over);
    RECT own{};
    GetWindowRect(window_, &own);
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &screen);
    const LONG width = own.right - own.left;
    const LONG height = own.bottom - own.top;
    const LONG left = std::max(screen.rcWork.left, std::min((over.left + over.right - width) / 2,
                                                            screen.rcWork.right - width));
    const LONG top = std::max(screen.rcWork.top, std::min((over.top + over.bottom - height) / 2,
                                                          screen.rcWork.bottom - height));
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    items_.label(item::close).on_click([this] { close(); });
    dialog_.emplace(*this, keychain, form1, std::move(servers_file));
}

ServerDialogWindow::~ServerDialogWindow() {
    dialog_.reset();
    if (!closed_)
        DestroyWindow(window_);
    DeleteObject(font_);
}

HWND ServerDialogWindow::control(std::string_view name) const {
    for (const Control& control : controls_)
        if (control.item->name == name)
            return control.window;
    return nullptr;
}

void ServerDialogWindow::show(ServerRequest::Kind default_button) {
    const HWND button =
        control(default_button == ServerRequest::Kind::read ? item::read : item::apply);
    SendMessageW(window_, DM_SETDEFID, static_cast<WPARAM>(GetDlgCtrlID(button)), 0);
    if (opened_) {
        ShowWindow(window_, SW_SHOWNORMAL);
        SetActiveWindow(window_);
        return;
    }
    opened_ = true;
    run_handler([this] { dialog_->opened(); });
    ShowWindow(window_, SW_SHOWNORMAL);
    SendMessageW(window_, WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(control(server_dialog_tab_order().front())), TRUE);
}

bool ServerDialogWindow::navigate(MSG& message) {
    return !closed_ && IsDialogMessageW(window_, &message) != FALSE;
}

void ServerDialogWindow::offer_servers(const std::vector<std::string>& names) {
    // Emptying the list empties the field too; what it held stays.
    const HWND field = control(item::server);
    const std::wstring text = window_text(field);
    SendMessageW(field, CB_RESETCONTENT, 0, 0);
    for (const std::string& name : names)
        SendMessageW(field, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(runtime::utf16(name).c_str()));
    SetWindowTextW(field, text.c_str());
}

void ServerDialogWindow::set_enabled(std::string_view name, bool enabled,
                                     std::string_view why_not) {
    const HWND item = control(name);
    // The focus leaves a control as it is disabled for the result it waits for.
    if (!enabled && GetFocus() == item)
        SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control(item::result)), TRUE);
    EnableWindow(item, enabled ? TRUE : FALSE);
    set_tip(item, enabled ? std::wstring() : runtime::utf16(why_not));
}

bool ServerDialogWindow::confirm(std::string_view question) {
    return MessageBoxW(window_, runtime::utf16(question).c_str(), L"Tallyglyph",
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void ServerDialogWindow::post(std::function<void()> call) {
    const std::lock_guard lock(posted_mutex_);
    posted_.push_back(std::move(call));
    PostMessageW(window_, run_posted_message, 0, 0);
}

void ServerDialogWindow::run_posted() {
    std::vector<std::function<void()>> calls;
    {
        const std::lock_guard lock(posted_mutex_);
        calls.swap(posted_);
    }
    for (const auto& call : calls)
        run_handler(call);
}

void ServerDialogWindow::close() {
    dialog_->closing();
    DestroyWindow(window_);
}

SIZE ServerDialogWindow::outer_size(int dpi) const {
    RECT rect{0, 0, to_pixels(server_dialog.client_width, dpi),
              to_pixels(server_dialog.client_height, dpi)};
    AdjustWindowRectExForDpi(&rect, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)),
                             static_cast<UINT>(dpi));
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void ServerDialogWindow::lay_out(int dpi) {
    const HFONT previous = std::exchange(font_, message_font(dpi));
    for (const Control& control : controls_) {
        const RECT rect = rect_of(*control.item, dpi);
        SetWindowPos(control.window, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        if (control.item->kind == ItemKind::combo_box)
            fit_field_height(control.window, to_pixels(control.item->place.height, dpi));
    }
    DeleteObject(previous);
    const SIZE size = outer_size(dpi);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, MulDiv(320, dpi, 96));
    for (const auto& [control, text] : std::vector(tips_shown_))
        set_tip(control, text);
}

// A tip shown over the control while it is disabled. Windows sends a disabled control no
// mouse input, so the tip belongs to the dialog, over the control's place.
void ServerDialogWindow::set_tip(HWND control, const std::wstring& text) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    std::erase_if(tips_shown_, [control](const auto& shown) { return shown.first == control; });
    if (text.empty())
        return;
    GetWindowRect(control, &tool.rect);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&tool.rect), 2);
    tips_shown_.emplace_back(control, text);
    tool.lpszText = tips_shown_.back().second.data();
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

INT_PTR CALLBACK ServerDialogWindow::dialog_proc(HWND window, UINT message, WPARAM wparam,
                                                 LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, GWLP_USERDATA, lparam);
        reinterpret_cast<ServerDialogWindow*>(lparam)->window_ = window;
        return FALSE; // the focus is set as it shows
    }
    auto* dialog = reinterpret_cast<ServerDialogWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return dialog != nullptr && dialog->handle(message, wparam, lparam) ? TRUE : FALSE;
}

LRESULT CALLBACK ServerDialogWindow::server_field_proc(HWND window, UINT message, WPARAM wparam,
                                                       LPARAM lparam) {
    if (message == WM_GETOBJECT && static_cast<LONG>(lparam) == OBJID_CLIENT)
        if (const LRESULT presented =
                present_control(window, *find_item(server_dialog_items(), item::server), wparam))
            return presented;
    // Windows' own procedure for that part, kept in its user data.
    return CallWindowProcW(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_USERDATA)),
                           window, message, wparam, lparam);
}

bool ServerDialogWindow::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        if (lparam == 0)
            return false;
        command(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
        return true;
    case run_posted_message:
        run_posted();
        return true;
    case WM_GETDPISCALEDSIZE:
        *reinterpret_cast<SIZE*>(lparam) = outer_size(static_cast<int>(wparam));
        SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
        return true;
    case WM_DPICHANGED: {
        // Laid out anew for the new scale, at the place Windows suggests, rather than by the
        // dialog manager's own scaling.
        lay_out(HIWORD(wparam));
        const auto& suggested = *reinterpret_cast<const RECT*>(lparam);
        SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowLongPtrW(window_, DWLP_MSGRESULT, 0);
        return true;
    }
    case WM_NCDESTROY:
        closed_ = true;
        return false;
    default:
        return false;
    }
}

void ServerDialogWindow::command(HWND control, WORD code) {
    if (control != this->control(item::server)) {
        items_.notify(control, code);
        return;
    }
    if (code == CBN_SELCHANGE) {
        // The field shows the name chosen only after this notification.
        const LRESULT index = SendMessageW(control, CB_GETCURSEL, 0, 0);
        std::wstring name(static_cast<std::size_t>(std::max<LRESULT>(
                              0, SendMessageW(control, CB_GETLBTEXTLEN, index, 0))),
                          L'\0');
        if (index == CB_ERR || SendMessageW(control, CB_GETLBTEXT, index,
                                            reinterpret_cast<LPARAM>(name.data())) == CB_ERR)
            return;
        items_.text_box(item::server).set_text(runtime::utf8(name));
    } else if (code == CBN_EDITCHANGE) {
        items_.notify(control, EN_CHANGE);
    } else {
        return;
    }
    run_handler([this] { dialog_->server_chosen(); });
}

} // namespace tallyglyph::window
