#pragma once
// The window items that the emote logic reads and writes, as interfaces. The logic finds
// them by name through Items and never learns whether a real window or plain cells stand
// behind them. A failed call (unknown name, wrong kind, refused value) raises the
// property-call run-time error.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tallyglyph::runtime {

using EventHandler = std::function<void()>;
// Handed the text that one paste or drop has just put into a text box.
using PasteHandler = std::function<void(std::string_view text)>;

namespace check_value {
inline constexpr std::int16_t unchecked = 0;
inline constexpr std::int16_t checked = 1;
inline constexpr std::int16_t greyed = 2;
} // namespace check_value

// The change rule every check box keeps: setting a different value raises Click before the
// setter returns, setting the same value raises nothing, and a user click flips between
// unchecked and checked and then raises Click.
class CheckBox {
public:
    virtual ~CheckBox() = default;
    virtual std::int16_t value() const = 0;
    virtual void set_value(std::int16_t value) = 0;
    virtual void on_click(EventHandler handler) = 0;
};

// The value a user click leaves: a greyed box, like a checked one, becomes unchecked.
constexpr std::int16_t value_after_user_click(std::int16_t value) {
    return value == check_value::unchecked ? check_value::checked : check_value::unchecked;
}

// Refuses a value other than unchecked, checked or greyed.
void require_check_value(std::string_view item, std::int16_t value);

class Label {
public:
    virtual ~Label() = default;
    virtual std::string caption() const = 0;
    virtual void set_caption(std::string_view caption) = 0;
    virtual void on_click(EventHandler handler) = 0;
};

// Handing a text box the text it already shows leaves its caret and selection alone.
class TextBox {
public:
    virtual ~TextBox() = default;
    virtual std::string text() const = 0;
    virtual void set_text(std::string_view text) = 0;
    // Raised after each paste or drop into the box, with what it put in; never for typing.
    virtual void on_paste(PasteHandler handler) = 0;
};

// Refuses an interval outside 0 to 65535 ms.
void require_timer_interval(std::string_view item, int milliseconds);

class Timer {
public:
    virtual ~Timer() = default;
    virtual int interval() const = 0;
    virtual void set_interval(int milliseconds) = 0;
    virtual bool enabled() const = 0;
    virtual void set_enabled(bool enabled) = 0;
    virtual void on_tick(EventHandler handler) = 0;
};

class Items {
public:
    virtual ~Items() = default;
    virtual CheckBox& check_box(std::string_view name) = 0;
    virtual Label& label(std::string_view name) = 0;
    virtual TextBox& text_box(std::string_view name) = 0;
    virtual Timer& timer(std::string_view name) = 0;
};

} // namespace tallyglyph::runtime
