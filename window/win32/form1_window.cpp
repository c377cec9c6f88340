#include "form1_window.h"

#include "form/form1_handlers.h"
#include "item_painting.h"
#include "resources.h"
#include "runtime/wide_text.h"
#include "window/run_time_error_report.h"

#include <algorithm>
#include <utility>

namespace tallyglyph::window {

using namespace form;
namespace {

constexpr wchar_t window_class[] = L"Tallyglyph.Form1";
// A fixed single border with the close box and the system menu; it can be minimised, but not
// resized or maximised.
constexpr DWORD window_style =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int first_control_id = 100;
constexpr UINT_PTR first_timer_id = 1;

// The icon of the size drawn for that place, or the nearest one scaled.
HICON load_icon(int metric, int dpi) {
    const int size = GetSystemMetricsForDpi(metric, static_cast<UINT>(dpi));
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                         MAKEINTRESOURCEW(TALLYGLYPH_ICON), IMAGE_ICON, size, size,
                                         LR_DEFAULTCOLOR));
}

void register_window_class() {
    static const ATOM registered = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.lpfnWndProc = DefWindowProcW;
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.lpszClassName = window_class;
        return RegisterClassExW(&type);
    }();
    (void)registered;
}

// The order the controls are made in is the order Tab takes: first those in the stored tab
// order, then the rest as the table lists them.
std::vector<const ItemDescription*> creation_order() {
    std::vector<const ItemDescription*> order;
    for (std::string_view name : form1_tab_order())
        order.push_back(&form1_item(name));
    for (const ItemDescription& item : form1_items())
        if (std::ranges::find(order, &item) == order.end())
            order.push_back(&item);
    return order;
}

} // namespace

Form1::Form1() {
    register_window_class();
    // Made at its size for the main screen's scale, and sized anew if it opens on another.
    const SIZE size = outer_size(static_cast<int>(GetDpiForSystem()));
    window_ = CreateWindowExW(0, window_class, runtime::utf16(form1.caption).c_str(), window_style,
                              CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(window_proc));
    use_scale(static_cast<int>(GetDpiForWindow(window_)));
    if (const SIZE scaled = outer_size(scale_->dpi()); scaled.cx != size.cx || scaled.cy != size.cy)
        SetWindowPos(window_, nullptr, 0, 0, scaled.cx, scaled.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    int id = first_control_id;
    UINT_PTR timer_id = first_timer_id;
    for (const ItemDescription* item : creation_order()) {
        const std::string name(item->name);
        if (item->kind == ItemKind::timer) {
            items_.add_timer(name, window_, timer_id++, item->interval_ms);
            continue;
        }
        if (!is_control(*item)) {
            if (item->kind == ItemKind::label)
                items_.add_stored_text(name, std::string(item->text));
            continue;
        }
        auto& control = *controls_.emplace_back(new ItemControl{*item, items_});
        create_control(window_, id++, control, *scale_);
        if (item->kind == ItemKind::check_box)
            items_.add(name, control.window);
        else if (item->kind == ItemKind::label)
            items_.add_label(name, control.window);
        else if (item->command_box)
            items_.add_text_box(name, control.window);
    }
}

Form1::~Form1() {
    DestroyWindow(window_);
    for (HICON icon : icons_)
        DestroyIcon(icon);
}

HWND Form1::control(std::string_view name) const {
    for (const auto& control : controls_)
        if (control->item.name == name)
            return control->window;
    return nullptr;
}

const ItemControl* Form1::control_of(HWND window) const {
    for (const auto& control : controls_)
        if (control->window == window)
            return control.get();
    return nullptr;
}

void Form1::show_form() {
    ShowWindow(window_, SW_SHOWNORMAL);
    // Every control painted before any input is read, so the first frame is whole.
    RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool Form1::navigate(MSG& message) {
    // Only keys navigate; the timer's ticks and the mouse go straight to their windows.
    return message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST &&
           IsDialogMessageW(window_, &message) != FALSE;
}

SIZE Form1::outer_size(int dpi) const {
    RECT rect{0, 0, to_pixels(form1.client_width, dpi), to_pixels(form1.client_height, dpi)};
    AdjustWindowRectExForDpi(&rect, window_style, FALSE, 0, static_cast<UINT>(dpi));
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The fonts, banner and icons drawn for DPI.
void Form1::use_scale(int dpi) {
    scale_ = std::make_unique<DpiResources>(dpi);
    const int metrics[] = {SM_CXSMICON, SM_CXICON};
    for (int which : {ICON_SMALL, ICON_BIG}) {
        HICON icon = load_icon(metrics[which], dpi);
        SendMessageW(window_, WM_SETICON, static_cast<WPARAM>(which),
                     reinterpret_cast<LPARAM>(icon));
        DestroyIcon(std::exchange(icons_[which], icon));
    }
}

// The palette for the system's high contrast and colours now, with everything painted in it.
void Form1::use_colours() {
    palette_ = Palette(high_contrast_on());
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form1::report_use(bool shown) {
    run_handler(
        [this, shown] { form::set_form1_in_use(items_, shown && !IsIconic(window_) && active_); });
}

LRESULT CALLBACK Form1::window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form != nullptr ? form->handle(message, wparam, lparam)
                           : DefWindowProcW(window, message, wparam, lparam);
}

LRESULT Form1::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    if (on_message_ && on_message_(message, wparam, lparam))
        return 0;
    switch (message) {
    case WM_COMMAND:
        items_.notify(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
        return 0;
    case WM_TIMER:
        items_.tick(wparam);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (const ItemControl* control = control_of(reinterpret_cast<HWND>(lparam)))
            return reinterpret_cast<LRESULT>(
                colour_control(reinterpret_cast<HDC>(wparam), control->item, palette_));
        break;
    case WM_DRAWITEM: {
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        if (const ItemControl* control = control_of(draw.hwndItem)) {
            paint_item(draw, control->item, *scale_, palette_);
            return TRUE;
        }
        break;
    }
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers everything
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window_, &paint);
        paint_form(dc, paint.rcPaint, *scale_, palette_);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_GETDPISCALEDSIZE: {
        const SIZE size = outer_size(static_cast<int>(wparam));
        *reinterpret_cast<SIZE*>(lparam) = size;
        return TRUE;
    }
    case WM_DPICHANGED: {
        // Laid out anew for the new scale, at the place Windows suggests, so nothing is
        // stretched.
        use_scale(HIWORD(wparam));
        for (const auto& control : controls_)
            lay_out_control(*control, *scale_);
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        const auto& suggested = *reinterpret_cast<const RECT*>(lparam);
        const SIZE size = outer_size(scale_->dpi());
        SetWindowPos(window_, nullptr, suggested.left, suggested.top, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        run_handler([this] { form::keep_form1_line(items_); });
        return 0;
    }
    case WM_SETTINGCHANGE:
        if (wparam == SPI_SETHIGHCONTRAST)
            use_colours();
        break;
    case WM_SYSCOLORCHANGE:
        use_colours();
        break;
    // Whether anybody uses the window, for its timer to tick only then. WM_SHOWWINDOW comes
    // before the window shows or hides, so it tells what it will be; WM_SIZE tells of
    // minimising and restoring, and of nothing to report while the window is being made.
    case WM_SHOWWINDOW:
        report_use(wparam != FALSE);
        break;
    case WM_SIZE:
        if (IsWindowVisible(window_))
            report_use(true);
        break;
    case WM_ACTIVATE:
        active_ = LOWORD(wparam) != WA_INACTIVE;
        report_use(IsWindowVisible(window_) != FALSE);
        if (LOWORD(wparam) == WA_INACTIVE) {
            HWND focused = GetFocus();
            focus_ = focused != nullptr && IsChild(window_, focused) ? focused : nullptr;
        } else if (focus_ != nullptr) {
            SetFocus(focus_);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

} // namespace tallyglyph::window
