// Bringing a value in: the window opened with a start-up value, and values pasted or dropped
// into the line in each way a user can.

#include "core/bulk_selection.h"
#include "form1_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QStringList>

namespace {

using namespace tallyglyph;

QString line_for_value(std::uint32_t value) {
    return QStringLiteral("set kv_emoteControl \"%1\"").arg(value);
}

// Values whose decimal text a careless conversion would write with an exponent.
class StartValue : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(StartValue, OpensWithExactlyItsBoxesTickedAndItsLineFromTheFirstTick) {
    const std::uint32_t value = GetParam();
    window::Form1 form;
    QStringList shown;
    QObject::connect(form.find<QLineEdit>(item::command_line), &QLineEdit::textChanged, &form,
                     [&shown](const QString& text) { shown << text; });
    window::open_form1(form, value);
    ASSERT_TRUE(QTest::qWaitFor([&shown] { return !shown.isEmpty(); }, 1000));
    EXPECT_EQ(shown, QStringList{line_for_value(value)});
    EXPECT_EQ(form.find<QLabel>(item::total)->text(), QString::number(value));
    for (const core::EmoteRow& row : core::emote_table)
        EXPECT_EQ(form.find<QCheckBox>(row.name)->isChecked(), (value & row.bit) != 0) << row.name;
}

INSTANTIATE_TEST_SUITE_P(Values, StartValue,
                         ::testing::Values(2097153u, 100000u, 1000000u, 4000000u, 4194303u, 0u));

enum class Way { ctrl_v, shift_insert, context_menu, drop };

class Paste : public Form1Test {
protected:
    // Puts TEXT into the line as a user would: with Ctrl+V where the cursor stands, over the
    // whole line with Shift+Insert or the context menu's Paste, or dropped onto it.
    void put_into_line(Way way, const QString& text) {
        // The offscreen platform gives the activation to a context menu, and takes it from
        // the window as the menu closes; the window ticks only while it is active.
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QLineEdit* line = line_box();
        line->setFocus();
        QApplication::clipboard()->setText(text);
        switch (way) {
        case Way::ctrl_v:
            QTest::keyClick(line, Qt::Key_End);
            QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
            break;
        case Way::shift_insert:
            line->selectAll();
            QTest::keyClick(line, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Way::context_menu: {
            line->selectAll();
            const QPoint at = line->rect().center();
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, line->mapToGlobal(at));
            QApplication::sendEvent(line, &event);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            auto* paste = menu->findChild<QAction*>("edit-paste");
            ASSERT_NE(paste, nullptr);
            paste->trigger();
            menu->close();
            break;
        }
        case Way::drop: {
            QMimeData dragged;
            dragged.setText(text);
            // Qt hands a drop only to the widget that took the drag as it entered.
            const QPoint at = line->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(line, &enter);
            QDropEvent drop(QPointF(at), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(line, &drop);
            break;
        }
        }
    }

    std::uint32_t ticked_sum() {
        std::uint32_t sum = 0;
        for (const core::EmoteRow& row : core::emote_table)
            sum += box(row.box)->isChecked() ? row.bit : 0;
        return sum;
    }
};

TEST_F(Paste, AWholeValueLoadsInEveryWayAndTheBoxesKeepCountingAfterwards) {
    const struct {
        std::string_view name;
        Way way;
    } ways[] = {{"Ctrl+V", Way::ctrl_v},
                {"Shift+Insert", Way::shift_insert},
                {"context menu", Way::context_menu},
                {"drop", Way::drop}};
    const struct {
        const char* text;
        std::uint32_t value;
    } values[] = {{"set kv_emoteControl \"2097153\"", 2097153},
                  {"  1000000\r\n", 1000000},
                  {"SET KV_EMOTECONTROL 4194303", 4194303}};
    click_in(item::boxes[4], {40, 8});
    for (const auto& way : ways) {
        for (const auto& value : values) {
            SCOPED_TRACE(std::string(way.name) + " " + value.text);
            put_into_line(way.way, QString::fromUtf8(value.text));
            EXPECT_EQ(total(), QString::number(value.value));
            EXPECT_EQ(ticked_sum(), value.value);
            EXPECT_TRUE(line_becomes(line_for_value(value.value)));
            click_in(item::boxes[1], {40, 8});
            EXPECT_EQ(total(), QString::number(value.value ^ 2u));
            EXPECT_TRUE(line_becomes(line_for_value(value.value ^ 2u)));
        }
    }
}

TEST_F(Paste, AnythingButAWholeValueChangesNothingAndGivesWayAtTheNextTick) {
    click_in(item::boxes[21], {40, 8});
    click_in(item::boxes[2], {40, 8});
    ASSERT_TRUE(line_becomes(line_for("2097156")));
    for (const Way way : {Way::ctrl_v, Way::shift_insert, Way::context_menu, Way::drop}) {
        for (const char* text : {"4194304", "-1", "12.5", "Sit", "set kv_emoteControl",
                                 "set kv_emoteControl \"5\" extra"}) {
            SCOPED_TRACE(text);
            put_into_line(way, QString::fromUtf8(text));
            EXPECT_TRUE(line_box()->text().contains(QString::fromUtf8(text)));
            EXPECT_EQ(total(), "2097156");
            EXPECT_EQ(ticked_sum(), 2097156u);
            EXPECT_TRUE(line_becomes(line_for("2097156")));
        }
    }
}

TEST_F(Paste, TypingAValueIsUndoneAtTheNextTickAndLoadsNothing) {
    ASSERT_TRUE(line_becomes(line_for("0")));
    line_box()->setFocus();
    line_box()->selectAll();
    QTest::keyClicks(line_box(), "2097153");
    EXPECT_EQ(total(), "0");
    EXPECT_TRUE(line_becomes(line_for("0")));
    EXPECT_EQ(ticked_sum(), 0u);
}

} // namespace
