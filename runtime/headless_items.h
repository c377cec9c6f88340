#pragma once
// Plain cells that stand in for the window's items when the logic runs without a window:
// in tests, benchmarks and the command-line companion. They keep the same change rule as
// the real items. They own their values and handlers; they know nothing of emotes.

#include "items.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::runtime {

class CheckBoxCell final : public CheckBox {
public:
    explicit CheckBoxCell(std::string name, std::int16_t value = check_value::unchecked);
    std::int16_t value() const override { return value_; }
    void set_value(std::int16_t value) override;
    void on_click(EventHandler handler) override { click_ = std::move(handler); }
    // What a mouse click or the space bar does.
    void user_click() { set_value(value_after_user_click(value_)); }
    const std::string& name() const { return name_; }

private:
    std::string name_;
    std::int16_t value_;
    EventHandler click_;
};

class LabelCell final : public Label {
public:
    LabelCell(std::string name, std::string caption);
    std::string caption() const override { return caption_; }
    void set_caption(std::string_view caption) override { caption_ = caption; }
    void on_click(EventHandler handler) override { click_ = std::move(handler); }
    void user_click();
    const std::string& name() const { return name_; }

private:
    std::string name_;
    std::string caption_;
    EventHandler click_;
};

class TextBoxCell final : public TextBox {
public:
    TextBoxCell(std::string name, std::string text);
    std::string text() const override { return text_; }
    void set_text(std::string_view text) override;
    const std::string& name() const { return name_; }
    // How often the shown text really changed; a repeated line must not count.
    std::size_t changes() const { return changes_; }

private:
    std::string name_;
    std::string text_;
    std::size_t changes_ = 0;
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
    const std::string& name() const { return name_; }

private:
    std::string name_;
    int interval_;
    bool enabled_;
    EventHandler tick_;
};

// A set of named cells. Cells never move once added, so handlers may hold on to them.
class HeadlessItems : public Items {
public:
    HeadlessItems() = default;
    HeadlessItems(const HeadlessItems&) = delete;
    HeadlessItems& operator=(const HeadlessItems&) = delete;

    CheckBoxCell& add_check_box(std::string name, std::int16_t value = check_value::unchecked);
    LabelCell& add_label(std::string name, std::string caption);
    TextBoxCell& add_text_box(std::string name, std::string text);
    TimerCell& add_timer(std::string name, int interval, bool enabled);

    CheckBoxCell& check_box(std::string_view name) override;
    LabelCell& label(std::string_view name) override;
    TextBoxCell& text_box(std::string_view name) override;
    TimerCell& timer(std::string_view name) override;

private:
    std::vector<std::unique_ptr<CheckBoxCell>> check_boxes_;
    std::vector<std::unique_ptr<LabelCell>> labels_;
    std::vector<std::unique_ptr<TextBoxCell>> text_boxes_;
    std::vector<std::unique_ptr<TimerCell>> timers_;
};

// The cells of the main window as it opens: Check1 to Check22 unchecked, the Reset and ALL
// labels, the stored texts (prefix, quote mark, total "0"), an empty Text1 and Timer1.
class Form1Cells final : public HeadlessItems {
public:
    static constexpr int box_count = 22;
    Form1Cells();
};

} // namespace tallyglyph::runtime
