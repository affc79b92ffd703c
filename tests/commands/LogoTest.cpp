// The logo: pictures reduced to 64 × 64 dots, the wire form, drawing a read logo.
#include "commands/Logo.h"
#include "common/Error.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

using namespace tevo;

namespace {

QImage filled(int w, int h, QRgb colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage img(w, h, format);
    img.fill(colour);
    return img;
}

// The picture columns that the 64 logo columns sample, in logo column order: a picture dark
// in one column only shows which logo columns see it.
std::vector<int> sampledColumns(int width)
{
    std::vector<int> columns;
    for (int c = 0; c < width; ++c) {
        QImage img = filled(width, 8, qRgb(255, 255, 255));
        for (int y = 0; y < 8; ++y)
            img.setPixel(c, y, qRgb(0, 0, 0));
        const LogoPixels logo = logoFromImage(img);
        for (int x = 1; x <= 64; ++x) {
            if (logo.at(x, 1))
                columns.push_back(c);
        }
    }
    return columns;
}

int darkCount(const LogoPixels &logo)
{
    int n = 0;
    for (int y = 1; y <= 64; ++y)
        for (int x = 1; x <= 64; ++x)
            n += logo.at(x, y);
    return n;
}

} // namespace

TEST(PackBits, FirstFlagIsTheHighBit)
{
    struct Case {
        std::array<quint8, 8> flags;
        uchar byte;
    } cases[] = {
        {{1, 0, 0, 0, 0, 0, 0, 0}, 0x80}, {{0, 0, 0, 0, 0, 0, 0, 1}, 0x01},
        {{0, 0, 0, 0, 0, 0, 0, 0}, 0x00}, {{1, 1, 1, 1, 1, 1, 1, 1}, 0xFF},
        {{0, 1, 0, 1, 0, 0, 1, 1}, 0x53}, {{2, 0, 0, 0, 0, 0, 0, 255}, 0x81}, // any non-zero flag counts
    };
    for (const Case &c : cases)
        EXPECT_EQ(packBits(c.flags), c.byte);
}

TEST(LogoFromImage, SamplesRoundedPixelPositions)
{
    struct Case {
        int width;
        std::vector<int> firstColumns; // the picture columns the first logo columns sample
    } cases[] = {
        {64, {0, 1, 2, 3, 4, 5, 6, 7}},
        {128, {0, 2, 4, 6, 8, 10, 12, 14}},
        {96, {0, 2, 3, 4, 6, 8, 9, 10}}, // 1.5 · (x − 1), halves to even
        {32, {0, 0, 1, 2, 2, 2, 3, 4}},  // 0.5 · (x − 1)
    };
    for (const Case &c : cases) {
        const std::vector<int> columns = sampledColumns(c.width);
        ASSERT_EQ(columns.size(), 64u) << c.width;
        EXPECT_EQ(std::vector<int>(columns.begin(), columns.begin() + 8), c.firstColumns) << c.width;
    }
}

TEST(LogoFromImage, RowsSampleLikeColumns)
{
    QImage img = filled(96, 96, qRgb(255, 255, 255));
    for (int x = 0; x < 96; ++x)
        img.setPixel(x, 3, qRgb(0, 0, 0)); // row 3 is sampled by logo row y = 3 (1.5 · 2)
    const LogoPixels logo = logoFromImage(img);
    for (int y = 1; y <= 64; ++y)
        EXPECT_EQ(logo.at(10, y), y == 3) << y;
}

TEST(LogoFromImage, PixelForPixelAtSixtyFour)
{
    QImage img = filled(64, 64, qRgb(255, 255, 255));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if ((x * 7 + y * 3) % 5 == 0)
                img.setPixel(x, y, qRgb(10, 20, 30));
    const LogoPixels logo = logoFromImage(img);
    for (int y = 1; y <= 64; ++y)
        for (int x = 1; x <= 64; ++x)
            EXPECT_EQ(logo.at(x, y), ((x - 1) * 7 + (y - 1) * 3) % 5 == 0) << x << "," << y;
}

TEST(LogoFromImage, OnlyExactWhiteIsBlank)
{
    struct Case {
        QRgb colour;
        bool dark;
    } cases[] = {
        {qRgb(255, 255, 255), false}, {qRgba(255, 255, 255, 0), false}, {qRgb(254, 255, 255), true},
        {qRgb(255, 254, 255), true},  {qRgb(255, 255, 254), true},      {qRgb(0, 0, 0), true},
        {qRgb(255, 0, 0), true},
    };
    for (const Case &c : cases) {
        const LogoPixels logo = logoFromImage(filled(64, 64, c.colour, QImage::Format_ARGB32));
        EXPECT_EQ(darkCount(logo), c.dark ? 4096 : 0) << std::hex << c.colour;
    }
}

TEST(LogoFromImage, SmallAndOddPicturesStayInside)
{
    for (const QSize size : {QSize(1, 1), QSize(2, 3), QSize(31, 31), QSize(33, 1), QSize(1, 65), QSize(4000, 1)}) {
        const LogoPixels logo = logoFromImage(filled(size.width(), size.height(), qRgb(0, 0, 0)));
        EXPECT_EQ(darkCount(logo), 4096) << size.width() << "x" << size.height();
    }
    // Width 1: 1/64 · 63 rounds to 1, which is past the picture; it must stay at 0.
    QImage one = filled(1, 1, qRgb(255, 255, 255));
    EXPECT_TRUE(logoFromImage(one).isBlank());
    EXPECT_TRUE(logoFromImage(QImage()).isBlank());
}

TEST(LogoFromImage, IndexedPicturesUseTheirColours)
{
    QImage mono(130, 130, QImage::Format_Mono);
    mono.setColor(0, qRgb(255, 255, 255));
    mono.setColor(1, qRgb(0, 0, 0));
    mono.fill(0);
    mono.setPixel(0, 0, 1);
    const LogoPixels logo = logoFromImage(mono);
    EXPECT_EQ(darkCount(logo), 1);
    EXPECT_TRUE(logo.at(1, 1));
}

TEST(LogoData, WhiteBlackAndSingleDots)
{
    struct Case {
        const char *what;
        QImage image;
        QByteArray data;
    };
    QImage topLeft = filled(64, 64, qRgb(255, 255, 255));
    topLeft.setPixel(0, 0, qRgb(0, 0, 0));
    QImage topRight = filled(64, 64, qRgb(255, 255, 255));
    topRight.setPixel(63, 0, qRgb(0, 0, 0));
    QImage bottomRight = filled(64, 64, qRgb(255, 255, 255));
    bottomRight.setPixel(63, 63, qRgb(0, 0, 0));
    QImage secondRowNinth = filled(64, 64, qRgb(255, 255, 255));
    secondRowNinth.setPixel(8, 1, qRgb(0, 0, 0));

    auto with = [](int at, char byte) {
        QByteArray d(512, '\0');
        d[at] = byte;
        return d;
    };
    const Case cases[] = {
        {"all white", filled(64, 64, qRgb(255, 255, 255)), QByteArray(512, '\0')},
        {"all black", filled(64, 64, qRgb(0, 0, 0)), QByteArray(512, char(0xFF))},
        {"top left", topLeft, with(0, char(0x80))},
        {"top right", topRight, with(7, char(0x01))},
        {"bottom right", bottomRight, with(511, char(0x01))},
        {"row 2, column 9", secondRowNinth, with(9, char(0x80))},
    };
    for (const Case &c : cases) {
        const LogoPixels logo = logoFromImage(c.image);
        EXPECT_EQ(logoData(logo), c.data) << c.what;
        const QByteArray request = buildLogoWriteRequest(logo);
        ASSERT_EQ(request.size(), 513);
        EXPECT_EQ(request.at(0), char(0x8C));
        EXPECT_EQ(request.mid(1), c.data) << c.what;
        EXPECT_EQ(logoFromReply(QByteArray(1, char(0xAA)) + c.data), logo) << c.what;
    }
}

TEST(LogoReply, NeedsFiveHundredAndThirteenBytes)
{
    EXPECT_THROW(logoFromReply(QByteArray(512, '\0')), InputError);
    EXPECT_TRUE(logoFromReply(QByteArray(513, '\0')).isBlank());
}

TEST(DrawLogo, PaintsTheTopLeftCornerOnly)
{
    LogoPixels logo;
    logo.set(1, 1, true);
    logo.set(64, 64, true);
    logo.set(10, 20, true);

    QImage big = filled(100, 80, qRgb(255, 0, 0));
    drawLogo(big, logo);
    EXPECT_EQ(big.size(), QSize(100, 80));
    EXPECT_EQ(big.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(big.pixel(63, 63), qRgb(0, 0, 0));
    EXPECT_EQ(big.pixel(9, 19), qRgb(0, 0, 0));
    EXPECT_EQ(big.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(big.pixel(64, 0), qRgb(255, 0, 0));
    EXPECT_EQ(big.pixel(0, 64), qRgb(255, 0, 0));
    EXPECT_EQ(logoFromImage(big.copy(0, 0, 64, 64)), logo);
}

TEST(DrawLogo, NullAndSmallPicturesAreMadeBigEnough)
{
    LogoPixels logo;
    logo.set(64, 1, true);

    QImage none;
    drawLogo(none, logo);
    ASSERT_EQ(none.size(), QSize(64, 64));
    EXPECT_EQ(logoFromImage(none), logo);

    QImage small = filled(10, 100, qRgb(0, 0, 255));
    drawLogo(small, logo);
    ASSERT_EQ(small.size(), QSize(64, 100));
    EXPECT_EQ(logoFromImage(small.copy(0, 0, 64, 64)), logo);
    EXPECT_EQ(small.pixel(5, 70), qRgb(0, 0, 255)) << "the old picture stays below the logo";
}

TEST(DrawLogo, IndexedPictures)
{
    LogoPixels logo;
    logo.set(2, 3, true);

    // The design-time picture: 65 × 65 monochrome. It keeps its format.
    QImage mono(65, 65, QImage::Format_Mono);
    mono.setColor(0, qRgb(0, 0, 0));
    mono.setColor(1, qRgb(255, 255, 255));
    mono.fill(0);
    drawLogo(mono, logo);
    EXPECT_EQ(mono.format(), QImage::Format_Mono);
    EXPECT_EQ(logoFromImage(mono.copy(0, 0, 64, 64)), logo);
    EXPECT_EQ(mono.pixel(64, 64), qRgb(0, 0, 0));

    // A palette without black and white turns into RGB.
    QImage grey(64, 64, QImage::Format_Indexed8);
    grey.setColorTable({qRgb(128, 128, 128)});
    grey.fill(0);
    drawLogo(grey, logo);
    EXPECT_EQ(logoFromImage(grey), logo);
}

// A bottom-up or top-down uncompressed bitmap written by hand (Qt writes only bottom-up).
QByteArray handMadeBitmap(const QImage &img, int bits, bool topDown)
{
    const int w = img.width();
    const int h = img.height();
    const int stride = (w * bits + 31) / 32 * 4;
    QByteArray out(54 + stride * h, '\0');
    auto put32 = [&out](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<quint32>(out.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<quint32>(w));
    put32(22, static_cast<quint32>(topDown ? -h : h));
    out[26] = 1;
    out[28] = static_cast<char>(bits);
    for (int y = 0; y < h; ++y) {
        const int fileRow = topDown ? y : h - 1 - y;
        for (int x = 0; x < w; ++x) {
            const QRgb c = img.pixel(x, y);
            char *p = out.data() + 54 + fileRow * stride + x * bits / 8;
            p[0] = static_cast<char>(qBlue(c));
            p[1] = static_cast<char>(qGreen(c));
            p[2] = static_cast<char>(qRed(c));
            if (bits == 32)
                p[3] = static_cast<char>(0x7F);
        }
    }
    return out;
}

TEST(LogoFromFile, ReadsEveryKindOfBitmapAsThePictureWouldShow)
{
    QImage pattern = filled(333, 201, qRgb(255, 255, 255));
    for (int y = 0; y < pattern.height(); ++y)
        for (int x = 0; x < pattern.width(); ++x)
            if ((x / 3 + y / 2) % 3 == 0)
                pattern.setPixel(x, y, (x % 2) ? qRgb(0, 0, 0) : qRgb(255, 255, 254));
    QTemporaryDir dir;
    struct Case {
        const char *what;
        QByteArray file;
    };
    auto saved = [&pattern](QImage::Format format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        pattern.convertToFormat(format, Qt::ThresholdDither).save(&buffer, "BMP");
        return bytes;
    };
    const Case cases[] = {
        {"24 bit", saved(QImage::Format_RGB888)},
        {"32 bit", saved(QImage::Format_ARGB32)},
        {"8 bit", saved(QImage::Format_Indexed8)},
        {"1 bit", saved(QImage::Format_Mono)},
        {"24 bit by hand", handMadeBitmap(pattern, 24, false)},
        {"24 bit top-down", handMadeBitmap(pattern, 24, true)},
        {"32 bit top-down", handMadeBitmap(pattern, 32, true)},
        {"png",
         [&pattern] {
             QByteArray bytes;
             QBuffer buffer(&bytes);
             buffer.open(QIODevice::WriteOnly);
             pattern.save(&buffer, "PNG");
             return bytes;
         }()},
    };
    for (const Case &c : cases) {
        const QString path = dir.filePath(QStringLiteral("picture"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.file);
        file.close();
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << c.what;
        const LogoPixels logo = logoFromFile(path);
        EXPECT_EQ(logo, logoFromImage(image)) << c.what;
        EXPECT_GT(darkCount(logo), 500) << c.what;
        EXPECT_LT(darkCount(logo), 4096) << c.what;
    }
}

TEST(LogoFromFile, OpensBitmapsAndRefusesWhatItCannotRead)
{
    QTemporaryDir dir;
    QImage img = filled(128, 128, qRgb(255, 255, 255));
    img.setPixel(2, 4, qRgb(0, 0, 0));
    const QString path = dir.filePath(QStringLiteral("logo.bmp"));
    ASSERT_TRUE(img.save(path, "BMP"));
    const LogoPixels logo = logoFromFile(path);
    EXPECT_EQ(darkCount(logo), 1);
    EXPECT_TRUE(logo.at(2, 3));

    EXPECT_THROW(logoFromFile(dir.filePath(QStringLiteral("missing.bmp"))), FileError);

    // A bitmap cut short is not sampled past its end.
    QFile cut(dir.filePath(QStringLiteral("cut.bmp")));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(handMadeBitmap(filled(100, 100, qRgb(0, 0, 0)), 24, false).left(2000));
    cut.close();
    try {
        logoFromFile(cut.fileName());
    } catch (const FileError &) {
    }

    QFile text(dir.filePath(QStringLiteral("text.bmp")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("BM not a picture");
    text.close();
    EXPECT_THROW(logoFromFile(text.fileName()), FileError);
}
