#include "emote_fixture.h"

namespace {

using namespace tallyglyph;

TEST_F(EmoteLogic, TheFirstTickShowsTheLineForZero) {
    EXPECT_EQ(line_box().text(), "");
    EXPECT_EQ(line(), "set kv_emoteControl \"0\"");
    EXPECT_EQ(line().size(), 23u);
}

TEST_F(EmoteLogic, TheLineFollowsTheTotalAtTheNextTick) {
    click(1);
    click(22);
    EXPECT_EQ(line(), "set kv_emoteControl \"2097153\"");
    core::select_all(items);
    EXPECT_EQ(line(), "set kv_emoteControl \"4194303\"");
    EXPECT_EQ(line().size(), 29u);
    core::reset_selection(items);
    EXPECT_EQ(line(), "set kv_emoteControl \"0\"");
}

TEST_F(EmoteLogic, TheLineIsReadFromTheStoredTextsOnEveryTick) {
    EXPECT_EQ(line(), "set kv_emoteControl \"0\"");
    stored(core::item::prefix).set_caption("set other ");
    stored(core::item::quote).set_caption("'");
    stored(core::item::total).set_caption("77");
    EXPECT_EQ(line(), "set other '77'");
}

TEST_F(EmoteLogic, TextTypedIntoTheLineIsReplacedAtTheNextTick) {
    click(2);
    line_box().set_text("typed by the user\n");
    EXPECT_EQ(line(), "set kv_emoteControl \"2\"");
}

TEST_F(EmoteLogic, AnUnchangedLineIsNotHandedOnAsAChange) {
    line();
    const auto changes = line_box().changes();
    for (int i = 0; i < 100; ++i)
        line();
    EXPECT_EQ(line_box().changes(), changes);
}

// A disabled timer is a sleeping window's: it ticks no more, and each change shows in the line
// as its handler ends.
TEST_F(EmoteLogic, ADisabledTimerLeavesTheLineToEachChange) {
    items.timer(core::item::timer).set_enabled(false);
    EXPECT_EQ(line(), "");
    click(4);
    EXPECT_EQ(line(), "set kv_emoteControl \"8\"");
}

} // namespace
