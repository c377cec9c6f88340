#include "win32_items.h"

#include "runtime/run_time_error.h"
#include "wide_text.h"
#include "window/run_time_error_report.h"

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
    SetWindowTextW(label_, utf16(caption).c_str());
}

void Win32Label::click() const {
    run_handler(click_);
}

Win32TextBox::Win32TextBox(std::string name, HWND edit) : name_(std::move(name)), edit_(edit) {
    edited();
}

void Win32TextBox::set_text(std::string_view text) {
    if (text == shown_)
        return;
    shown_ = text;
    SetWindowTextW(edit_, utf16(text).c_str());
}

void Win32TextBox::edited() {
    shown_ = utf8(window_text(edit_));
}

Win32Timer::~Win32Timer() {
    set_enabled(false);
}

void Win32Timer::set_interval(int milliseconds) {
    if (milliseconds < 0 || milliseconds > 65535)
        runtime::raise_property_call_failed(
            name_, "Interval", "invalid property value " + std::to_string(milliseconds));
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

void Win32Items::add(std::unique_ptr<Win32CheckBox> box, std::string name, HWND control) {
    check_boxes_.push_back({std::move(name), std::move(box), control});
}

void Win32Items::add(std::unique_ptr<Win32Label> label, std::string name, HWND control) {
    labels_.push_back({std::move(name), std::move(label), control});
}

void Win32Items::add(std::unique_ptr<Win32TextBox> text_box, std::string name, HWND control) {
    text_boxes_.push_back({std::move(name), std::move(text_box), control});
}

void Win32Items::add_timer(std::unique_ptr<Win32Timer> timer, std::string name) {
    timers_.push_back({std::move(name), std::move(timer)});
}

void Win32Items::add_stored_text(std::string name, std::string caption) {
    auto cell = std::make_unique<runtime::LabelCell>(name, std::move(caption));
    labels_.push_back({std::move(name), std::move(cell)});
}

template <typename Item>
Item& Win32Items::find(const std::vector<Named<Item>>& items, std::string_view name,
                       std::string_view property) {
    const auto found = std::ranges::find(items, name, &Named<Item>::name);
    if (found == items.end())
        runtime::raise_property_call_failed(name, property, "no such item");
    return *found->item;
}

runtime::CheckBox& Win32Items::check_box(std::string_view name) {
    return find(check_boxes_, name, "Value");
}

runtime::Label& Win32Items::label(std::string_view name) {
    return find(labels_, name, "Caption");
}

runtime::TextBox& Win32Items::text_box(std::string_view name) {
    return find(text_boxes_, name, "Text");
}

runtime::Timer& Win32Items::timer(std::string_view name) {
    return find(timers_, name, "Enabled");
}

void Win32Items::notify(HWND control, WORD code) {
    const auto is = [control](const auto& named) {
        return named.control == control;
    };
    if (code == BN_CLICKED) {
        if (const auto box = std::ranges::find_if(check_boxes_, is); box != check_boxes_.end())
            run_handler([&box] { box->item->user_click(); });
        // Only labels shown as windows have a control, and those are Win32Labels.
        if (const auto label = std::ranges::find_if(labels_, is); label != labels_.end())
            static_cast<const Win32Label&>(*label->item).click();
    } else if (code == EN_CHANGE) {
        if (const auto box = std::ranges::find_if(text_boxes_, is); box != text_boxes_.end())
            box->item->edited();
    }
}

void Win32Items::tick(UINT_PTR id) {
    for (const Named<Win32Timer>& timer : timers_)
        if (timer.item->id() == id)
            timer.item->tick();
}

} // namespace tallyglyph::window
