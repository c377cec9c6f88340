#include "core/bulk_selection.h"
#include "core/command_line.h"
#include "core/selection_total.h"
#include "form/form1_handlers.h"
#include "form/form_cells.h"
#include "form1_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTimer>
#include <functional>
#include <random>

namespace {

using namespace tallyglyph;

TEST_F(Form1Test, TheFirstTicksShowTheLineForZero) {
    EXPECT_TRUE(line_becomes(line_for("0")));
    for (const core::EmoteRow& row : core::emote_table)
        EXPECT_FALSE(box(row.box)->isChecked());
}

// A box answers on its mark, on its caption and on the blank part of its rectangle.
TEST_F(Form1Test, ABoxTogglesWhereverItsRectangleIsClicked) {
    const struct {
        const char* where;
        QPoint offset;
    } spots[] = {{"mark", {6, 8}}, {"caption", {25, 8}}, {"blank", {70, 8}}};
    for (const auto& spot : spots) {
        click_in(item::boxes[0], spot.offset);
        EXPECT_TRUE(box(1)->isChecked()) << spot.where;
        EXPECT_EQ(total(), "1") << spot.where;
        click_in(item::boxes[0], spot.offset);
        EXPECT_FALSE(box(1)->isChecked()) << spot.where;
        EXPECT_EQ(total(), "0") << spot.where;
    }
    click_in(item::boxes[21], {60, 8});
    click_in(item::boxes[0], {40, 8});
    EXPECT_EQ(total(), "2097153");
    EXPECT_TRUE(line_becomes(line_for("2097153")));
}

TEST_F(Form1Test, SpaceBarTogglesTheFocusedBox) {
    QTest::keyClick(widget(item::boxes[0]), Qt::Key_Space);
    EXPECT_EQ(total(), "1");
    QTest::keyClick(widget(item::boxes[0]), Qt::Key_Space);
    EXPECT_EQ(total(), "0");
}

TEST_F(Form1Test, ResetAndAllAnswerOnTheirFacesAndOnTheirFrames) {
    const struct {
        const char* where;
        QPoint offset;
    } spots[] = {{"face", {28, 8}},
                 {"top frame", {28, 0}},
                 {"left frame", {1, 8}},
                 {"bottom right frame", {56, 16}}};
    for (const auto& spot : spots) {
        click_in(item::all, spot.offset);
        EXPECT_EQ(total(), "4194303") << spot.where;
        EXPECT_TRUE(line_becomes(line_for("4194303"))) << spot.where;
        click_in(item::reset, spot.offset);
        EXPECT_EQ(total(), "0") << spot.where;
        for (const core::EmoteRow& row : core::emote_table)
            ASSERT_FALSE(box(row.box)->isChecked()) << spot.where << ' ' << row.name;
        EXPECT_TRUE(line_becomes(line_for("0"))) << spot.where;
    }
}

TEST_F(Form1Test, ClickingALabelButtonLeavesTheFocusWhereItWas) {
    widget(item::boxes[4])->setFocus();
    click_in(item::all, {28, 8});
    EXPECT_EQ(QApplication::focusWidget(), widget(item::boxes[4]));
    QTest::keyClick(widget(item::boxes[4]), Qt::Key_Space);
    EXPECT_EQ(total(), std::to_string(4194303 - 16).c_str());
}

TEST_F(Form1Test, ClicksOutsideTheBoxesAndButtonsChangeNothing) {
    click_in(item::boxes[8], {30, 8});
    ASSERT_TRUE(line_becomes(line_for("256")));
    const QPoint spots[] = {{150, 30},  // the banner
                            {200, 72},  // the instruction line
                            {420, 100}, // the background
                            {200, 208}, // the rule
                            {5, 5},     {465, 170}};
    for (const QPoint spot : spots) {
        click_at(spot);
        QTest::qWait(5);
        EXPECT_EQ(total(), "256") << spot.x() << ',' << spot.y();
        EXPECT_EQ(line_box()->text(), line_for("256"));
        int checked = 0;
        for (const core::EmoteRow& row : core::emote_table)
            checked += box(row.box)->isChecked();
        EXPECT_EQ(checked, 1);
    }
    EXPECT_EQ(widget<QLineEdit>(item::instruction)->text(), "Select the emotes you want to allow.");
}

TEST_F(Form1Test, TheSelectionInTheLineSurvivesTheTicks) {
    ASSERT_TRUE(line_becomes(line_for("0")));
    line_box()->setFocus();
    line_box()->setSelection(4, 15);
    QTest::qWait(50);
    EXPECT_EQ(line_box()->selectedText(), "kv_emoteControl");
    QTest::keyClick(line_box(), Qt::Key_A, Qt::ControlModifier);
    QTest::qWait(50);
    EXPECT_EQ(line_box()->selectedText(), line_for("0"));
}

TEST_F(Form1Test, OneClickInTheLineSelectsItAllForCopying) {
    click_in(item::boxes[1], {30, 8});
    ASSERT_TRUE(line_becomes(line_for("2")));
    click_in(item::command_line, {100, 9});
    QTest::qWait(30);
    EXPECT_EQ(line_box()->selectedText(), line_for("2"));
    QTest::keyClick(line_box(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), line_for("2"));
}

TEST_F(Form1Test, TextTypedIntoTheLineIsReplacedAtTheNextTick) {
    ASSERT_TRUE(line_becomes(line_for("0")));
    line_box()->setFocus();
    QTest::keyClick(line_box(), Qt::Key_End);
    QTest::keyClicks(line_box(), "garbage");
    EXPECT_TRUE(line_becomes(line_for("0")));
    line_box()->selectAll();
    QTest::keyClick(line_box(), Qt::Key_Delete);
    EXPECT_TRUE(line_becomes(line_for("0")));
}

// The same clicks on the window and on headless cells end in the same total and line.
TEST_F(Form1Test, TheWindowShowsWhatTheHeadlessLogicGives) {
    form::Form1Cells cells;
    form::open_form1(cells);
    std::mt19937 random(42);
    std::uniform_int_distribution<int> pick(0, 24);
    for (int step = 0; step < 150; ++step) {
        const int action = pick(random);
        if (action < 22) {
            click_in(core::emote_row(action + 1).name.data(), {40, 8});
            cells.check_box(core::emote_row(action + 1).name).user_click();
        } else if (action == 22) {
            click_in(item::reset, {28, 8});
            core::reset_selection(cells);
        } else {
            click_in(item::all, {28, 8});
            core::select_all(cells);
        }
        ASSERT_EQ(total().toStdString(), cells.label(item::total).caption()) << "step " << step;
    }
    core::refresh_command_line(cells);
    EXPECT_TRUE(line_becomes(QString::fromStdString(cells.text_box(item::command_line).text())));
}

// The window tells when it comes into use and goes out of it, and its timer follows; asleep,
// a box pressed as a screen reader presses it shows in the line at once.
TEST_F(Form1Test, TheTimerTicksOnlyWhileTheWindowIsInUse) {
    auto* timer = form->find<QTimer>(item::timer);
    QWidget other;
    other.show();
    const struct {
        const char* change;
        std::function<void()> make;
        bool ticking;
    } rows[] = {
        {"another window activated", [&] { other.activateWindow(); }, false},
        {"activated again", [&] { form->activateWindow(); }, true},
        {"minimised", [&] { form->showMinimized(); }, false},
        {"restored", [&] { form->showNormal(), form->activateWindow(); }, true},
        {"hidden", [&] { form->hide(); }, false},
        {"shown behind another window",
         [&] {
             other.activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
             form->show();
         },
         false},
        {"activated once shown", [&] { form->activateWindow(); }, true},
    };
    int total = 0;
    for (const auto& row : rows) {
        row.make();
        EXPECT_TRUE(QTest::qWaitFor([&] { return timer->isActive() == row.ticking; }, 5000))
            << row.change;
        box(3)->click();
        total ^= 4;
        const QString expected = line_for(std::to_string(total).c_str());
        if (row.ticking)
            EXPECT_TRUE(line_becomes(expected)) << row.change;
        else
            EXPECT_EQ(line_box()->text(), expected) << row.change;
    }
}

TEST_F(Form1Test, SettingABoxFromCodeRunsItsHandlingBeforeTheSetterReturns) {
    form->items().check_box(item::boxes[2]).set_value(1);
    EXPECT_EQ(total(), "4");
    form->items().check_box(item::boxes[2]).set_value(1);
    EXPECT_EQ(total(), "4");
    form->items().check_box(item::boxes[2]).set_value(2);
    EXPECT_EQ(box(3)->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(form->items().check_box(item::boxes[2]).value(), 2);
    click_in(item::boxes[2], {40, 8});
    EXPECT_EQ(form->items().check_box(item::boxes[2]).value(), 0);
}

} // namespace
