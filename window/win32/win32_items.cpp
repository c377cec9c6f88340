#include "win32_items.h"

#include "runtime/run_time_error.h"
#include "runtime/wide_text.h"
#include "window/run_time_error_report.h"
#include "window_text.h"

#include <algorithm>

namespace tallyglyph::window {

std::int16_t Win32CheckBox::value() const {
    switch (SendMessageW(box_, BM_GETCHECK, 0, 0)) {
    case BST_UNCHECKED:
        return runtime::check_value::unchecked;
    case BST_CHECKED:
        return runtime::check_value::checked;
    default:
        return runtime::check_value::greyed;
    }
}

void Win32CheckBox::set_value(std::int16_t value) {
    runtime::require_check_value(name_, value);
    if (value == this->value())
        return;
    constexpr WPARAM states[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
    SendMessageW(box_, BM_SETCHECK, states[value], 0);
    run_handler(click_);
}

void Win32Label::set_caption(std::string_view caption) {
    caption_ = caption;
    SetWindowTextW(label_, runtime::utf16(caption).c_str());
}

void Win32Label::click() const {
    run_handler(click_);
}

Win32TextBox::Win32TextBox(HWND edit) : edit_(edit) {
    edited();
}

void Win32TextBox::set_text(std::string_view text) {
    if (text == shown_)
        return;
    shown_ = text;
    SetWindowTextW(edit_, runtime::utf16(text).c_str());
}

void Win32TextBox::edited() {
    shown_ = runtime::utf8(window_text(edit_));
}

Win32Timer::~Win32Timer() {
    set_enabled(false);
}

void Win32Timer::set_interval(int milliseconds) {
    runtime::require_timer_interval(name_, milliseconds);
    interval_ = milliseconds;
    if (enabled_)
        set_enabled(true);
}

void Win32Timer::set_enabled(bool enabled) {
    if (enabled && SetTimer(owner_, id_, static_cast<UINT>(interval_), nullptr) == 0)
        runtime::raise_property_call_failed(name_, "Enabled", "no timer left");
    if (!enabled && enabled_)
        KillTimer(owner_, id_);
    enabled_ = enabled;
}

void Win32Timer::tick() const {
    if (enabled_)
        run_handler(tick_);
}

void Win32Items::add(std::string name, HWND box) {
    auto& item = check_boxes_.add(name, std::make_unique<Win32CheckBox>(name, box));
    box_controls_.push_back({box, &item});
}

void Win32Items::add_label(std::string name, HWND label) {
    auto shown = std::make_unique<Win32Label>(label, runtime::utf8(window_text(label)));
    label_controls_.push_back({label, shown.get()});
    labels_.add(std::move(name), std::move(shown));
}

void Win32Items::add_text_box(std::string name, HWND edit) {
    auto& item = text_boxes_.add(name, std::make_unique<Win32TextBox>(edit));
    line_controls_.push_back({edit, &item});
}

void Win32Items::add_timer(std::string name, HWND owner, UINT_PTR id, int interval) {
    timer_list_.push_back(
        &timers_.add(name, std::make_unique<Win32Timer>(name, owner, id, interval)));
}

void Win32Items::add_stored_text(std::string name, std::string caption) {
    labels_.add(std::move(name), std::make_unique<runtime::LabelCell>(std::move(caption)));
}

void Win32Items::paste(HWND control, std::string_view text) {
    for (const Control<Win32TextBox>& line : line_controls_)
        if (line.window == control)
            line.item->pasted(text);
}

void Win32TextBox::pasted(std::string_view text) const {
    run_handler([this, text] {
        if (paste_)
            paste_(text);
    });
}

void Win32Items::notify(HWND control, WORD code) {
    const auto is = [control](const auto& shown) {
        return shown.window == control;
    };
    if (code == BN_CLICKED) {
        if (const auto box = std::ranges::find_if(box_controls_, is); box != box_controls_.end())
            run_handler([&box] { box->item->user_click(); });
        if (const auto label = std::ranges::find_if(label_controls_, is);
            label != label_controls_.end())
            label->item->click();
    } else if (code == EN_CHANGE) {
        if (const auto line = std::ranges::find_if(line_controls_, is);
            line != line_controls_.end())
            line->item->edited();
    }
}

void Win32Items::tick(UINT_PTR id) {
    for (const Win32Timer* timer : timer_list_)
        if (timer->id() == id)
            timer->tick();
}

} // namespace tallyglyph::window
