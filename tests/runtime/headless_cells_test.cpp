#include "runtime/runtime_services.h"
#include "tests/run_time_errors.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace tallyglyph::runtime;

TEST(CheckBoxChangeRule, ClickRunsBeforeTheSetterReturnsAndOnlyOnARealChange) {
    HeadlessItems items;
    CheckBoxCell& box = items.add_check_box("Box1");
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
    CheckBoxCell& box = items.add_check_box("Box1");
    std::vector<int> seen;
    box.on_click([&] { seen.push_back(box.value()); });
    box.user_click();
    box.user_click();
    box.user_click();
    EXPECT_EQ(seen, (std::vector<int>{1, 0, 1}));

    CheckBoxCell& greyed = items.add_check_box("Box2", check_value::greyed);
    greyed.user_click();
    EXPECT_EQ(greyed.value(), check_value::unchecked);
}

TEST(CheckBoxChangeRule, RefusesValuesOutsideItsThreeStates) {
    HeadlessItems items;
    CheckBoxCell& box = items.add_check_box("Box7");
    int clicks = 0;
    box.on_click([&] { ++clicks; });
    EXPECT_NE(run_time_error_report([&] { box.set_value(3); }).find("Box7.Value"),
              std::string::npos);
    EXPECT_NE(run_time_error_report([&] { box.set_value(-1); }), "");
    EXPECT_EQ(box.value(), check_value::unchecked);
    EXPECT_EQ(clicks, 0);
}

TEST(ItemLookup, UnknownOrMismatchedNamesRaiseThePropertyCallError) {
    HeadlessItems items;
    items.add_check_box("Box1");
    items.add_label("Total", "0");
    items.add_text_box("Line", "");
    items.add_timer("Ticker", 1, true);
    EXPECT_EQ(run_time_error_report([&] { items.label("Missing"); }),
              "Run-time error '440': Automation error: Missing.Caption: no such item");
    EXPECT_NE(run_time_error_report([&] { items.check_box("Box2"); }), "");
    EXPECT_NE(run_time_error_report([&] { items.check_box("Total"); }), "");
    EXPECT_NE(run_time_error_report([&] { items.text_box("line"); }), "");
    EXPECT_NE(run_time_error_report([&] { items.timer("Line"); }), "");
    EXPECT_EQ(run_time_error_report([&] { items.timer("Ticker"); }), "");
}

TEST(Cells, HoldWhatTheyAreGivenAndRaiseTheirEvents) {
    HeadlessItems items;
    LabelCell& label = items.add_label("Total", "0");
    label.set_caption("123");
    EXPECT_EQ(items.label("Total").caption(), "123");
    int label_clicks = 0;
    label.on_click([&] { ++label_clicks; });
    label.user_click();
    EXPECT_EQ(label_clicks, 1);

    TextBoxCell& text = items.add_text_box("Line", "");
    text.set_text("line");
    text.set_text("line");
    EXPECT_EQ(text.text(), "line");
    EXPECT_EQ(text.changes(), 1u);
    std::vector<std::string> pasted;
    text.on_paste([&](std::string_view given) { pasted.emplace_back(given); });
    text.set_text("typed");
    text.user_paste("5");
    EXPECT_EQ(pasted, std::vector<std::string>{"5"});
    EXPECT_EQ(text.text(), "5");

    TimerCell& timer = items.add_timer("Ticker", 1, true);
    int ticks = 0;
    timer.on_tick([&] { ++ticks; });
    timer.tick();
    timer.set_enabled(false);
    timer.tick();
    timer.set_enabled(true);
    timer.set_interval(0);
    timer.tick();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(run_time_error_report([&] { timer.set_interval(-1); }),
              "Run-time error '440': Automation error: Ticker.Interval: invalid property value -1");
    EXPECT_NE(run_time_error_report([&] { timer.set_interval(65536); }), "");
    timer.set_interval(65535);
    EXPECT_EQ(timer.interval(), 65535);
}

} // namespace
