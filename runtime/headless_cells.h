#pragma once
// Plain cells that stand in for a window's items when the logic runs without a window: in
// tests, benchmarks and the command-line companion. They keep the same change rule as the
// real items. They own their values and handlers; they know no form (form/ builds a form's
// cells from its description).

#include "items.h"
#include "named_items.h"

#include <memory>
#include <string>
#include <string_view>

namespace tallyglyph::runtime {

class CheckBoxCell final : public CheckBox {
public:
    explicit CheckBoxCell(std::string name, std::int16_t value = check_value::unchecked);
    std::int16_t value() const override { return value_; }
    void set_value(std::int16_t value) override;
    void on_click(EventHandler handler) override { click_ = std::move(handler); }
    // What a mouse click or the space bar does.
    void user_click() { set_value(value_after_user_click(value_)); }

private:
    std::string name_;
    std::int16_t value_;
    EventHandler click_;
};

class LabelCell final : public Label {
public:
    explicit LabelCell(std::string caption) : caption_(std::move(caption)) {}
    std::string caption() const override { return caption_; }
    void set_caption(std::string_view caption) override { caption_ = caption; }
    void on_click(EventHandler handler) override { click_ = std::move(handler); }
    void user_click();

private:
    std::string caption_;
    EventHandler click_;
};

class TextBoxCell final : public TextBox {
public:
    explicit TextBoxCell(std::string text) : text_(std::move(text)) {}
    std::string text() const override { return text_; }
    void set_text(std::string_view text) override;
    void on_paste(PasteHandler handler) override { paste_ = std::move(handler); }
    // What pasting TEXT over the whole box does: the box shows it, then Paste is raised.
    void user_paste(std::string_view text);
    // How often the shown text really changed; a repeated line must not count.
    std::size_t changes() const { return changes_; }

private:
    std::string text_;
    std::size_t changes_ = 0;
    PasteHandler paste_;
};

class TimerCell final : public Timer {
public:
    TimerCell(std::string name, int interval, bool enabled);
    int interval() const override { return interval_; }
    void set_interval(int milliseconds) override;
    bool enabled() const override { return enabled_; }
    void set_enabled(bool enabled) override { enabled_ = enabled; }
    void on_tick(EventHandler handler) override { tick_ = std::move(handler); }
    // One elapsed interval; a disabled timer raises nothing.
    void tick();

private:
    std::string name_;
    int interval_;
    bool enabled_;
    EventHandler tick_;
};

// A set of named cells. Cells never move once added, so handlers may hold on to them.
class HeadlessItems : public ItemsByName<CheckBoxCell, LabelCell, TextBoxCell, TimerCell> {
public:
    HeadlessItems() = default;
    HeadlessItems(const HeadlessItems&) = delete;
    HeadlessItems& operator=(const HeadlessItems&) = delete;

    CheckBoxCell& add_check_box(std::string name, std::int16_t value = check_value::unchecked);
    LabelCell& add_label(std::string name, std::string caption);
    TextBoxCell& add_text_box(std::string name, std::string text);
    TimerCell& add_timer(std::string name, int interval, bool enabled);
};

} // namespace tallyglyph::runtime
