// Print settings and the shop header.
#include "Bytes.h"
#include "commands/SettingsPackets.h"
#include "common/Error.h"
#include "exchange/ScaleCode.h"

#include <gtest/gtest.h>

using namespace tevo;
using tevo::test::bytes;

namespace {

QByteArray asReply(QByteArray packet)
{
    packet[0] = char(0xAA);
    return packet;
}

} // namespace

TEST(SettingsPacket, DesignTimeValues)
{
    // Department 1, item 21 shown, barcode 1, shift 10, no options, auto-print 200 g.
    EXPECT_EQ(buildSettingsPacket(ScaleSettings{}), bytes({0x8A, 1, 0, 0, 21, 1, 10, 0, 0xC8, 0x00}));
}

TEST(SettingsPacket, EachValueGoesToItsBytes)
{
    struct Case {
        const char *what;
        void (*set)(ScaleSettings &);
        int at;
        QByteArray expected;
    } cases[] = {
        {"department 7", [](ScaleSettings &s) { s.department = 7; }, 1, bytes({7, 0, 0})},
        {"department 123", [](ScaleSettings &s) { s.department = 123; }, 1, bytes({3, 2, 1})},
        {"department 1234", [](ScaleSettings &s) { s.department = 1234; }, 1, bytes({4, 3, 0x0C})},
        {"department 0", [](ScaleSettings &s) { s.department = 0; }, 1, bytes({0, 0, 0})},
        {"auto-print 200", [](ScaleSettings &s) { s.autoPrintWeight = 200; }, 8, bytes({0xC8, 0x00})},
        {"auto-print 300", [](ScaleSettings &s) { s.autoPrintWeight = 300; }, 8, bytes({0x2C, 0x01})},
        {"auto-print 65536", [](ScaleSettings &s) { s.autoPrintWeight = 65536; }, 8, bytes({0x00, 0x00})},
        {"all options", [](ScaleSettings &s) { s.printOptions = 0xFF; }, 7, bytes({0xFF})},
        {"CheckBox8 only", [](ScaleSettings &s) { s.printOptions = 0x80; }, 7, bytes({0x80})},
        {"print shift 300 keeps the low bits", [](ScaleSettings &s) { s.printShift = 300; }, 6, bytes({0x2C})},
        {"label format 1", [](ScaleSettings &s) { s.labelFormatPosition = 1; }, 4, bytes({0x01})},
        {"label format 29", [](ScaleSettings &s) { s.labelFormatPosition = 29; }, 4, bytes({0x29})},
        {"label format 46", [](ScaleSettings &s) { s.labelFormatPosition = 46; }, 4, bytes({0x3C})},
        {"no label format sends the shown item 21", [](ScaleSettings &s) { s.labelFormatPosition = 0; }, 4, bytes({0x15})},
        {"label format past the list", [](ScaleSettings &s) { s.labelFormatPosition = 47; }, 4, bytes({0x15})},
        {"barcode 0", [](ScaleSettings &s) { s.barcodePosition = 0; }, 5, bytes({0})},
        {"barcode 8", [](ScaleSettings &s) { s.barcodePosition = 8; }, 5, bytes({8})},
        {"no barcode chosen", [](ScaleSettings &s) { s.barcodePosition = -1; }, 5, bytes({0})},
    };
    for (const Case &c : cases) {
        ScaleSettings s;
        c.set(s);
        const QByteArray p = buildSettingsPacket(s);
        ASSERT_EQ(p.size(), 10) << c.what;
        EXPECT_EQ(p.mid(c.at, c.expected.size()), c.expected) << c.what;
    }
}

TEST(SettingsReply, ReadsBackWhatWasWritten)
{
    ScaleSettings s;
    s.department = 987;
    s.labelFormatPosition = 29;
    s.barcodePosition = 8;
    s.printShift = 255;
    s.printOptions = 0x5A;
    s.autoPrintWeight = 65535;
    EXPECT_EQ(decodeSettingsReply(asReply(buildSettingsPacket(s))), s);
}

TEST(SettingsReply, CodesOutsideTheListsChooseNothing)
{
    struct Case {
        QByteArray reply;
        int labelFormat;
        int barcode;
        int department;
    } cases[] = {
        {bytes({0xAA, 3, 2, 1, 41, 0, 0, 0, 0, 0}), 29, 0, 123},
        {bytes({0xAA, 0, 0, 0, 58, 9, 0, 0, 0, 0}), 45, -1, 0},
        {bytes({0xAA, 0, 0, 0, 30, 255, 0, 0, 0, 0}), 0, -1, 0},
        {bytes({0xAA, 9, 9, 12, 57, 1, 0, 0, 0, 0}), 0, 1, 1299},
    };
    for (const Case &c : cases) {
        const ScaleSettings s = decodeSettingsReply(c.reply);
        EXPECT_EQ(s.labelFormatPosition, c.labelFormat);
        EXPECT_EQ(s.barcodePosition, c.barcode);
        EXPECT_EQ(s.department, c.department);
    }
}

TEST(SettingsReply, NeedsTenBytes)
{
    EXPECT_THROW(decodeSettingsReply(QByteArray(9, '\0')), InputError);
    EXPECT_NO_THROW(decodeSettingsReply(QByteArray(10, '\0')));
}

TEST(HeaderPacket, LinesAreConvertedAndPaddedToTwentyEight)
{
    struct Case {
        const char *what;
        QString line;
        QByteArray field;
    } cases[] = {
        {"empty", QString(), QByteArray(28, '\0')},
        {"27 characters get one zero", QString(27, QLatin1Char('a')), QByteArray(27, 'a') + bytes({0})},
        {"28 characters get none", QString(28, QLatin1Char('a')), QByteArray(28, 'a')},
        {"longer is cut", QString(40, QLatin1Char('a')), QByteArray(28, 'a')},
        {"Cyrillic", QStringLiteral("Сир"), bytes({0x91, 0xA8, 0xE0}) + QByteArray(25, '\0')},
    };
    for (const Case &c : cases) {
        const QByteArray first = buildHeaderPacket(c.line, QString());
        const QByteArray second = buildHeaderPacket(QString(), c.line);
        ASSERT_EQ(first.size(), 57) << c.what;
        ASSERT_EQ(second.size(), 57) << c.what;
        EXPECT_EQ(first.at(0), char(0x94));
        EXPECT_EQ(first.mid(1, 28), c.field) << c.what;
        EXPECT_EQ(second.mid(29, 28), c.field) << c.what;
    }
}

TEST(HeaderReply, ALineEndsAtItsFirstZero)
{
    QByteArray reply = bytes({0xAA}) + QByteArray("Shop\0tail", 9).leftJustified(28, '\0') + bytes({0x91, 0xA8, 0xE0})
                       + QByteArray(25, 'x');
    ShopHeader h = decodeHeaderReply(reply);
    EXPECT_EQ(h.line1, QStringLiteral("Shop"));
    EXPECT_EQ(h.line2, QStringLiteral("Сир") + QString(25, QLatin1Char('x')));

    h = decodeHeaderReply(asReply(buildHeaderPacket(QStringLiteral("Магазин «Ромашка»"), QString())));
    EXPECT_EQ(h.line1, QStringLiteral("Магазин *Ромашка*"));
    EXPECT_EQ(h.line2, QString());
    EXPECT_THROW(decodeHeaderReply(reply.left(56)), InputError);
}

TEST(SettingsLists, LabelFormatsBarcodesAndLegend)
{
    const QStringList formats = labelFormatTexts();
    ASSERT_EQ(formats.size(), 46);
    EXPECT_EQ(formats[0], QStringLiteral("58 х 60 (2 стр. тов.+8 стр. сообщ.+2 стр. маг.)"));
    EXPECT_EQ(formats[20], QStringLiteral("58 х 40 (2 стр. тов.+2 стр. маг.)"));
    EXPECT_EQ(formats[28], QStringLiteral("58 х 40 (2 стр. тов.+1 стр. сообщ.+2 стр. маг.)"));
    EXPECT_EQ(formats[44], QStringLiteral("40 х 30 (1 стр. тов.+1 стр. маг.+без препринта)"));
    EXPECT_EQ(formats[45], QStringLiteral("свободний формат етикетки"));
    EXPECT_EQ(QStringList(formats).removeDuplicates(), 0);

    const QStringList barcodes = barcodeFormatTexts();
    ASSERT_EQ(barcodes.size(), 9);
    EXPECT_EQ(barcodes[0], QStringLiteral("Штрих-код не печатаеться"));
    EXPECT_EQ(barcodes[2], QStringLiteral("о3о2о1Г6Г5Г4Г3Г2Г1Т3Т2Т1К"));
    for (int i = 1; i < 9; ++i)
        EXPECT_EQ(barcodes[i].size(), 25) << "12 letter-place pairs and the check digit, item " << i;

    const QStringList legend = barcodeLegendLines();
    ASSERT_EQ(legend.size(), 7);
    EXPECT_EQ(legend[0], QStringLiteral("О- в зависимости от ОСОБЕНОСТЕЙ ПЕЧАТИ "));
    EXPECT_EQ(legend[6], QStringLiteral("о - номер отдела"));
}

TEST(SettingsLists, PrintOptionsFollowTheirBits)
{
    const QList<PrintOption> options = printOptionList();
    ASSERT_EQ(options.size(), 8);
    for (int bit = 0; bit < 8; ++bit) {
        EXPECT_EQ(options[bit].bit, bit);
        EXPECT_EQ(options[bit].mask, 1 << bit);
        EXPECT_EQ(options[bit].checkBox, QStringLiteral("CheckBox%1").arg(bit + 1));
    }
    EXPECT_EQ(options[0].caption, QStringLiteral("Изменение цены"));
    EXPECT_EQ(options[7].caption, QStringLiteral("Печать времени упаковки"));
    EXPECT_EQ(printOptionScreenOrder(), (QList<int>{0, 1, 2, 3, 7, 6, 5, 4}));
}
