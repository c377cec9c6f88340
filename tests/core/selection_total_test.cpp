#include "emote_fixture.h"
#include "tests/run_time_errors.h"

#include <algorithm>
#include <random>
#include <vector>

namespace {

using namespace tallyglyph;

class EachBox : public EmoteLogic, public ::testing::WithParamInterface<int> {};

TEST_P(EachBox, CheckingAloneGivesItsBitAndUncheckingReturnsToZero) {
    const int n = GetParam();
    click(n);
    EXPECT_EQ(total(), std::to_string(1u << (n - 1)));
    click(n);
    EXPECT_EQ(total(), "0");
}

INSTANTIATE_TEST_SUITE_P(Boxes, EachBox, ::testing::Range(1, 23), [](const auto& info) {
    return std::string(core::emote_row(info.param).name);
});

TEST_F(EmoteLogic, SitThenShakeThenSitAgain) {
    click(1);
    EXPECT_EQ(total(), "1");
    click(22);
    EXPECT_EQ(total(), "2097153");
    click(1);
    EXPECT_EQ(total(), "2097152");
}

TEST_F(EmoteLogic, RepeatedTogglingLeavesTheTotalAsItWas) {
    click(5);
    click(9);
    for (int i = 0; i < 1001; ++i)
        click(14);
    click(14);
    EXPECT_EQ(total(), "272");
}

TEST_F(EmoteLogic, EveryBoxCheckedByHandReads4194303) {
    for (int n = 22; n >= 1; --n)
        click(n);
    EXPECT_EQ(total(), "4194303");
}

TEST_F(EmoteLogic, SettingABoxFromCodeAdjustsTheTotalBeforeTheCallReturns) {
    core::set_box_state(items, 3, runtime::check_value::checked);
    EXPECT_EQ(total(), "4");
    core::set_box_state(items, 3, runtime::check_value::checked);
    EXPECT_EQ(total(), "4");
    core::set_box_state(items, 3, runtime::check_value::unchecked);
    EXPECT_EQ(total(), "0");
}

TEST_F(EmoteLogic, TotalDependsOnlyOnWhichBoxesEndUpChecked) {
    std::vector<int> clicks{2, 7, 7, 11, 19, 22, 3, 3, 3, 16};
    std::mt19937 random(20261207);
    const std::string first = [&] {
        for (int n : clicks)
            click(n);
        return total();
    }();
    EXPECT_EQ(first, std::to_string(2 + 4 + 1024 + 32768 + 262144 + 2097152));
    for (int round = 0; round < 20; ++round) {
        core::reset_selection(items);
        std::shuffle(clicks.begin(), clicks.end(), random);
        for (int n : clicks)
            click(n);
        EXPECT_EQ(total(), first);
    }
}

TEST_F(EmoteLogic, ATotalThatIsNotANumberRaisesTypeMismatch) {
    for (const char* corrupt : {"", "abc", "12x", "1 2"}) {
        stored(core::item::total).set_caption(corrupt);
        EXPECT_EQ(run_time_error_number([this] { click(1); }), 13) << corrupt;
        EXPECT_EQ(total(), corrupt) << "a failed handling must not write a total";
    }
}

TEST_F(EmoteLogic, ATotalBeyondDoubleRaisesOverflow) {
    stored(core::item::total).set_caption("1e999");
    EXPECT_EQ(run_time_error_number([this] { click(2); }), 6);
}

TEST(ToggleHandling, AMissingItemRaisesThePropertyCallError) {
    runtime::HeadlessItems items;
    for (const core::EmoteRow& row : core::emote_table)
        items.add_check_box(std::string(row.name));
    core::bind_toggle_handling(items);
    EXPECT_EQ(
        run_time_error_number([&items] { items.check_box(core::item::boxes[0]).user_click(); }),
        440);
}

} // namespace
