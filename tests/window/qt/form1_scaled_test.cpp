// The window on a screen scaled to 200 % (CTest sets QT_SCALE_FACTOR=2): the same layout in
// logical pixels, drawn with twice the detail.

#include "form1_fixture.h"
#include "window/qt/artwork.h"

#include <QImage>
#include <algorithm>
#include <string_view>
#include <vector>

namespace {

using namespace tallyglyph;

constexpr int scale = 2;

class ScaledForm1Test : public Form1Test {
protected:
    void SetUp() override {
        ASSERT_EQ(form->devicePixelRatioF(), scale) << "run with QT_SCALE_FACTOR=2";
        image = form->grab().toImage();
    }

    // Every device pixel of a logical pixel has the colour.
    bool is(QPoint logical, QColor colour) const {
        for (int dy = 0; dy < scale; ++dy)
            for (int dx = 0; dx < scale; ++dx)
                if (image.pixelColor(logical * scale + QPoint(dx, dy)) != colour)
                    return false;
        return true;
    }

    QImage image;
};

TEST_F(ScaledForm1Test, LayoutKeepsItsLogicalPixelsAndDrawsAtTwiceTheirNumber) {
    EXPECT_EQ(form->size(), QSize(470, 240));
    EXPECT_EQ(widget(item::reset)->geometry(), QRect(328, 184, 57, 17));
    EXPECT_EQ(image.size(), QSize(470 * scale, 240 * scale));
}

// Enlarged from the 1x banner, each 2x2 block would be one colour, or, smoothed, colours that
// are not the banner's own.
TEST_F(ScaledForm1Test, BannerHasDetailFinerThanTwoByTwoBlocks) {
    const QList<QRgb> palette = QImage(QString::fromLatin1(window::banner_resource)).colorTable();
    ASSERT_FALSE(palette.isEmpty());
    const QPoint origin = widget(item::banner)->pos() * scale;
    int lit_blocks = 0;
    int detailed_blocks = 0;
    int foreign_pixels = 0;
    for (int y = 0; y < 48 * scale; y += 2) {
        for (int x = 0; x < 224 * scale; x += 2) {
            const QPoint at = origin + QPoint(x, y);
            const QRgb block[] = {image.pixel(at), image.pixel(at + QPoint(1, 0)),
                                  image.pixel(at + QPoint(0, 1)), image.pixel(at + QPoint(1, 1))};
            lit_blocks += qRed(block[0]) > 0;
            detailed_blocks += std::any_of(std::begin(block), std::end(block),
                                           [&](QRgb pixel) { return pixel != block[0]; });
            foreign_pixels += std::count_if(std::begin(block), std::end(block),
                                            [&](QRgb pixel) { return !palette.contains(pixel); });
        }
    }
    EXPECT_GT(lit_blocks, 224 * 48 / 5);
    EXPECT_GT(detailed_blocks, lit_blocks / 4);
    EXPECT_EQ(foreign_pixels, 0);
}

TEST_F(ScaledForm1Test, FramesAndRuleSitAtTheirDoubledPlaces) {
    for (const QPoint origin : {QPoint(328, 184), QPoint(392, 184)}) {
        for (const QPoint frame : {QPoint(0, 0), QPoint(2, 2), QPoint(56, 16), QPoint(28, 1),
                                   QPoint(1, 8), QPoint(55, 8), QPoint(28, 15)})
            EXPECT_TRUE(is(origin + frame, Qt::white))
                << (origin + frame).x() << ',' << (origin + frame).y();
        EXPECT_TRUE(is(origin + QPoint(4, 4), QColor(64, 64, 64)));
        EXPECT_TRUE(is(origin + QPoint(52, 12), QColor(64, 64, 64)));
    }
    for (const int x : {0, 200, 469}) {
        for (const int y : {207, 208, 209})
            EXPECT_TRUE(is({x, y}, Qt::white)) << x << ',' << y;
        EXPECT_TRUE(is({x, 206}, Qt::black)) << x;
        EXPECT_TRUE(is({x, 210}, Qt::black)) << x;
    }
}

// The rightmost lit pixel of each caption lies inside its item, and the caption is drawn at
// the scaled size: as wide in device pixels as twice its logical width.
TEST_F(ScaledForm1Test, NoCaptionIsClipped) {
    std::vector<std::string_view> names{item::instruction};
    names.insert(names.end(), item::boxes.begin(), item::boxes.end());
    for (const std::string_view name : names) {
        QWidget* shown = widget(name);
        const QRect device(shown->pos() * scale, shown->size() * scale);
        // Past the check mark, for the boxes.
        const int text_left = device.left() + (name == item::instruction ? 0 : 16 * scale);
        int leftmost = device.right() + 1;
        int rightmost = -1;
        for (int x = text_left; x <= device.right(); ++x)
            for (int y = device.top(); y <= device.bottom(); ++y)
                if (image.pixelColor(x, y).lightness() > 128) {
                    leftmost = std::min(leftmost, x);
                    rightmost = std::max(rightmost, x);
                }
        const QString text = name == item::instruction ? widget<QLineEdit>(name)->text()
                                                       : widget<QCheckBox>(name)->text();
        const int logical_width = QFontMetrics(shown->font()).horizontalAdvance(text);
        EXPECT_LT(rightmost, device.right() - 1) << name << " touches its edge";
        EXPECT_GE(rightmost - leftmost + 1, (logical_width - 2) * scale) << name;
    }
}

} // namespace
