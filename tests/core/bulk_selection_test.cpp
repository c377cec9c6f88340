#include "emote_fixture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace tallyglyph;

class BulkSelection : public EmoteLogic {
protected:
    BulkSelection() {
        // Records every toggle handling that the bulk actions set off, in order.
        for (const core::EmoteRow& row : core::emote_table)
            box(row.box).on_click([this, n = row.box] {
                handled.push_back(n);
                core::toggle_handling(items, n);
            });
    }
    int checked_count() {
        int count = 0;
        for (const core::EmoteRow& row : core::emote_table)
            count += box(row.box).value() != 0;
        return count;
    }
    std::vector<int> handled;
};

TEST_F(BulkSelection, ResetClearsEveryBoxInBoxOrderAndWritesZero) {
    for (int n : {20, 3, 9})
        click(n);
    handled.clear();
    core::reset_selection(items);
    EXPECT_EQ(handled, (std::vector<int>{3, 9, 20}));
    EXPECT_EQ(checked_count(), 0);
    EXPECT_EQ(total(), "0");
}

TEST_F(BulkSelection, ResetWithNothingCheckedRunsNoHandlingYetWritesZero) {
    stored(core::item::total).set_caption("stale");
    core::reset_selection(items);
    EXPECT_TRUE(handled.empty());
    EXPECT_EQ(total(), "0");
}

TEST_F(BulkSelection, AllChecksEveryBoxAndAddsOnlyWhatChanges) {
    for (int n : {1, 22, 12})
        click(n);
    handled.clear();
    core::select_all(items);
    EXPECT_EQ(handled.size(), 19u);
    EXPECT_EQ(handled.front(), 2);
    EXPECT_EQ(handled.back(), 21);
    EXPECT_EQ(checked_count(), 22);
    EXPECT_EQ(total(), "4194303");
}

TEST_F(BulkSelection, AllTwiceChangesNothingTheSecondTime) {
    core::select_all(items);
    handled.clear();
    core::select_all(items);
    EXPECT_TRUE(handled.empty());
    EXPECT_EQ(total(), "4194303");
}

TEST_F(BulkSelection, ResetThenBegByHandGivesTwo) {
    core::select_all(items);
    core::reset_selection(items);
    click(2);
    EXPECT_EQ(total(), "2");
}

TEST_F(BulkSelection, AllLeavesTheTotalToTheToggleHandlings) {
    // ALL writes no total of its own, unlike Reset: a stored total that is off stays off
    // by the same amount.
    stored(core::item::total).set_caption("10");
    core::select_all(items);
    EXPECT_EQ(total(), "4194313");
}

// From any earlier selection, a value ends with exactly its boxes ticked and its total,
// and only the boxes that change run their handling, in box order.
TEST_F(BulkSelection, AValueSetsExactlyItsBoxesFromAnyEarlierSelection) {
    const std::vector<std::vector<int>> earlier{{}, {1, 22}, {3, 9, 20}, {2, 4, 6, 7, 18}};
    for (const std::vector<int>& before : earlier) {
        for (const std::uint32_t value : {0u, 2097153u, 100000u, 1000000u, 4000000u, 4194303u}) {
            core::reset_selection(items);
            for (const int n : before)
                click(n);
            std::vector<int> changing;
            for (const core::EmoteRow& row : core::emote_table)
                if ((box(row.box).value() != 0) != ((value & row.bit) != 0))
                    changing.push_back(row.box);
            handled.clear();
            core::select_value(items, value);
            SCOPED_TRACE(std::to_string(before.size()) + " boxes before, value " +
                         std::to_string(value));
            EXPECT_EQ(handled, changing);
            for (const core::EmoteRow& row : core::emote_table)
                EXPECT_EQ(box(row.box).value() != 0, (value & row.bit) != 0) << row.name;
            EXPECT_EQ(total(), std::to_string(value));
        }
    }
}

TEST_F(BulkSelection, AValueRaisesRatherThanLeaveAWrongTotal) {
    EXPECT_THROW(core::select_value(items, 4194304), runtime::RunTimeError);
    core::reset_selection(items);
    stored(core::item::total).set_caption("10");
    EXPECT_THROW(core::select_value(items, 5), runtime::RunTimeError);
}

TEST_F(BulkSelection, OnlyAPastedTextThatReadsAsAWholeValueSelectsIt) {
    click(7);
    for (const char* text : {"4194304", "-1", "12.5", "Sit", "", "set kv_emoteControl",
                             "set kv_emoteControl \"5\" now"}) {
        handled.clear();
        EXPECT_FALSE(core::select_pasted_value(items, text)) << text;
        EXPECT_TRUE(handled.empty()) << text;
        EXPECT_EQ(total(), "64") << text;
    }
    EXPECT_TRUE(core::select_pasted_value(items, " set kv_emoteControl \"2097153\"\n"));
    EXPECT_EQ(total(), "2097153");
    EXPECT_TRUE(core::select_pasted_value(items, "4000000"));
    EXPECT_EQ(total(), "4000000");
}

} // namespace
