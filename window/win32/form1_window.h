#pragma once
// The main window, built item by item from its stored description and laid out for the DPI
// of the screen it is on, again whenever it moves to a screen of another scale. It is painted
// in the system's colours while high contrast is on, and repainted whenever that setting or
// the colour scheme changes. It owns the controls and the adapters through which the logic
// reaches them by name, and routes Windows' notifications to those adapters; it binds no
// handler itself. What it offers beyond its items (its line's menu, its shortcuts, files
// dropped on it) is form1_commands.h's.

#include "dpi_resources.h"
#include "form/form_view.h"
#include "item_controls.h"
#include "palette.h"
#include "win32_items.h"

#include <functional>
#include <memory>
#include <vector>
#include <windows.h>

namespace tallyglyph::window {

class Form1 final : public form::FormView {
public:
    // Created hidden, at its size for the screen it opens on.
    Form1();
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    HWND handle() const { return window_; }
    runtime::Items& items() override { return items_; }
    // The control of a named item, or none for an item that is no window.
    HWND control(std::string_view name) const;

    // Shows the window, every control painted.
    void show_form() override;
    void focus_item(std::string_view item) override { SetFocus(control(item)); }
    bool in_use() const override {
        return IsWindowVisible(window_) && !IsIconic(window_) && active_;
    }

    // Keyboard navigation between the controls: Tab and Shift+Tab in the stored order, and
    // Space on the focused box. Tells whether MESSAGE was that.
    bool navigate(MSG& message);

    // HANDLER sees each message of the window first and tells whether it took it.
    using MessageHandler = std::function<bool(UINT message, WPARAM wparam, LPARAM lparam)>;
    void on_message(MessageHandler handler) { on_message_ = std::move(handler); }

private:
    static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    const ItemControl* control_of(HWND window) const;
    SIZE outer_size(int dpi) const;
    void use_scale(int dpi);
    void use_colours();
    // Tells the logic whether the window is in use now, once SHOWN tells whether it is shown.
    void report_use(bool shown);

    HWND window_ = nullptr;
    std::unique_ptr<DpiResources> scale_;
    Palette palette_{high_contrast_on()};
    std::vector<std::unique_ptr<ItemControl>> controls_;
    Win32Items items_;
    HICON icons_[2] = {};
    HWND focus_ = nullptr; // given back when the window is active again
    // As the last WM_ACTIVATE said: while a deactivation is sent, the window is still active.
    bool active_ = false;
    MessageHandler on_message_;
};

} // namespace tallyglyph::window
