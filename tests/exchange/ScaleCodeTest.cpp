// The scale code page and the label-format codes.
#include "Bytes.h"
#include "common/Codepage.h"
#include "common/ScalePage.h"
#include "exchange/GoodsRecord.h"
#include "exchange/ScaleCode.h"

#include <QList>
#include <gtest/gtest.h>

using namespace tevo;
using tevo::test::bytes;

namespace {

struct ByteRule {
    const char *what;
    int from, to; // input range, inclusive
    int expected; // output for `from`; rises with the input when `shift` is set
    bool shift;
};

} // namespace

TEST(ScaleCode, ToScaleCodeFollowsEveryRowOfItsTable)
{
    const ByteRule rules[] = {
        {"ASCII with 0x00", 0x00, 0x7F, 0x00, true},
        {"А … п", 0xC0, 0xEF, 0x80, true},
        {"р … я", 0xF0, 0xFF, 0xE0, true},
        {"Ё", 0xA8, 0xA8, 0xF0, false},
        {"ё", 0xB8, 0xB8, 0xF1, false},
        {"Є", 0xAA, 0xAA, 0xF4, false},
        {"є", 0xBA, 0xBA, 0xF5, false},
        {"І", 0xB2, 0xB2, 0xF6, false},
        {"і", 0xB3, 0xB3, 0xF7, false},
        {"Ї", 0xAF, 0xAF, 0xF8, false},
        {"ї", 0xBF, 0xBF, 0xF9, false},
    };
    bool covered[256] = {};
    for (const ByteRule &r : rules) {
        for (int c = r.from; c <= r.to; ++c) {
            covered[c] = true;
            EXPECT_EQ(toScaleCode(static_cast<uchar>(c)), r.shift ? r.expected + (c - r.from) : r.expected)
                << r.what << " input " << c;
        }
    }
    for (int c = 0x80; c <= 0xBF; ++c) {
        if (!covered[c]) {
            EXPECT_EQ(toScaleCode(static_cast<uchar>(c)), 0x2A) << "unmapped input " << c;
        }
    }
}

TEST(ScaleCode, FromScaleCodeFollowsEveryRowOfItsTable)
{
    const ByteRule rules[] = {
        {"ASCII", 0x00, 0x7F, 0x00, true}, {"А … п", 0x80, 0xAF, 0xC0, true}, {"line drawing", 0xB0, 0xDF, 0x2A, false},
        {"р … я", 0xE0, 0xEF, 0xF0, true}, {"Ё", 0xF0, 0xF0, 0xA8, false},    {"ё", 0xF1, 0xF1, 0xB8, false},
        {"Ґ ґ", 0xF2, 0xF3, 0x2A, false},  {"Є", 0xF4, 0xF4, 0xAA, false},    {"є", 0xF5, 0xF5, 0xBA, false},
        {"І", 0xF6, 0xF6, 0xB2, false},    {"і", 0xF7, 0xF7, 0xB3, false},    {"Ї", 0xF8, 0xF8, 0xAF, false},
        {"ї", 0xF9, 0xF9, 0xBF, false},    {"tail", 0xFA, 0xFF, 0x2A, false},
    };
    int covered = 0;
    for (const ByteRule &r : rules) {
        for (int c = r.from; c <= r.to; ++c, ++covered)
            EXPECT_EQ(fromScaleCode(static_cast<uchar>(c)), r.shift ? r.expected + (c - r.from) : r.expected)
                << r.what << " input " << c;
    }
    EXPECT_EQ(covered, 256);
}

TEST(ScaleCode, EveryMappedByteComesBackAndEveryOtherBecomesAsterisk)
{
    for (int c = 0; c < 256; ++c) {
        const uchar scale = toScaleCode(static_cast<uchar>(c));
        const uchar back = fromScaleCode(scale);
        const int expected = scale == 0x2A ? 0x2A : c;
        EXPECT_EQ(back, expected) << c;
    }
}

TEST(ScaleCode, TextsConvertBothWays)
{
    struct Case {
        QString text;
        QByteArray scale;
    } cases[] = {
        {QStringLiteral("Їжак"), bytes({0xF8, 0xA6, 0xA0, 0xAA})},
        {QStringLiteral("Сир"), bytes({0x91, 0xA8, 0xE0})},
        {QStringLiteral("Ёё Єє Іі Її"), bytes({0xF0, 0xF1, 0x20, 0xF4, 0xF5, 0x20, 0xF6, 0xF7, 0x20, 0xF8, 0xF9})},
        {QStringLiteral("Latin 0123 ~"), QByteArray("Latin 0123 ~")},
        {QString(QChar(0)) + QStringLiteral("a"), bytes({0x00, 'a'})},
        {QString(), QByteArray()},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(encodeScaleText(c.text), c.scale) << c.text.toStdString();
        EXPECT_EQ(decodeScaleText(c.scale), c.text) << c.text.toStdString();
    }
}

TEST(ScaleCode, CharactersTheScaleLacksBecomeOneAsteriskEach)
{
    struct Case {
        const char *what;
        QString text;
    } cases[] = {
        {"Ґ ґ", QStringLiteral("Ґґ")},
        {"numero sign", QStringLiteral("№")},
        {"Windows-1251 quotes", QStringLiteral("«»“”„")},
        {"dashes", QStringLiteral("–—")},
        {"euro (in cp1251, not on the scale)", QStringLiteral("€")},
        {"not in cp1251 at all", QStringLiteral("ßé中")},
        {"outside the basic plane", QStringLiteral("😀")},
        {"lone surrogate", QString(QChar(0xD800))},
    };
    for (const Case &c : cases) {
        const QByteArray out = encodeScaleText(c.text);
        EXPECT_EQ(out, QByteArray(c.text.toUcs4().size(), '*')) << c.what;
    }
    EXPECT_EQ(encodeScaleText(QStringLiteral("?")), QByteArray("?")) << "a real question mark stays";
}

TEST(ScaleCode, ScaleBytesWithoutALetterComeBackAsAsterisk)
{
    for (int b : {0xB0, 0xC5, 0xDF, 0xF2, 0xF3, 0xFA, 0xFF})
        EXPECT_EQ(decodeScaleText(bytes({b})), QStringLiteral("*")) << b;
}

TEST(ScaleCode, FieldsAreCutAndPaddedWithZeros)
{
    struct Case {
        QString text;
        int width;
        QByteArray expected;
    } cases[] = {
        {QStringLiteral("Сир"), 5, bytes({0x91, 0xA8, 0xE0, 0, 0})},
        {QStringLiteral("abcdef"), 4, QByteArray("abcd")},
        {QStringLiteral("abcd"), 4, QByteArray("abcd")},
        {QString(), 3, bytes({0, 0, 0})},
        {QStringLiteral("😀x"), 2, bytes({'*', 'x'})},
        {QStringLiteral("abc"), 0, QByteArray()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(encodeScaleField(c.text, c.width), c.expected) << c.text.toStdString() << " width " << c.width;
}

TEST(ScaleCode, LabelFormatPositionsAndCodes)
{
    struct Case {
        int position;
        int code;
    } mapped[] = {{1, 1}, {21, 21}, {28, 28}, {29, 41}, {30, 42}, {44, 56}, {45, 58}, {46, 60}};
    for (const Case &c : mapped) {
        EXPECT_EQ(labelFormatCode(c.position), c.code) << c.position;
        EXPECT_EQ(labelFormatPosition(c.code), c.position) << c.code;
    }
    for (int position : {0, -1, 47, 100})
        EXPECT_EQ(labelFormatCode(position), -1) << position;
    for (int code : {0, 29, 30, 40, 57, 59, 61, 255, -1})
        EXPECT_EQ(labelFormatPosition(code), -1) << code;
    for (int position = 1; position <= 46; ++position)
        EXPECT_EQ(labelFormatPosition(labelFormatCode(position)), position);
}

// What the grids and the data check tell the user is what the codec sends: the page's
// characters, the goods name fields' widths.
TEST(ScaleCode, TheUsersForecastIsWhatTheCodecSends)
{
    for (int u = 1; u < 0x10000; ++u) {
        const QChar c(static_cast<char16_t>(u));
        if (c.isSurrogate())
            continue;
        const bool sentAsIs = encodeScaleText(QString(c)) != QByteArray(1, char(kScaleUnmappable));
        ASSERT_EQ(scalePageHolds(c), sentAsIs || c == QLatin1Char('*')) << "U+" << std::hex << u;
    }
    const QString name = QStringLiteral("Сир «Голландський» №1 — твердий, 45%");
    for (const QString &logo : {QString(), QStringLiteral("U1"), QStringLiteral("Р2"), QStringLiteral("X")}) {
        const int width = goodsNameWidth(logo);
        const QByteArray field = encodeGoodsName(name, GoodsNameField::First, logo);
        EXPECT_EQ(scaleFit(name, width).kept, decodeScaleText(field.left(width))) << logo.toStdString();
        EXPECT_TRUE(logo.isEmpty() || width == 28 || field.at(width) == 0) << "the logo's bytes start at the cut";
    }
}
