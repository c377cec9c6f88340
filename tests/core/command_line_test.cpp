#include "emote_fixture.h"

namespace {

using namespace tallyglyph;

TEST_F(EmoteLogic, TheFirstTickShowsTheLineForZero) {
    EXPECT_EQ(items.text_box("Text1").text(), "");
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
    items.label("Label2").set_caption("set other ");
    items.label("Label4").set_caption("'");
    items.label("Label3").set_caption("77");
    EXPECT_EQ(line(), "set other '77'");
}

TEST_F(EmoteLogic, TextTypedIntoTheLineIsReplacedAtTheNextTick) {
    click(2);
    items.text_box("Text1").set_text("typed by the user\n");
    EXPECT_EQ(line(), "set kv_emoteControl \"2\"");
}

TEST_F(EmoteLogic, AnUnchangedLineIsNotHandedOnAsAChange) {
    line();
    const auto changes = items.text_box("Text1").changes();
    for (int i = 0; i < 100; ++i)
        line();
    EXPECT_EQ(items.text_box("Text1").changes(), changes);
}

TEST_F(EmoteLogic, ADisabledTimerLeavesTheLineAlone) {
    items.timer("Timer1").set_enabled(false);
    click(4);
    EXPECT_EQ(line(), "");
}

} // namespace
