#pragma once
// The window's items behind the run-time item interfaces, so the emote logic runs on the real
// controls exactly as on headless cells. Each adapter wraps one control of Form1, found by its
// name; the control holds the state. The stored texts are no windows at all, only cells.
// Windows' notifications enter the handlers only through run_handler.

#include "runtime/headless_cells.h"
#include "runtime/items.h"
#include "runtime/named_items.h"

#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace tallyglyph::window {

// A three-state BUTTON that leaves its state to the program, so a click changes it exactly by
// the change rule.
class Win32CheckBox final : public runtime::CheckBox {
public:
    Win32CheckBox(std::string name, HWND box) : name_(std::move(name)), box_(box) {}
    std::int16_t value() const override;
    void set_value(std::int16_t value) override;
    void on_click(runtime::EventHandler handler) override { click_ = std::move(handler); }
    // What a mouse click or the space bar does.
    void user_click() { set_value(runtime::value_after_user_click(value())); }

private:
    std::string name_;
    HWND box_;
    runtime::EventHandler click_;
};

// A label acting as a button, drawn by the window from its caption.
class Win32Label final : public runtime::Label {
public:
    Win32Label(HWND label, std::string caption) : label_(label), caption_(std::move(caption)) {}
    std::string caption() const override { return caption_; }
    void set_caption(std::string_view caption) override;
    void on_click(runtime::EventHandler handler) override { click_ = std::move(handler); }
    void click() const;

private:
    HWND label_;
    std::string caption_;
    runtime::EventHandler click_;
};

// Knows the text its box shows, also after the user edits it, so handing it the same line
// again costs one comparison and leaves the caret and the selection alone.
class Win32TextBox final : public runtime::TextBox {
public:
    explicit Win32TextBox(HWND edit);
    std::string text() const override { return shown_; }
    void set_text(std::string_view text) override;
    void on_paste(runtime::PasteHandler handler) override { paste_ = std::move(handler); }
    // The user changed the text.
    void edited();
    // One paste has put TEXT in.
    void pasted(std::string_view text) const;

private:
    HWND edit_;
    std::string shown_;
    runtime::PasteHandler paste_;
};

// Windows delivers a timer's ticks to its window, at 10 ms at the shortest: it raises a
// shorter interval to that.
class Win32Timer final : public runtime::Timer {
public:
    Win32Timer(std::string name, HWND owner, UINT_PTR id, int interval)
        : name_(std::move(name)), owner_(owner), id_(id), interval_(interval) {}
    ~Win32Timer() override;
    int interval() const override { return interval_; }
    void set_interval(int milliseconds) override;
    bool enabled() const override { return enabled_; }
    void set_enabled(bool enabled) override;
    void on_tick(runtime::EventHandler handler) override { tick_ = std::move(handler); }
    void tick() const;
    UINT_PTR id() const { return id_; }

private:
    std::string name_;
    HWND owner_;
    UINT_PTR id_;
    int interval_;
    bool enabled_ = false;
    runtime::EventHandler tick_;
};

class Win32Items final
    : public runtime::ItemsByName<Win32CheckBox, runtime::Label, Win32TextBox, Win32Timer> {
public:
    void add(std::string name, HWND box);           // a check box
    void add_label(std::string name, HWND label);   // a label shown as a button
    void add_text_box(std::string name, HWND edit); // the line
    void add_timer(std::string name, HWND owner, UINT_PTR id, int interval);
    void add_stored_text(std::string name, std::string caption);

    // A control's notification (WM_COMMAND): a click on a box or a label, an edit of the line.
    void notify(HWND control, WORD code);
    // What one paste put into the line.
    void paste(HWND control, std::string_view text);
    // A timer's WM_TIMER.
    void tick(UINT_PTR id);

private:
    template <typename Item>
    struct Control {
        HWND window;
        Item* item;
    };

    // What Windows' notifications reach: the items shown as controls, and the timers.
    std::vector<Control<Win32CheckBox>> box_controls_;
    std::vector<Control<Win32Label>> label_controls_;
    std::vector<Control<Win32TextBox>> line_controls_;
    std::vector<Win32Timer*> timer_list_;
};

} // namespace tallyglyph::window
