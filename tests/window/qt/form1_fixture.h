#pragma once
// The real Form1, bound and shown as the program opens it. Clicks go to the window at a
// point, so they reach whatever lies there, as a user's click would.

#include "core/emote_table.h"
#include "core/item_names.h"
#include "window/qt/form1_events.h"
#include "window/qt/form1_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string_view>

namespace item = tallyglyph::core::item;

class Form1Test : public ::testing::Test {
protected:
    // Opened as the program opens it, with the start-up VALUE if one is given.
    explicit Form1Test(std::optional<std::uint32_t> value = {})
        : form(std::make_unique<tallyglyph::window::Form1>()) {
        tallyglyph::window::open_form1(*form, value);
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        // Only the active window ticks.
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename Widget = QWidget>
    Widget* widget(std::string_view name) {
        auto* found = form->find<Widget>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QCheckBox* box(int n) { return widget<QCheckBox>(tallyglyph::core::emote_row(n).name); }
    QLineEdit* line_box() { return widget<QLineEdit>(item::command_line); }
    QString total() { return widget<QLabel>(item::total)->text(); }

    // Clicks at a point of the client area.
    void click_at(QPoint point) {
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, point);
    }
    // Clicks at an offset inside a named item's rectangle.
    void click_in(std::string_view name, QPoint offset) {
        click_at(widget(name)->geometry().topLeft() + offset);
    }
    // Waits for the ticks to bring the line to what is expected.
    bool line_becomes(const QString& expected) {
        return QTest::qWaitFor([&] { return line_box()->text() == expected; }, 1000);
    }
    // An item's name as Qt names its widget.
    static QString qt_name(std::string_view name) {
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    static QString line_for(const char* total) {
        return QStringLiteral("set kv_emoteControl \"%1\"").arg(QLatin1String(total));
    }

    std::unique_ptr<tallyglyph::window::Form1> form;
};
