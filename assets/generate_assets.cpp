// Draws the committed artwork: banner.png and banner@2x.png for scaled screens, the same two
// as .bmp files for the Windows window's resources, the icon at the desktop's sizes (icon.png
// is the 32 px one) and tallyglyph.ico with the sizes Windows shows. Everything is rendered
// from vector shapes, the lettering included, into a supersampled mask and then mapped onto a
// fixed palette, so a rerun anywhere gives the same pixels.

#include "korvath_outline.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int kBannerWidth = 224;
constexpr int kBannerHeight = 48;
constexpr int kBannerSupersample = 4;
constexpr int kShadeCount = 16;
constexpr int kPaletteSize = 32;
constexpr int kBrightestRed = 255;
constexpr int kDarkestRed = 16;
constexpr int kIconDesignSize = 256;
// Sizes that do not divide the design are reduced from a canvas three times as large.
constexpr int kIconLargeCanvas = kIconDesignSize * 3;
constexpr int kIcoColours = 256;
// 96 dpi; left at the default, Qt would take it from whichever screen happens to exist.
constexpr int kDotsPerMeter = 3780;

// splitmix64: tiny, and unlike the standard distributions its output is fixed everywhere.
// Every roll is a statement of its own: compilers evaluate the arguments of one call in
// different orders, so two rolls inside one call would draw other artwork under clang than
// under g++. The rolls run in the order the committed artwork was drawn in.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double between(double low, double high) { return low + (high - low) * unit(); }

private:
    std::uint64_t state_;
};

// Index 0 is black, 1..16 run from full red down to nearly black. The rest is black
// padding: the palette keeps its 32 slots whatever the artwork happens to use.
QList<QRgb> redPalette() {
    QList<QRgb> colours(kPaletteSize, qRgb(0, 0, 0));
    for (int shade = 0; shade < kShadeCount; ++shade) {
        const int red =
            kBrightestRed -
            (shade * (kBrightestRed - kDarkestRed) + (kShadeCount - 1) / 2) / (kShadeCount - 1);
        colours[1 + shade] = qRgb(red, 0, 0);
    }
    return colours;
}

uchar paletteIndexFor(double intensity) {
    const double level = std::clamp(intensity, 0.0, 1.0) * kBrightestRed;
    if (level < kDarkestRed / 2.0)
        return 0;
    const double step = double(kBrightestRed - kDarkestRed) / (kShadeCount - 1);
    const int shade =
        std::clamp(int(std::lround((kBrightestRed - level) / step)), 0, kShadeCount - 1);
    return uchar(1 + shade);
}

// Coverage of each output pixel, averaged over its supersample block.
std::vector<double> downsample(const QImage& mask, int factor) {
    const int width = mask.width() / factor;
    const int height = mask.height() / factor;
    std::vector<double> coverage(std::size_t(width) * std::size_t(height), 0.0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int sum = 0;
            for (int sy = 0; sy < factor; ++sy) {
                const auto* line =
                    reinterpret_cast<const QRgb*>(mask.constScanLine(y * factor + sy));
                for (int sx = 0; sx < factor; ++sx)
                    sum += qRed(line[x * factor + sx]);
            }
            coverage[std::size_t(y) * std::size_t(width) + std::size_t(x)] =
                sum / (255.0 * factor * factor);
        }
    }
    return coverage;
}

// Smooth blotches for worn paint: bilinear value noise on a coarse lattice.
class Blotches {
public:
    Blotches(Dice& dice, int width, int height, double cell)
        : cell_(cell), columns_(int(width / cell) + 2), rows_(int(height / cell) + 2),
          lattice_(std::size_t(columns_) * std::size_t(rows_)) {
        for (double& value : lattice_)
            value = dice.unit();
    }

    double at(double x, double y) const {
        const double gx = x / cell_;
        const double gy = y / cell_;
        const int ix = int(gx);
        const int iy = int(gy);
        const double fx = smooth(gx - ix);
        const double fy = smooth(gy - iy);
        const double top = mix(node(ix, iy), node(ix + 1, iy), fx);
        const double bottom = mix(node(ix, iy + 1), node(ix + 1, iy + 1), fx);
        return mix(top, bottom, fy);
    }

private:
    static double smooth(double t) { return t * t * (3.0 - 2.0 * t); }
    static double mix(double a, double b, double t) { return a + (b - a) * t; }
    double node(int x, int y) const {
        return lattice_[std::size_t(y) * std::size_t(columns_) + std::size_t(x)];
    }

    double cell_;
    int columns_;
    int rows_;
    std::vector<double> lattice_;
};

QImage blankMask(int width, int height) {
    QImage mask(width, height, QImage::Format_RGB32);
    mask.fill(Qt::black);
    return mask;
}

QImage indexedImage(int width, int height, const QList<QRgb>& palette) {
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(palette);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(0);
    return image;
}

// The word's outline stretched to the box.
QPainterPath lettering(const QRectF& box) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const OutlineStep& step : kKorvathOutline) {
        const auto& p = step.points;
        if (step.op == 'M')
            path.moveTo(p[0], p[1]);
        else if (step.op == 'L')
            path.lineTo(p[0], p[1]);
        else
            path.cubicTo(p[0], p[1], p[2], p[3], p[4], p[5]);
    }
    const QRectF bounds = path.boundingRect();
    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / bounds.width(), box.height() / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(path);
}

// Scratches, cracks, chips and pits are cut out of the supersampled mask, so their edges
// come out as the darker reds rather than hard holes.
void distress(QImage& mask, Dice& dice, double scale) {
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double width = mask.width();
    const double height = mask.height();

    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 18; ++i) {
        const double x = dice.between(0.0, width);
        const double y = dice.between(0.0, height);
        const double tilt = dice.between(-0.9, 0.9);
        const double angle = tilt + (dice.unit() < 0.5 ? 0.0 : std::numbers::pi);
        const double length = dice.between(0.15, 0.45) * height;
        painter.setPen(
            QPen(Qt::black, dice.between(0.6, 1.4) * scale, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(x, y),
                         QPointF(x + std::cos(angle) * length * 2.5, y + std::sin(angle) * length));
    }

    for (int i = 0; i < 5; ++i) {
        const double crackTop = dice.between(0.0, height * 0.3);
        const double crackLeft = dice.between(0.0, width);
        QPainterPath crack(QPointF(crackLeft, crackTop));
        QPointF point = crack.currentPosition();
        for (int segment = 0; segment < 7; ++segment) {
            const double down = dice.between(1.0, 2.5) * scale;
            const double across = dice.between(-1.5, 1.5) * scale;
            point += QPointF(across, down);
            crack.lineTo(point);
        }
        painter.setPen(QPen(Qt::black, 0.7 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(crack);
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int i = 0; i < 260; ++i) {
        const double radius =
            (dice.unit() < 0.9 ? dice.between(0.25, 0.6) : dice.between(0.8, 1.6)) * scale;
        const double squash = dice.between(0.6, 1.0);
        const double centreY = dice.between(0.0, height);
        const double centreX = dice.between(0.0, width);
        painter.drawEllipse(QPointF(centreX, centreY), radius, radius * squash);
    }
}

// The same artwork at any whole multiple of its size: every shape and every random draw is
// laid out on the 1x banner and only rasterised finer.
QImage renderBanner(int scale) {
    const int factor = kBannerSupersample;
    const int width = kBannerWidth * scale;
    const int height = kBannerHeight * scale;
    const QRectF textBox(5.0 * scale, 5.0 * scale, (kBannerWidth - 10.0) * scale,
                         (kBannerHeight - 10.0) * scale);
    QImage mask = blankMask(width * factor, height * factor);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QRectF box(textBox.topLeft() * factor, textBox.size() * factor);
        // An outline pen on top of the fill makes the bold face heavier still.
        const double weight = 0.8 * factor * scale;
        const QRectF inner = box.adjusted(weight / 2, weight / 2, -weight / 2, -weight / 2);
        painter.setPen(QPen(Qt::white, weight, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::white);
        painter.drawPath(lettering(inner));
    }
    Dice dice(0x4B6F7276617468ULL);
    distress(mask, dice, factor * scale);
    const std::vector<double> coverage = downsample(mask, factor);

    const Blotches blotches(dice, kBannerWidth, kBannerHeight, 5.0);
    QImage banner = indexedImage(width, height, redPalette());
    for (int y = 0; y < height; ++y) {
        uchar* line = banner.scanLine(y);
        // Lit from above: bright along the top of the letters, fading towards the bottom.
        const double depth = std::clamp((y - textBox.top()) / textBox.height(), 0.0, 1.0);
        const double light = 1.3 - 0.75 * std::pow(depth, 1.3);
        for (int x = 0; x < width; ++x) {
            const double cover = coverage[std::size_t(y) * std::size_t(width) + std::size_t(x)];
            const double wear = 0.6 + 0.5 * blotches.at(double(x) / scale, double(y) / scale);
            const double grain = dice.between(0.82, 1.0);
            line[x] = paletteIndexFor(cover * std::min(1.0, light * wear) * grain);
        }
    }
    return banner;
}

// A heavy tick in a framed box, laid out on the design size and drawn on a canvas of the
// design size or a multiple of it, which is reduced for each icon size.
QImage iconDesign(int canvas) {
    const double size = kIconDesignSize;
    const double magnify = double(canvas) / kIconDesignSize;
    QImage mask = blankMask(canvas, canvas);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(magnify, magnify);

    const double frame = size * 0.09;
    painter.setPen(QPen(Qt::white, frame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const double inset = size * 0.06 + frame / 2;
    painter.drawRoundedRect(QRectF(inset, inset, size - 2 * inset, size - 2 * inset), size * 0.07,
                            size * 0.07);

    QPainterPath tick;
    tick.moveTo(size * 0.25, size * 0.52);
    tick.lineTo(size * 0.43, size * 0.70);
    tick.lineTo(size * 0.77, size * 0.28);
    painter.setPen(QPen(Qt::white, size * 0.14, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(tick);
    painter.end();

    // Light wear only: at 32 px anything heavier turns the mark to mush.
    Dice dice(0x7469636BULL);
    QPainter wear(&mask);
    wear.setRenderHint(QPainter::Antialiasing, false);
    wear.scale(magnify, magnify);
    for (int i = 0; i < 4; ++i) {
        const double fromY = dice.between(0.0, size);
        const double fromX = dice.between(0.0, size);
        const QPointF from(fromX, fromY);
        const double angle = dice.between(-0.7, 0.7);
        const double length = dice.between(0.25, 0.5) * size;
        wear.setPen(QPen(Qt::black, dice.between(1.5, 2.5), Qt::SolidLine, Qt::RoundCap));
        wear.drawLine(from, from + QPointF(std::cos(angle), std::sin(angle)) * length);
    }
    wear.setPen(Qt::NoPen);
    wear.setBrush(Qt::black);
    for (int i = 0; i < 40; ++i) {
        const double radius = dice.between(1.0, 3.0);
        const double squash = dice.between(0.6, 1.0);
        const double centreY = dice.between(0.0, size);
        const double centreX = dice.between(0.0, size);
        wear.drawEllipse(QPointF(centreX, centreY), radius, radius * squash);
    }
    return mask;
}

QImage renderIcon(const QImage& design, int size) {
    const int factor = design.width() / size;
    const std::vector<double> coverage = downsample(design, factor);
    QImage icon = indexedImage(size, size, redPalette());
    for (int y = 0; y < size; ++y) {
        uchar* line = icon.scanLine(y);
        const double light = 1.1 - 0.45 * double(y) / (size - 1);
        for (int x = 0; x < size; ++x) {
            const double cover = coverage[std::size_t(y) * std::size_t(size) + std::size_t(x)];
            line[x] = paletteIndexFor(cover * std::min(1.0, light));
        }
    }
    return icon;
}

void appendLe16(QByteArray& out, unsigned value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void appendLe32(QByteArray& out, std::uint32_t value) {
    appendLe16(out, value & 0xFFFF);
    appendLe16(out, value >> 16);
}

// Qt's ico writer always stores 32-bit colour; these are 8-bit bitmaps, which keeps the icon a
// true 256-colour one at every size. The first is the 32 px icon, which readers that take
// one image pick.
QByteArray icoFile(const std::vector<QImage>& icons) {
    QByteArray directory;
    QByteArray bitmaps;
    appendLe16(directory, 0);
    appendLe16(directory, 1);
    appendLe16(directory, unsigned(icons.size()));
    for (const QImage& icon : icons) {
        const int size = icon.width();
        const int xorStride = (size + 3) & ~3;
        const int andStride = ((size + 31) / 32) * 4;
        const int bitmapBytes = 40 + kIcoColours * 4 + xorStride * size + andStride * size;

        directory.append(char(size & 0xFF)); // 0 means 256 pixels
        directory.append(char(size & 0xFF));
        directory.append(char(0)); // 0 means 256 colours
        directory.append(char(0));
        appendLe16(directory, 1);
        appendLe16(directory, 8);
        appendLe32(directory, std::uint32_t(bitmapBytes));
        appendLe32(directory, std::uint32_t(6 + 16 * icons.size() + bitmaps.size()));

        QByteArray& out = bitmaps;
        appendLe32(out, 40);
        appendLe32(out, std::uint32_t(size));
        appendLe32(out, std::uint32_t(size * 2)); // colour rows plus mask rows
        appendLe16(out, 1);
        appendLe16(out, 8);
        appendLe32(out, 0);
        appendLe32(out, std::uint32_t(xorStride * size + andStride * size));
        appendLe32(out, 0);
        appendLe32(out, 0);
        appendLe32(out, kIcoColours);
        appendLe32(out, 0);

        const QList<QRgb> colours = icon.colorTable();
        for (int i = 0; i < kIcoColours; ++i) {
            const QRgb colour = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
            out.append(char(qBlue(colour)));
            out.append(char(qGreen(colour)));
            out.append(char(qRed(colour)));
            out.append(char(0));
        }
        for (int y = size - 1; y >= 0; --y) {
            out.append(reinterpret_cast<const char*>(icon.constScanLine(y)), size);
            out.append(QByteArray(xorStride - size, '\0'));
        }
        // Every pixel is opaque, so the transparency mask is all clear.
        out.append(QByteArray(andStride * size, '\0'));
    }
    return directory + bitmaps;
}

bool writeImage(const QImage& image, const QString& path, const char* format = "png") {
    QImageWriter writer(path, format);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "generate_assets: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
}

bool writeFile(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "generate_assets: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(file.errorString()));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() > 2) {
        std::fprintf(stderr, "usage: generate_assets [output-directory]\n");
        return 2;
    }
    const QString outputDir =
        arguments.size() == 2 ? arguments[1] : QStringLiteral(TALLYGLYPH_ASSETS_SOURCE_DIR);
    if (!QDir().mkpath(outputDir)) {
        std::fprintf(stderr, "generate_assets: cannot create %s\n", qPrintable(outputDir));
        return 1;
    }

    const QDir dir(outputDir);
    const QImage design = iconDesign(kIconDesignSize);
    const QImage largeDesign = iconDesign(kIconLargeCanvas);
    const auto iconOfSize = [&](int size) {
        return renderIcon(kIconDesignSize % size == 0 ? design : largeDesign, size);
    };
    const QImage banner = renderBanner(1);
    const QImage doubleBanner = renderBanner(2);
    bool written = writeImage(banner, dir.filePath(QStringLiteral("banner.png"))) &&
                   writeImage(doubleBanner, dir.filePath(QStringLiteral("banner@2x.png"))) &&
                   writeImage(banner, dir.filePath(QStringLiteral("banner.bmp")), "bmp") &&
                   writeImage(doubleBanner, dir.filePath(QStringLiteral("banner@2x.bmp")), "bmp") &&
                   writeImage(iconOfSize(32), dir.filePath(QStringLiteral("icon.png")));
    // The sizes the desktop's icon theme asks for, besides the 32 px one above.
    for (const int size : {16, 24, 48, 64, 128, 256})
        written = written && writeImage(iconOfSize(size),
                                        dir.filePath(QStringLiteral("icon-%1.png").arg(size)));
    // Windows' title bars, task bars and folders at 100 % and 200 %, and its largest view.
    std::vector<QImage> windowsIcons;
    for (const int size : {32, 16, 24, 48, 64, 256})
        windowsIcons.push_back(iconOfSize(size));
    written =
        written && writeFile(icoFile(windowsIcons), dir.filePath(QStringLiteral("tallyglyph.ico")));
    return written ? 0 : 1;
}
