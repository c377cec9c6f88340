// A hundred thousand random operations on the real window under Qt's offscreen platform,
// through Qt Test's input: clicks on the boxes and on the label-buttons, text typed into
// the line, and the event loop run until the timer ticks. After each one the boxes must show
// what the clicks did, the stored total must be the sum of the ticked bits in plain
// decimal, and after each tick the line must show it.

#include "live_form1.h"

#include <QElapsedTimer>
#include <bitset>
#include <cstdio>
#include <random>

namespace {

using namespace tallyglyph;

using WindowStress = LiveForm1;

TEST_F(WindowStress, AHundredThousandRandomOperationsKeepTheTotalAndTheLineRight) {
    const int operations = 100'000;
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> pick(0, 99);
    std::uniform_int_distribution<int> pick_box(0, 21);
    const char* const typed[] = {"x", "9", "\"", " 1e999", "-"};
    const QPoint reset = centre_of(item::reset);
    const QPoint all = centre_of(item::all);
    // What the boxes must show: each operation's effect, kept apart from the logic.
    std::bitset<22> expected;
    int clicks = 0;
    int typings = 0;
    int waits = 0;
    const int ticks_before = ticks;
    QElapsedTimer elapsed;
    elapsed.start();
    for (int step = 0; step < operations; ++step) {
        const int action = pick(random);
        // Clicks go to the window at a point, as a user's would, so those on the label-buttons
        // also pass the outline shapes that lie over them.
        if (action < 64) {
            const int box = pick_box(random);
            click_at(boxes[static_cast<std::size_t>(box)]->geometry().topLeft() + QPoint(40, 8));
            expected.flip(static_cast<std::size_t>(box));
            ++clicks;
        } else if (action < 70) {
            click_at(reset);
            expected.reset();
            ++clicks;
        } else if (action < 76) {
            click_at(all);
            expected.set();
            ++clicks;
        } else if (action < 88) {
            QTest::keyClicks(line_box(), typed[step % 5]);
            ++typings;
        } else {
            ASSERT_TRUE(next_tick()) << "step " << step;
            ASSERT_EQ(line_box()->text(), expected_line()) << "step " << step;
            ++waits;
        }
        for (std::size_t b = 0; b < expected.size(); ++b)
            ASSERT_EQ(boxes[b]->isChecked(), expected[b]) << "step " << step << ", box " << b + 1;
        ASSERT_EQ(total(), expected_total()) << "step " << step;
    }
    ASSERT_TRUE(next_tick());
    EXPECT_EQ(line_box()->text(), expected_line());
    std::printf("%d operations: %d clicks, %d typings, %d waits for a tick (%d ticks in all) "
                "in %lld ms; final total %s\n",
                operations, clicks, typings, waits, ticks - ticks_before,
                static_cast<long long>(elapsed.elapsed()), total().toUtf8().constData());
}

} // namespace
