#include "form1_fixture.h"

#include <QImage>

namespace {

QImage rendered(QWidget* widget) {
    return widget->grab().toImage();
}

bool is(const QImage& image, QPoint at, QColor colour) {
    return image.pixelColor(at) == colour;
}

TEST_F(Form1Test, LabelButtonsShowGreyFacesInsideWhiteFrames) {
    const QImage image = rendered(form.get());
    for (const QPoint origin : {QPoint(328, 184), QPoint(392, 184)}) {
        for (const QPoint frame : {QPoint(0, 0), QPoint(2, 2), QPoint(56, 16), QPoint(28, 1),
                                   QPoint(1, 8), QPoint(55, 8), QPoint(28, 15)})
            EXPECT_TRUE(is(image, origin + frame, Qt::white))
                << (origin + frame).x() << ',' << (origin + frame).y();
        EXPECT_TRUE(is(image, origin + QPoint(4, 4), QColor(64, 64, 64)));
        EXPECT_TRUE(is(image, origin + QPoint(52, 12), QColor(64, 64, 64)));
    }
}

TEST_F(Form1Test, BackgroundIsBlackAndTheRuleWhite) {
    const QImage image = rendered(form.get());
    for (const QPoint spot : {QPoint(2, 2), QPoint(420, 100), QPoint(460, 60), QPoint(5, 212)})
        EXPECT_TRUE(is(image, spot, Qt::black)) << spot.x() << ',' << spot.y();
    for (const int x : {0, 200, 469})
        for (const int y : {207, 208, 209})
            EXPECT_TRUE(is(image, {x, y}, Qt::white)) << x << ',' << y;
    EXPECT_TRUE(is(image, {200, 206}, Qt::black));
    EXPECT_TRUE(is(image, {200, 210}, Qt::black));
}

TEST_F(Form1Test, BannerShowsRedLetteringWithTheBoxColourInItsLastRowAndColumn) {
    const QImage image = rendered(form.get());
    int red = 0;
    for (int y = 8; y < 8 + 48; ++y)
        for (int x = 88; x < 88 + 224; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 0) {
                ++red;
                ASSERT_EQ(c.green(), 0);
                ASSERT_EQ(c.blue(), 0);
            }
        }
    EXPECT_GT(red, 224 * 48 / 5);
    // The picture box's own colour (window text, black) shows along the right and bottom.
    for (int y = 8; y < 8 + 49; ++y)
        EXPECT_TRUE(is(image, {88 + 224, y}, Qt::black));
    for (int x = 88; x < 88 + 225; ++x)
        EXPECT_TRUE(is(image, {x, 8 + 48}, Qt::black));
}

TEST_F(Form1Test, CaptionsAreDrawnInWhiteOnBlackAndTheLineOnGrey) {
    ASSERT_TRUE(line_becomes(line_for("0")));
    const QImage image = rendered(form.get());
    // The rightmost lit pixel of each caption lies inside its box: nothing is cut off.
    for (std::string_view name : {item::boxes[5], item::boxes[16], item::boxes[19]}) {
        const QRect r = widget(name)->geometry();
        int rightmost = -1;
        for (int x = r.left() + 16; x <= r.right(); ++x)
            for (int y = r.top(); y <= r.bottom(); ++y)
                if (image.pixelColor(x, y).lightness() > 128)
                    rightmost = x;
        EXPECT_GT(rightmost, r.left() + 30) << name;
        EXPECT_LT(rightmost, r.right()) << name << " touches its right edge";
    }
    EXPECT_TRUE(is(image, {20, 225}, QColor(64, 64, 64)));
    bool white_text = false;
    for (int x = 150; x < 320; ++x)
        white_text |= image.pixelColor(x, 225).lightness() > 200;
    EXPECT_TRUE(white_text);
}

} // namespace
