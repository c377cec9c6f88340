#include "headless_cells.h"

namespace tallyglyph::runtime {
namespace {

void raise_if_set(const EventHandler& handler) {
    if (handler)
        handler();
}

} // namespace

CheckBoxCell::CheckBoxCell(std::string name, std::int16_t value)
    : name_(std::move(name)), value_(value) {
    require_check_value(name_, value);
}

void CheckBoxCell::set_value(std::int16_t value) {
    require_check_value(name_, value);
    if (value == value_)
        return;
    value_ = value;
    raise_if_set(click_);
}

void LabelCell::user_click() {
    raise_if_set(click_);
}

void TextBoxCell::set_text(std::string_view text) {
    if (text == text_)
        return;
    text_ = text;
    ++changes_;
}

void TextBoxCell::user_paste(std::string_view text) {
    set_text(text);
    if (paste_)
        paste_(text);
}

TimerCell::TimerCell(std::string name, int interval, bool enabled)
    : name_(std::move(name)), interval_(interval), enabled_(enabled) {}

void TimerCell::set_interval(int milliseconds) {
    require_timer_interval(name_, milliseconds);
    interval_ = milliseconds;
}

void TimerCell::tick() {
    if (enabled_ && interval_ > 0)
        raise_if_set(tick_);
}

CheckBoxCell& HeadlessItems::add_check_box(std::string name, std::int16_t value) {
    return check_boxes_.add(name, std::make_unique<CheckBoxCell>(name, value));
}

LabelCell& HeadlessItems::add_label(std::string name, std::string caption) {
    return labels_.add(std::move(name), std::make_unique<LabelCell>(std::move(caption)));
}

TextBoxCell& HeadlessItems::add_text_box(std::string name, std::string text) {
    return text_boxes_.add(std::move(name), std::make_unique<TextBoxCell>(std::move(text)));
}

TimerCell& HeadlessItems::add_timer(std::string name, int interval, bool enabled) {
    return timers_.add(name, std::make_unique<TimerCell>(name, interval, enabled));
}

} // namespace tallyglyph::runtime
