#include "headless_items.h"

#include "run_time_error.h"

#include <algorithm>

namespace tallyglyph::runtime {
namespace {

template <typename Cell>
Cell& find_cell(const std::vector<std::unique_ptr<Cell>>& cells, std::string_view name,
                std::string_view property) {
    const auto found = std::find_if(cells.begin(), cells.end(),
                                    [name](const auto& cell) { return cell->name() == name; });
    if (found == cells.end())
        raise_property_call_failed(name, property, "no such item");
    return **found;
}

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

LabelCell::LabelCell(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

void LabelCell::user_click() {
    raise_if_set(click_);
}

TextBoxCell::TextBoxCell(std::string name, std::string text)
    : name_(std::move(name)), text_(std::move(text)) {}

void TextBoxCell::set_text(std::string_view text) {
    if (text == text_)
        return;
    text_ = text;
    ++changes_;
}

TimerCell::TimerCell(std::string name, int interval, bool enabled)
    : name_(std::move(name)), interval_(interval), enabled_(enabled) {}

void TimerCell::set_interval(int milliseconds) {
    if (milliseconds < 0 || milliseconds > 65535)
        raise_property_call_failed(name_, "Interval",
                                   "invalid property value " + std::to_string(milliseconds));
    interval_ = milliseconds;
}

void TimerCell::tick() {
    if (enabled_ && interval_ > 0)
        raise_if_set(tick_);
}

CheckBoxCell& HeadlessItems::add_check_box(std::string name, std::int16_t value) {
    return *check_boxes_.emplace_back(std::make_unique<CheckBoxCell>(std::move(name), value));
}

LabelCell& HeadlessItems::add_label(std::string name, std::string caption) {
    return *labels_.emplace_back(std::make_unique<LabelCell>(std::move(name), std::move(caption)));
}

TextBoxCell& HeadlessItems::add_text_box(std::string name, std::string text) {
    return *text_boxes_.emplace_back(
        std::make_unique<TextBoxCell>(std::move(name), std::move(text)));
}

TimerCell& HeadlessItems::add_timer(std::string name, int interval, bool enabled) {
    return *timers_.emplace_back(std::make_unique<TimerCell>(std::move(name), interval, enabled));
}

CheckBoxCell& HeadlessItems::check_box(std::string_view name) {
    return find_cell(check_boxes_, name, "Value");
}

LabelCell& HeadlessItems::label(std::string_view name) {
    return find_cell(labels_, name, "Caption");
}

TextBoxCell& HeadlessItems::text_box(std::string_view name) {
    return find_cell(text_boxes_, name, "Text");
}

TimerCell& HeadlessItems::timer(std::string_view name) {
    return find_cell(timers_, name, "Enabled");
}

Form1Cells::Form1Cells() {
    for (int box = 1; box <= box_count; ++box)
        add_check_box("Check" + std::to_string(box));
    add_label("Label1", "Reset");
    add_label("Label2", "set kv_emoteControl ");
    add_label("Label3", "0");
    add_label("Label4", "\"");
    add_label("Label6", "ALL");
    add_text_box("Text1", "");
    add_timer("Timer1", 1, true);
}

} // namespace tallyglyph::runtime
