#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

const QStringList kGeneratedFiles = {
    QStringLiteral("banner.png"),   QStringLiteral("banner@2x.png"),
    QStringLiteral("icon.png"),     QStringLiteral("icon-16.png"),
    QStringLiteral("icon-24.png"),  QStringLiteral("icon-48.png"),
    QStringLiteral("icon-64.png"),  QStringLiteral("icon-128.png"),
    QStringLiteral("icon-256.png"), QStringLiteral("tallyglyph.ico"),
    QStringLiteral("banner.bmp"),   QStringLiteral("banner@2x.bmp")};

QString assetPath(const QString& name) {
    return QDir(QStringLiteral(TALLYGLYPH_ASSETS_DIR)).filePath(name);
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage loadAsset(const QString& name) {
    QImage image(assetPath(name));
    EXPECT_FALSE(image.isNull()) << "cannot load " << qPrintable(assetPath(name));
    return image;
}

std::uint32_t bigEndian32(const QByteArray& bytes, qsizetype at) {
    std::uint32_t value = 0;
    for (qsizetype i = 0; i < 4; ++i)
        value = (value << 8) | std::uint8_t(bytes[at + i]);
    return value;
}

unsigned littleEndian16(const QByteArray& bytes, qsizetype at) {
    return unsigned(std::uint8_t(bytes[at])) | unsigned(std::uint8_t(bytes[at + 1])) << 8;
}

struct PngChunk {
    QByteArray type;
    QByteArray data;
};

// The decoded QImage hides how the file stores its palette, so read the chunks directly.
std::vector<PngChunk> pngChunks(const QByteArray& png) {
    std::vector<PngChunk> chunks;
    if (!png.startsWith("\x89PNG\r\n\x1a\n"))
        return chunks;
    qsizetype at = 8;
    while (at + 12 <= png.size()) {
        const qsizetype length = bigEndian32(png, at);
        if (at + 12 + length > png.size())
            break;
        chunks.push_back({png.mid(at + 4, 4), png.mid(at + 8, length)});
        at += 12 + length;
    }
    return chunks;
}

std::optional<PngChunk> findChunk(const std::vector<PngChunk>& chunks, const char* type) {
    for (const PngChunk& chunk : chunks) {
        if (chunk.type == type)
            return chunk;
    }
    return std::nullopt;
}

QSet<QRgb> distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours;
}

TEST(BannerImage, Is224By48IndexedWith32Colours) {
    const QImage banner = loadAsset(QStringLiteral("banner.png"));
    EXPECT_EQ(banner.size(), QSize(224, 48));
    EXPECT_EQ(banner.format(), QImage::Format_Indexed8);
    EXPECT_EQ(banner.colorCount(), 32);
}

TEST(BannerImage, FileStoresA32EntryPaletteAndNoTransparency) {
    const std::vector<PngChunk> chunks = pngChunks(readBytes(assetPath("banner.png")));
    ASSERT_FALSE(chunks.empty());

    const auto header = findChunk(chunks, "IHDR");
    ASSERT_TRUE(header.has_value());
    ASSERT_EQ(header->data.size(), 13);
    EXPECT_EQ(header->data[8], 8) << "bit depth";
    EXPECT_EQ(header->data[9], 3) << "colour type should be palette";

    const auto palette = findChunk(chunks, "PLTE");
    ASSERT_TRUE(palette.has_value());
    EXPECT_EQ(palette->data.size(), 32 * 3);
    EXPECT_FALSE(findChunk(chunks, "tRNS").has_value());
}

TEST(BannerImage, IsOpaquePureRedOnBlack) {
    const QImage banner = loadAsset(QStringLiteral("banner.png"));
    for (QRgb entry : banner.colorTable())
        EXPECT_EQ(qAlpha(entry), 255);

    const QSet<QRgb> colours = distinctColours(banner);
    EXPECT_TRUE(colours.contains(qRgb(0, 0, 0)));
    EXPECT_TRUE(colours.contains(qRgb(255, 0, 0)));
    for (QRgb colour : colours) {
        EXPECT_EQ(qAlpha(colour), 255);
        EXPECT_EQ(qGreen(colour), 0) << std::hex << colour;
        EXPECT_EQ(qBlue(colour), 0) << std::hex << colour;
    }
}

TEST(BannerImage, ShadesRunFromFullRedDownToNearlyBlack) {
    const QImage banner = loadAsset(QStringLiteral("banner.png"));
    QSet<int> reds;
    for (QRgb colour : distinctColours(banner)) {
        if (qRed(colour) > 0)
            reds.insert(qRed(colour));
    }
    ASSERT_GE(reds.size(), 16);
    const std::vector<int> sorted(reds.begin(), reds.end());
    EXPECT_EQ(*std::max_element(sorted.begin(), sorted.end()), 255);
    EXPECT_LE(*std::min_element(sorted.begin(), sorted.end()), 32);
}

TEST(BannerImage, LetteringSpansTheBanner) {
    const QImage banner = loadAsset(QStringLiteral("banner.png"));
    QRect lit;
    int litPixels = 0;
    for (int y = 0; y < banner.height(); ++y) {
        for (int x = 0; x < banner.width(); ++x) {
            if (qRed(banner.pixel(x, y)) >= 128) {
                lit |= QRect(x, y, 1, 1);
                ++litPixels;
            }
        }
    }
    EXPECT_GE(lit.width(), banner.width() * 85 / 100);
    EXPECT_GE(lit.height(), banner.height() * 70 / 100);
    // Heavy type covers a good share of the banner; worn letters still leave black around them.
    const int area = banner.width() * banner.height();
    EXPECT_GT(litPixels, area / 5);
    EXPECT_LT(litPixels, area * 3 / 5);
}

// Each 2x2 block of the double-size banner, averaged, lights what the banner lights.
TEST(BannerImage, DoubleSizeBannerIsTheSameArtworkAt448By96) {
    const QImage banner = loadAsset(QStringLiteral("banner.png"));
    const QImage doubled = loadAsset(QStringLiteral("banner@2x.png"));
    ASSERT_EQ(doubled.size(), QSize(448, 96));
    EXPECT_EQ(doubled.format(), QImage::Format_Indexed8);
    EXPECT_EQ(doubled.colorTable(), banner.colorTable());

    int disagreements = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 224; ++x) {
            int sum = 0;
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx)
                    sum += qRed(doubled.pixel(x * 2 + dx, y * 2 + dy));
            }
            disagreements += (sum / 4 >= 96) != (qRed(banner.pixel(x, y)) >= 96);
        }
    }
    EXPECT_LE(disagreements, 224 * 48 / 10);
}

TEST(IconImages, SmallIconIs32SquareWithAtMost256Colours) {
    const QImage icon = loadAsset(QStringLiteral("icon.png"));
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.format(), QImage::Format_Indexed8);
    EXPECT_LE(icon.colorCount(), 256);
    EXPECT_FALSE(icon.hasAlphaChannel());
}

TEST(IconImages, LargeIconIs128SquareWithTheSameDesign) {
    const QImage small = loadAsset(QStringLiteral("icon.png"));
    const QImage large = loadAsset(QStringLiteral("icon-128.png"));
    ASSERT_EQ(large.size(), QSize(128, 128));
    ASSERT_EQ(small.size(), QSize(32, 32));
    EXPECT_EQ(large.format(), QImage::Format_Indexed8);

    // Averaged down to 32 px, the large icon should light the same pixels as the small one.
    int disagreements = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            int sum = 0;
            for (int dy = 0; dy < 4; ++dy) {
                for (int dx = 0; dx < 4; ++dx)
                    sum += qRed(large.pixel(x * 4 + dx, y * 4 + dy));
            }
            const bool largeLit = sum / 16 >= 96;
            const bool smallLit = qRed(small.pixel(x, y)) >= 96;
            disagreements += largeLit != smallLit;
        }
    }
    EXPECT_LE(disagreements, 32 * 32 / 20);
}

// Every size the desktop asks for is the same mark: square, indexed, and lit about as much
// as the 32 px icon.
TEST(IconImages, EachDesktopSizeIsTheSameMark) {
    const auto litShare = [](const QImage& icon) {
        int lit = 0;
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x)
                lit += qRed(icon.pixel(x, y)) >= 96;
        }
        return double(lit) / (icon.width() * icon.height());
    };
    const double reference = litShare(loadAsset(QStringLiteral("icon.png")));
    for (const int size : {16, 24, 48, 64, 128, 256}) {
        const QImage icon = loadAsset(QStringLiteral("icon-%1.png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_EQ(icon.format(), QImage::Format_Indexed8) << size;
        EXPECT_NEAR(litShare(icon), reference, 0.1) << size;
    }
}

TEST(IconImages, SmallIconIsAVisibleMark) {
    const QImage icon = loadAsset(QStringLiteral("icon.png"));
    int bright = 0;
    int dark = 0;
    for (QRgb colour : distinctColours(icon)) {
        bright += qRed(colour) >= 200;
        dark += qRed(colour) == 0;
    }
    EXPECT_GT(bright, 0);
    EXPECT_GT(dark, 0);
}

bool samePixels(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

TEST(WindowsArtwork, BitmapBannersAreThePngBanners) {
    for (const char* name : {"banner", "banner@2x"}) {
        const QImage bitmap = loadAsset(QStringLiteral("%1.bmp").arg(QLatin1String(name)));
        EXPECT_EQ(bitmap.format(), QImage::Format_Indexed8) << name;
        EXPECT_TRUE(
            samePixels(bitmap, loadAsset(QStringLiteral("%1.png").arg(QLatin1String(name)))))
            << name;
    }
}

// The 32 px icon comes first, for readers that take one image; every entry is a 256-colour
// bitmap with the pixels of the PNG of its size.
TEST(WindowsArtwork, IconFileHoldsTheWindowsSizesAsDrawn) {
    const QByteArray ico = readBytes(assetPath(QStringLiteral("tallyglyph.ico")));
    ASSERT_GE(ico.size(), 6 + 16 + 40);
    EXPECT_EQ(littleEndian16(ico, 2), 1u) << "resource type should be icon";
    const int sizes[] = {32, 16, 24, 48, 64, 256};
    ASSERT_EQ(littleEndian16(ico, 4), std::size(sizes)) << "image count";
    QImageReader reader(assetPath(QStringLiteral("tallyglyph.ico")), "ico");
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        const qsizetype entry = 6 + 16 * qsizetype(i);
        EXPECT_EQ(std::uint8_t(ico[entry]), sizes[i] % 256);
        EXPECT_EQ(std::uint8_t(ico[entry + 2]), 0) << "0 stands for 256 colours";
        EXPECT_EQ(littleEndian16(ico, entry + 6), 8u) << "bits per pixel";
        ASSERT_TRUE(reader.jumpToImage(int(i)));
        const QImage fromIco = reader.read();
        const QString png = sizes[i] == 32 ? QStringLiteral("icon.png")
                                           : QStringLiteral("icon-%1.png").arg(sizes[i]);
        EXPECT_TRUE(samePixels(fromIco, loadAsset(png))) << sizes[i];
    }
}

class Generator : public ::testing::Test {
protected:
    static int run(const QStringList& arguments) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(QStringLiteral(TALLYGLYPH_GENERATOR), arguments);
        if (!process.waitForFinished(120000))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
};

// Compared as decoded pixels: the compressed bytes depend on the PNG and zlib at hand.
TEST_F(Generator, ReproducesTheCommittedImagesPixelForPixel) {
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    ASSERT_EQ(run({output.path()}), 0);

    for (const QString& name : kGeneratedFiles) {
        const QImage committed(assetPath(name));
        const QImage regenerated(QDir(output.path()).filePath(name));
        ASSERT_FALSE(committed.isNull()) << qPrintable(name);
        ASSERT_FALSE(regenerated.isNull()) << qPrintable(name);
        EXPECT_EQ(committed.size(), regenerated.size()) << qPrintable(name);
        EXPECT_TRUE(committed.convertToFormat(QImage::Format_ARGB32) ==
                    regenerated.convertToFormat(QImage::Format_ARGB32))
            << qPrintable(name) << " differs from a fresh run";
    }
}

TEST_F(Generator, FailsWhenTheOutputCannotBeWritten) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString blocker = QDir(scratch.path()).filePath(QStringLiteral("not-a-directory"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    EXPECT_NE(run({blocker}), 0);
    EXPECT_NE(run({scratch.path(), QStringLiteral("extra")}), 0);
    EXPECT_FALSE(QFile::exists(QDir(scratch.path()).filePath(QStringLiteral("banner.png"))));
}

} // namespace
