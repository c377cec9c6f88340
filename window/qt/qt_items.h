#pragma once
// The window's items behind the run-time item interfaces, so the emote logic runs on the
// real widgets exactly as on headless cells. Each adapter wraps one widget of Form1, found
// by its name; the widget holds the state. Qt's notifications enter the handlers only
// through run_handler.

#include "runtime/items.h"
#include "runtime/named_items.h"

#include <QMetaObject>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace tallyglyph::window {

class ItemLabel;

class QtCheckBox final : public runtime::CheckBox {
public:
    QtCheckBox(std::string name, QCheckBox* box);
    ~QtCheckBox() override;
    std::int16_t value() const override;
    void set_value(std::int16_t value) override;
    void on_click(runtime::EventHandler handler) override { click_ = std::move(handler); }

private:
    std::string name_;
    QCheckBox* box_;
    runtime::EventHandler click_;
    QMetaObject::Connection changed_;
};

// Keeps its caption as the logic reads it, beside the QLabel that shows it, so the tick reads
// the stored texts without converting them from UTF-16 every millisecond.
class QtLabel final : public runtime::Label {
public:
    QtLabel(std::string name, ItemLabel* label);
    ~QtLabel() override;
    std::string caption() const override { return caption_; }
    void set_caption(std::string_view caption) override;
    void on_click(runtime::EventHandler handler) override { click_ = std::move(handler); }

private:
    std::string name_;
    ItemLabel* label_;
    std::string caption_;
    runtime::EventHandler click_;
    QMetaObject::Connection clicked_;
};

// Knows the text its box shows, also after the user edits it, so handing it the same line
// again costs one comparison: QLineEdit::setText would drop the selection even for the
// same text.
class QtTextBox final : public runtime::TextBox {
public:
    QtTextBox(std::string name, QLineEdit* edit);
    ~QtTextBox() override;
    std::string text() const override { return shown_; }
    void set_text(std::string_view text) override;
    // Only the command line (CommandLineBox) tells of pastes.
    void on_paste(runtime::PasteHandler handler) override { paste_ = std::move(handler); }

private:
    std::string name_;
    QLineEdit* edit_;
    std::string shown_;
    runtime::PasteHandler paste_;
    QMetaObject::Connection edited_;
    QMetaObject::Connection pasted_;
};

class QtTimer final : public runtime::Timer {
public:
    QtTimer(std::string name, QTimer* timer);
    ~QtTimer() override;
    int interval() const override;
    void set_interval(int milliseconds) override;
    bool enabled() const override;
    void set_enabled(bool enabled) override;
    void on_tick(runtime::EventHandler handler) override { tick_ = std::move(handler); }

private:
    std::string name_;
    QTimer* timer_;
    runtime::EventHandler tick_;
    QMetaObject::Connection timeout_;
};

class QtItems final : public runtime::ItemsByName<QtCheckBox, QtLabel, QtTextBox, QtTimer> {
public:
    void add(std::string name, QCheckBox* box);
    void add(std::string name, ItemLabel* label);
    void add(std::string name, QLineEdit* edit);
    void add(std::string name, QTimer* timer);
};

} // namespace tallyglyph::window
