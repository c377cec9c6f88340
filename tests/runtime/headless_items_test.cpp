#include "runtime/runtime_services.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace tallyglyph::runtime;

std::string failure_of(auto&& action) {
    try {
        action();
    } catch (const RunTimeError& error) {
        return error.report();
    }
    return "";
}

TEST(CheckBoxChangeRule, ClickRunsBeforeTheSetterReturnsAndOnlyOnARealChange) {
    HeadlessItems items;
    CheckBoxCell& box = items.add_check_box("Check1");
    std::vector<std::string> log;
    box.on_click([&] { log.push_back("click sees " + std::to_string(box.value())); });

    box.set_value(check_value::checked);
    log.push_back("set returned");
    box.set_value(check_value::checked);
    box.set_value(check_value::unchecked);
    box.set_value(check_value::unchecked);

    EXPECT_EQ(log, (std::vector<std::string>{"click sees 1", "set returned", "click sees 0"}));
}

TEST(CheckBoxChangeRule, UserClickFlipsAndThenRaisesClick) {
    HeadlessItems items;
    CheckBoxCell& box = items.add_check_box("Check1");
    std::vector<int> seen;
    box.on_click([&] { seen.push_back(box.value()); });
    box.user_click();
    box.user_click();
    box.user_click();
    EXPECT_EQ(seen, (std::vector<int>{1, 0, 1}));

    CheckBoxCell& greyed = items.add_check_box("Check2", check_value::greyed);
    greyed.user_click();
    EXPECT_EQ(greyed.value(), check_value::unchecked);
}

TEST(CheckBoxChangeRule, RefusesValuesOutsideItsThreeStates) {
    HeadlessItems items;
    CheckBoxCell& box = items.add_check_box("Check7");
    int clicks = 0;
    box.on_click([&] { ++clicks; });
    EXPECT_NE(failure_of([&] { box.set_value(3); }).find("Check7.Value"), std::string::npos);
    EXPECT_NE(failure_of([&] { box.set_value(-1); }), "");
    EXPECT_EQ(box.value(), check_value::unchecked);
    EXPECT_EQ(clicks, 0);
}

TEST(ItemLookup, UnknownOrMismatchedNamesRaiseThePropertyCallError) {
    Form1Cells items;
    EXPECT_EQ(failure_of([&] { items.label("Label9"); }),
              "Run-time error '440': Automation error: Label9.Caption: no such item");
    EXPECT_NE(failure_of([&] { items.check_box("Check23"); }), "");
    EXPECT_NE(failure_of([&] { items.check_box("Label3"); }), "");
    EXPECT_NE(failure_of([&] { items.text_box("check1"); }), "");
    EXPECT_NE(failure_of([&] { items.timer("Timer2"); }), "");
}

TEST(Form1Cells, StartAsTheWindowOpens) {
    Form1Cells items;
    for (int box = 1; box <= Form1Cells::box_count; ++box)
        EXPECT_EQ(items.check_box("Check" + std::to_string(box)).value(), 0) << box;
    EXPECT_EQ(items.label("Label2").caption(), "set kv_emoteControl ");
    EXPECT_EQ(items.label("Label2").caption().size(), 20u);
    EXPECT_EQ(items.label("Label4").caption(), "\"");
    EXPECT_EQ(items.label("Label3").caption(), "0");
    EXPECT_EQ(items.label("Label1").caption(), "Reset");
    EXPECT_EQ(items.label("Label6").caption(), "ALL");
    EXPECT_EQ(items.text_box("Text1").text(), "");
    EXPECT_EQ(items.timer("Timer1").interval(), 1);
    EXPECT_TRUE(items.timer("Timer1").enabled());
}

TEST(Cells, HoldWhatTheyAreGivenAndRaiseTheirEvents) {
    Form1Cells items;
    items.label("Label3").set_caption("123");
    EXPECT_EQ(items.label("Label3").caption(), "123");

    int label_clicks = 0;
    items.label("Label1").on_click([&] { ++label_clicks; });
    items.label("Label1").user_click();
    EXPECT_EQ(label_clicks, 1);

    TextBoxCell& text = items.text_box("Text1");
    text.set_text("line");
    text.set_text("line");
    EXPECT_EQ(text.text(), "line");
    EXPECT_EQ(text.changes(), 1u);

    TimerCell& timer = items.timer("Timer1");
    int ticks = 0;
    timer.on_tick([&] { ++ticks; });
    timer.tick();
    timer.set_enabled(false);
    timer.tick();
    timer.set_enabled(true);
    timer.set_interval(0);
    timer.tick();
    EXPECT_EQ(ticks, 1);
    EXPECT_NE(failure_of([&] { timer.set_interval(-1); }), "");
}

} // namespace
