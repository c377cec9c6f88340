#include "emote_fixture.h"

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
    items.label("Label3").set_caption("stale");
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
    items.label("Label3").set_caption("10");
    core::select_all(items);
    EXPECT_EQ(total(), "4194313");
}

} // namespace
