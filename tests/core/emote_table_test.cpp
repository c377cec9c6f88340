#include "core/emote_table.h"
#include "tests/run_time_errors.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

using namespace tallyglyph::core;

TEST(EmoteTable, GivesEachBoxItsOwnPowerOfTwo) {
    std::uint64_t sum = 0;
    std::set<std::uint32_t> bits;
    for (int box = 1; box <= 22; ++box) {
        const EmoteRow& row = emote_row(box);
        EXPECT_EQ(row.box, box);
        EXPECT_EQ(row.name, "Check" + std::to_string(box));
        EXPECT_EQ(static_cast<double>(row.bit), std::pow(2.0, box - 1));
        bits.insert(row.bit);
        sum += row.bit;
    }
    EXPECT_EQ(emote_row(1).bit, 1u);
    EXPECT_EQ(emote_row(22).bit, 2097152u);
    EXPECT_EQ(bits.size(), 22u);
    EXPECT_EQ(sum, 4194303u);
}

TEST(EmoteTable, CaptionsAreExact) {
    const char* captions[] = {"Sit",   "Beg",    "Flip",    "Cocky", "Bounce",     "BreakDance",
                              "Kneel", "Kiss",   "Scratch", "Dunno", "Power",      "Lol",
                              "Throw", "Throw2", "Throw3",  "Shrug", "ThumbsDown", "Draw",
                              "Dance", "Dance2", "Nod",     "Shake"};
    for (int box = 1; box <= 22; ++box)
        EXPECT_EQ(emote_row(box).caption, captions[box - 1]) << box;
}

TEST(EmoteTable, WalksInBoxOrderWhateverTheGrid) {
    int expected = 1;
    for (const EmoteRow& row : emote_table)
        EXPECT_EQ(row.box, expected++);
}

TEST(EmoteTable, FillsColumnsTopToBottomSevenAtATime) {
    for (const EmoteRow& row : emote_table) {
        EXPECT_EQ(row.column, (row.box - 1) / 7 + 1) << row.name;
        EXPECT_EQ(row.row, (row.box - 1) % 7 + 1) << row.name;
    }
    EXPECT_EQ(emote_row(22).column, 4);
    EXPECT_EQ(emote_row(22).row, 1);
}

TEST(EmoteTable, RefusesBoxNumbersOutsideTheTable) {
    for (int box : {0, 23, -1})
        EXPECT_EQ(run_time_error_number([box] { emote_row(box); }), 9) << box;
}

} // namespace
