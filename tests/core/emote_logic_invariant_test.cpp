#include "emote_fixture.h"

#include <random>

namespace {

using namespace tallyglyph;

// After any sequence of clicks, Reset and ALL, the stored total is the sum of the checked
// bits in plain decimal, and the next tick shows it in the line.
TEST_F(EmoteLogic, RandomSequencesKeepTheTotalAndTheLineRight) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> action(0, 29);
    for (int step = 0; step < 20000; ++step) {
        const int a = action(random);
        if (a < 22)
            click(a + 1);
        else if (a < 24)
            core::reset_selection(items);
        else if (a < 26)
            core::select_all(items);
        else if (a < 28)
            line_box().set_text("noise");
        else
            core::set_box_state(items, (step % 22) + 1, static_cast<std::int16_t>(step % 2));

        std::uint32_t expected = 0;
        for (const core::EmoteRow& row : core::emote_table)
            if (box(row.box).value() != 0)
                expected += row.bit;
        ASSERT_EQ(total(), std::to_string(expected)) << "step " << step;
        ASSERT_EQ(line(), "set kv_emoteControl \"" + std::to_string(expected) + "\"");
    }
}

} // namespace
