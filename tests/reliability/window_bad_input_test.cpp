// Input a user should not give but might, on the real window under Qt's offscreen
// platform: a megabyte pasted into the line, a key held down in it, a thousand quick
// clicks. The window must keep answering, and the next tick must show the right line.

#include "live_form1.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <bitset>
#include <random>

namespace {

using namespace tallyglyph;

class BadInput : public LiveForm1 {
protected:
    // Box 0 to 21, on its caption.
    QPoint spot_in_box(int index) const {
        return boxes[static_cast<std::size_t>(index)]->geometry().topLeft() + QPoint(40, 8);
    }
};

TEST_F(BadInput, AMegabytePastedIntoTheLineIsGoneAtTheNextTick) {
    click_in(item::boxes[3], {40, 8});
    click_in(item::boxes[21], {40, 8});
    ASSERT_TRUE(next_tick());
    ASSERT_EQ(line_box()->text(), line_for("2097160"));

    QString pasted;
    const QString piece = QStringLiteral("set kv_emoteControl \"4194303\"\t1e999 \u00e9\u6f22 ");
    while (pasted.size() < (1 << 20))
        pasted += piece;
    pasted.truncate(1 << 20);
    QApplication::clipboard()->setText(pasted);
    line_box()->setFocus();
    for (int paste = 0; paste < 3; ++paste) {
        QTest::keyClick(line_box(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_GT(line_box()->text().size(), 1000) << "paste " << paste;
        EXPECT_EQ(total(), "2097160");
        ASSERT_TRUE(next_tick()) << "paste " << paste;
        EXPECT_EQ(line_box()->text(), line_for("2097160")) << "paste " << paste;
    }
    click_in(item::boxes[0], {40, 8});
    EXPECT_EQ(total(), "2097161");
    ASSERT_TRUE(next_tick());
    EXPECT_EQ(line_box()->text(), line_for("2097161"));
}

// Auto-repeat floods the focused line with key presses; every tick in between puts the
// line back, and the boxes stay as they were.
TEST_F(BadInput, AKeyHeldDownInTheLineIsUndoneByEveryTick) {
    click_in(item::boxes[8], {40, 8});
    line_box()->setFocus();
    ASSERT_TRUE(next_tick());
    const QString repeated(100, QLatin1Char('7'));
    for (int burst = 0; burst < 50; ++burst) {
        for (int press = 0; press < 100; ++press) {
            QKeyEvent event(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"),
                            /*autorep=*/burst > 0 || press > 0);
            QApplication::sendEvent(line_box(), &event);
        }
        ASSERT_EQ(line_box()->text(), line_for("256") + repeated) << "burst " << burst;
        ASSERT_TRUE(next_tick()) << "burst " << burst;
        ASSERT_EQ(line_box()->text(), line_for("256")) << "burst " << burst;
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    QApplication::sendEvent(line_box(), &release);
    EXPECT_EQ(total(), "256");
    ASSERT_TRUE(next_tick());
    EXPECT_EQ(line_box()->text(), line_for("256"));
}

// Quick clicks come in pairs that Qt takes for double clicks; each click of a pair must
// count like a single one, on the boxes and on the label-buttons alike.
TEST_F(BadInput, AThousandQuickClicksAreNoneOfThemLost) {
    std::bitset<22> ticked;
    std::mt19937 random(5);
    std::uniform_int_distribution<int> pick(0, 23);
    int clicks = 0;
    for (int round = 0; clicks < 1000; ++round) {
        const int target = pick(random);
        const bool pair = round % 3 != 0;
        const QPoint at = target == 22   ? centre_of(item::reset)
                          : target == 23 ? centre_of(item::all)
                                         : spot_in_box(target);
        if (pair)
            QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, at);
        else
            click_at(at);
        for (int n = 0; n < (pair ? 2 : 1); ++n) {
            if (target == 22)
                ticked.reset();
            else if (target == 23)
                ticked.set();
            else
                ticked.flip(static_cast<std::size_t>(target));
        }
        clicks += pair ? 2 : 1;
        for (std::size_t b = 0; b < ticked.size(); ++b)
            ASSERT_EQ(boxes[b]->isChecked(), ticked[b])
                << "after " << clicks << " clicks, box " << b + 1;
        ASSERT_EQ(total(), expected_total()) << "after " << clicks << " clicks";
    }
    ASSERT_TRUE(next_tick());
    EXPECT_EQ(line_box()->text(), expected_line());
}

} // namespace
