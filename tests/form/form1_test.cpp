// Form1 as data and as headless cells: the cells start as the stored description says, and
// opening binds every handler, paste included, in the order the window opens.

#include "core/console_value.h"
#include "core/emote_table.h"
#include "core/item_names.h"
#include "form/form1_handlers.h"
#include "form/form1_layout.h"
#include "form/form1_value.h"
#include "form/form_cells.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace tallyglyph;
namespace item = core::item;

TEST(Form1Cells, StartAsTheWindowBeforeItOpens) {
    form::Form1Cells cells;
    for (const core::EmoteRow& row : core::emote_table)
        EXPECT_EQ(cells.check_box(row.name).value(), 0) << row.name;
    EXPECT_EQ(cells.label(item::prefix).caption(), "set kv_emoteControl ");
    EXPECT_EQ(cells.label(item::quote).caption(), "\"");
    EXPECT_EQ(cells.label(item::total).caption(), "0");
    EXPECT_EQ(cells.label(item::reset).caption(), "Reset");
    EXPECT_EQ(cells.label(item::all).caption(), "ALL");
    EXPECT_EQ(cells.text_box(item::command_line).text(), "");
    EXPECT_EQ(cells.timer(item::timer).interval(), 1);
    EXPECT_FALSE(cells.timer(item::timer).enabled());
    EXPECT_FALSE(cells.shown());
    // Only what is drawn has no cell.
    EXPECT_THROW(cells.label(item::reset_frame), runtime::RunTimeError);
}

TEST(Form1Cells, HoldEveryItemTheLogicReachesAsTheDescriptionHasIt) {
    form::Form1Cells cells;
    for (const form::ItemDescription& described : form::form1_items()) {
        if (described.kind == form::ItemKind::label) {
            EXPECT_EQ(cells.label(described.name).caption(), described.text) << described.name;
        } else if (described.kind == form::ItemKind::text_box) {
            EXPECT_EQ(cells.text_box(described.name).text(), described.text) << described.name;
        }
    }
}

TEST(OpenForm1, BindsStartsShowsFocusesAndTicksInThatOrder) {
    form::Form1Cells cells;
    form::open_form1(cells, 2097153u);
    EXPECT_TRUE(cells.shown());
    EXPECT_EQ(cells.focused(), item::boxes.front());
    EXPECT_TRUE(cells.timer(item::timer).enabled());
    EXPECT_EQ(cells.label(item::total).caption(), "2097153");
    EXPECT_EQ(cells.text_box(item::command_line).text(), "");
    cells.timer(item::timer).tick();
    EXPECT_EQ(cells.text_box(item::command_line).text(), "set kv_emoteControl \"2097153\"");

    cells.check_box(item::boxes[1]).user_click();
    EXPECT_EQ(cells.label(item::total).caption(), "2097155");
    cells.label(item::reset).user_click();
    EXPECT_EQ(cells.label(item::total).caption(), "0");
    cells.label(item::all).user_click();
    EXPECT_EQ(cells.label(item::total).caption(), "4194303");
}

TEST(OpenForm1, APasteIntoTheLineSetsTheBoxesWhenItIsAValue) {
    form::Form1Cells cells;
    form::open_form1(cells);
    auto& line = cells.text_box(item::command_line);
    line.user_paste(" set kv_emoteControl \"5\"\n");
    EXPECT_EQ(cells.label(item::total).caption(), "5");
    line.user_paste("Sit");
    EXPECT_EQ(cells.label(item::total).caption(), "5");
    cells.timer(item::timer).tick();
    EXPECT_EQ(line.text(), "set kv_emoteControl \"5\"");
}

// Out of use the timer sleeps, and every change brings the line up to date at once instead,
// once per action as a tick would; in use it ticks again. Each row runs on what the
// rows before it left.
TEST(Form1InUse, TheTimerTicksOnlyInUseAndEveryChangeKeepsTheLineRight) {
    form::Form1Cells cells;
    form::open_form1(cells);
    auto& line = cells.text_box(item::command_line);
    const struct {
        const char* event;
        std::function<void()> run;
        bool ticking;
        const char* total;
        std::size_t changes; // of the shown line: a pasted text shows before it gives way
    } rows[] = {
        {"deactivated", [&] { form::set_form1_in_use(cells, false); }, false, "0", 1},
        {"a click", [&] { cells.check_box(item::boxes[21]).user_click(); }, false, "2097152", 1},
        {"ALL", [&] { cells.label(item::all).user_click(); }, false, "4194303", 1},
        {"Reset", [&] { cells.label(item::reset).user_click(); }, false, "0", 1},
        {"a value pasted", [&] { line.user_paste("set kv_emoteControl 5"); }, false, "5", 2},
        {"other text pasted", [&] { line.user_paste("Sit"); }, false, "5", 2},
        {"set from code", [&] { cells.check_box(item::boxes[1]).set_value(1); }, false, "7", 1},
        {"a change of scale", [&] { form::keep_form1_line(cells); }, false, "7", 0},
        {"deactivated again", [&] { form::set_form1_in_use(cells, false); }, false, "7", 0},
        {"activated", [&] { form::set_form1_in_use(cells, true); }, true, "7", 0},
        {"a click in use", [&] { cells.check_box(item::boxes[0]).user_click(); }, true, "7", 0},
        {"the next tick", [&] { cells.timer(item::timer).tick(); }, true, "6", 1},
        {"minimised", [&] { form::set_form1_in_use(cells, false); }, false, "6", 0},
    };
    for (const auto& row : rows) {
        const std::size_t changes = line.changes();
        row.run();
        EXPECT_EQ(cells.timer(item::timer).enabled(), row.ticking) << row.event;
        EXPECT_EQ(line.text(), "set kv_emoteControl \"" + std::string(row.total) + "\"")
            << row.event;
        EXPECT_EQ(line.changes() - changes, row.changes) << row.event;
    }
}

TEST(ReadForm1Value, ReadsTheLineTheWindowShows) {
    form::Form1Cells cells;
    form::open_form1(cells, 4000000u);
    cells.timer(item::timer).tick();
    const std::vector<std::string> line{cells.text_box(item::command_line).text()};
    EXPECT_EQ(form::read_form1_value(line), 4000000u);
    EXPECT_THROW(form::read_form1_value(std::vector<std::string>{"4194304"}), core::ValueError);
}

} // namespace
