// A million random operations on the headless cells, opened as the window opens: clicks on
// the boxes, Reset, ALL, ticks of the timer, boxes set from code and text typed over the
// line. After each one the boxes must show what the operations did, the stored total
// must be the sum of the ticked bits in plain decimal, and after each tick the line must
// show it.

#include "core/emote_table.h"
#include "core/item_names.h"
#include "core/selection_total.h"
#include "form/form1_handlers.h"
#include "form/form_cells.h"
#include "runtime/conversions.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace {

using namespace tallyglyph;
using core::item::all;
using core::item::command_line;
using core::item::reset;
using core::item::timer;

class HeadlessStress : public ::testing::Test {
protected:
    HeadlessStress() {
        form::open_form1(cells);
        for (const core::EmoteRow& row : core::emote_table)
            boxes[static_cast<std::size_t>(row.box - 1)] = &cells.check_box(row.name);
    }

    std::bitset<22> ticked() const {
        std::bitset<22> boxes_ticked;
        for (std::size_t b = 0; b < boxes.size(); ++b)
            boxes_ticked[b] = boxes[b]->value() != 0;
        return boxes_ticked;
    }

    std::uint32_t ticked_sum() const {
        std::uint32_t sum = 0;
        for (const core::EmoteRow& row : core::emote_table)
            if (boxes[static_cast<std::size_t>(row.box - 1)]->value() != 0)
                sum += row.bit;
        return sum;
    }

    form::Form1Cells cells;
    std::array<runtime::CheckBoxCell*, 22> boxes{};
};

TEST_F(HeadlessStress, AMillionRandomOperationsKeepTheTotalAndTheLineRight) {
    const int operations = 1'000'000;
    runtime::LabelCell& total = cells.label(core::item::total);
    runtime::TextBoxCell& line = cells.text_box(command_line);
    runtime::TimerCell& ticks_of = cells.timer(timer);
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> pick(0, 99);
    std::uniform_int_distribution<int> pick_box(1, 22);
    // What the boxes must show: each operation's effect, kept apart from the logic.
    std::bitset<22> expected;
    int ticks = 0;
    for (int step = 0; step < operations; ++step) {
        const int action = pick(random);
        if (action < 60) {
            const int box = pick_box(random);
            boxes[static_cast<std::size_t>(box - 1)]->user_click();
            expected.flip(static_cast<std::size_t>(box - 1));
        } else if (action < 65) {
            cells.label(reset).user_click();
            expected.reset();
        } else if (action < 70) {
            cells.label(all).user_click();
            expected.set();
        } else if (action < 80) {
            const int box = pick_box(random);
            const bool tick_it = action % 2 != 0;
            core::set_box_state(cells, box, static_cast<std::int16_t>(tick_it));
            expected[static_cast<std::size_t>(box - 1)] = tick_it;
        } else if (action < 90) {
            line.set_text(std::to_string(step) + "\" typed over the line");
        } else {
            ticks_of.tick();
            ++ticks;
            ASSERT_EQ(line.text(), "set kv_emoteControl \"" + std::to_string(ticked_sum()) + "\"")
                << "step " << step;
        }
        ASSERT_EQ(ticked(), expected) << "step " << step;
        ASSERT_EQ(total.caption(), std::to_string(ticked_sum())) << "step " << step;
    }
    EXPECT_GT(ticks, operations / 20);
    std::printf("%d operations, %d ticks, final total %s\n", operations, ticks,
                total.caption().c_str());
}

// Repeated ticks with nothing changed hand the command line the same line, which must not count as
// a change, however often it happens.
TEST_F(HeadlessStress, TicksWithoutAChangeLeaveTheLineUntouched) {
    runtime::TextBoxCell& line = cells.text_box(command_line);
    cells.label(all).user_click();
    cells.timer(timer).tick();
    const std::size_t changes = line.changes();
    for (int tick = 0; tick < 100'000; ++tick)
        cells.timer(timer).tick();
    EXPECT_EQ(line.changes(), changes);
    EXPECT_EQ(line.text(), "set kv_emoteControl \"4194303\"");
}

// The floating-point check after each addition guards a total that cannot leave the range
// of double through the boxes: even the largest totals take or lose a bit and stay finite.
TEST_F(HeadlessStress, TheLargestTotalsStayFiniteWhenABoxChanges) {
    const double max = std::numeric_limits<double>::max();
    for (const double start : {max, -max}) {
        core::write_selection_total(cells, runtime::number_to_text(start));
        for (const core::EmoteRow& row : core::emote_table) {
            boxes[static_cast<std::size_t>(row.box - 1)]->user_click();
            const double total = runtime::text_to_number(core::read_selection_total(cells));
            ASSERT_EQ(total, start) << row.name;
        }
        cells.label(reset).user_click();
        EXPECT_EQ(core::read_selection_total(cells), "0");
    }
}

} // namespace
