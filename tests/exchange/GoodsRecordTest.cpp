// Goods records to the scale and goods replies from it.
#include "Bytes.h"
#include "common/Error.h"
#include "exchange/GoodsRecord.h"

#include <gtest/gtest.h>

using namespace tevo;
using tevo::test::bytes;

namespace {

GoodsFields plu(int number)
{
    GoodsFields f;
    f.NPLU = QString::number(number);
    return f;
}

// A reply as the scale sends it for a record it holds: offsets 1 … 83 as written.
QByteArray replyFor(const QByteArray &record, int length = kGoodsReplyLength)
{
    QByteArray reply(kGoodsReplyLength, '\0');
    reply[0] = char(0xAA);
    reply.replace(1, 83, record.mid(1, 83));
    return reply.left(length);
}

void put32(QByteArray &b, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace

TEST(GoodsRecord, AnEmptyRowIsItsNumberFollowedByZeros)
{
    const QByteArray r = buildGoodsRecord(plu(0x01020304), nullptr);
    ASSERT_EQ(r.size(), 85);
    EXPECT_EQ(r.left(5), bytes({0x82, 0x04, 0x03, 0x02, 0x01}));
    EXPECT_EQ(r.mid(5), QByteArray(80, '\0'));
}

TEST(GoodsRecord, NumbersAndCodesGoToTheirPlaces)
{
    struct Case {
        const char *what;
        QString GoodsFields::*field;
        QString text;
        int at;
        QByteArray expected;
    } cases[] = {
        {"code 123", &GoodsFields::CODE, QStringLiteral("123"), 5, bytes({3, 2, 1, 0, 0, 0})},
        {"code empty", &GoodsFields::CODE, QString(), 5, bytes({0, 0, 0, 0, 0, 0})},
        {"code 999999", &GoodsFields::CODE, QStringLiteral("999999"), 5, bytes({9, 9, 9, 9, 9, 9})},
        {"code with leading zeros", &GoodsFields::CODE, QStringLiteral("000042"), 5, bytes({2, 4, 0, 0, 0, 0})},
        {"group code 654321", &GoodsFields::GROUPCODE, QStringLiteral("654321"), 76, bytes({1, 2, 3, 4, 5, 6})},
        {"group code empty", &GoodsFields::GROUPCODE, QString(), 76, bytes({0, 0, 0, 0, 0, 0})},
        {"price 150000", &GoodsFields::PRICE, QStringLiteral("150000"), 67, bytes({0xF0, 0x49, 0x02, 0x00})},
        {"price empty", &GoodsFields::PRICE, QString(), 67, bytes({0, 0, 0, 0})},
        {"shelf life 5 days", &GoodsFields::UBDATE, QStringLiteral("5"), 71, bytes({0x00, 0x00, 0x05})},
        {"shelf life 120 days", &GoodsFields::UBDATE, QStringLiteral("120"), 71, bytes({0x00, 0x01, 0x20})},
        {"shelf life 999 days", &GoodsFields::UBDATE, QStringLiteral("999"), 71, bytes({0x00, 0x09, 0x99})},
        {"shelf life empty", &GoodsFields::UBDATE, QString(), 71, bytes({0, 0, 0})},
        {"shelf life date", &GoodsFields::UBDATE, QStringLiteral("31.12.24"), 71, bytes({0x31, 0x12, 0x24})},
        {"shelf life date of 2000", &GoodsFields::UBDATE, QStringLiteral("01.01.00"), 71, bytes({0x01, 0x01, 0x00})},
        {"tare 5998", &GoodsFields::TARA, QStringLiteral("5998"), 74, bytes({0x6E, 0x17})},
        {"message 65537 keeps the low 16 bits", &GoodsFields::MESSAGE, QStringLiteral("65537"), 82, bytes({0x01, 0x00})},
        {"message 3", &GoodsFields::MESSAGE, QStringLiteral("3"), 82, bytes({0x03, 0x00})},
    };
    for (const Case &c : cases) {
        GoodsFields f = plu(1);
        f.*c.field = c.text;
        const QByteArray r = buildGoodsRecord(f, nullptr);
        ASSERT_EQ(r.size(), 85) << c.what;
        EXPECT_EQ(r.mid(c.at, c.expected.size()), c.expected) << c.what;
        EXPECT_EQ(r.at(84), '\0') << c.what;
    }
}

TEST(GoodsRecord, NamesAreConvertedCutAndPadded)
{
    struct Case {
        const char *what;
        QString name;
        QString logo;
        QByteArray expected; // the 28-byte first field
    } cases[] = {
        {"empty", QString(), QString(), QByteArray(28, '\0')},
        {"short", QStringLiteral("Сир"), QString(), bytes({0x91, 0xA8, 0xE0}) + QByteArray(25, '\0')},
        {"30 characters, no logo", QString(30, QLatin1Char('x')), QString(), QByteArray(28, 'x')},
        {"30 characters, logo", QString(30, QLatin1Char('x')), QStringLiteral("UsrLogo 1234"),
         QByteArray(24, 'x') + bytes({0x00, 0x02, '2', '4'})},
        {"other first letter is no logo", QString(30, QLatin1Char('x')), QStringLiteral("Xyz"), QByteArray(28, 'x')},
    };
    for (const Case &c : cases)
        EXPECT_EQ(encodeGoodsName(c.name, GoodsNameField::First, c.logo), c.expected) << c.what;
}

TEST(GoodsRecord, LogoKindAndCharactersGoIntoBothNameFields)
{
    struct Case {
        const char *what;
        QString logo;
        QByteArray first;  // bytes 24 … 27 of the first name field
        QByteArray second; // the same of the second
        QString stored;
    } cases[] = {
        {"ZurIvid prefix is logo 1", QStringLiteral("ZurIvid АЯ46"), bytes({0, 1, 0x9F, 0x36}),
         bytes({0, 1, 0x80, 0x34}), QStringLiteral("ZurIvid АЯ46 ")},
        {"UsrLogo prefix is logo 2", QStringLiteral("UsrLogo АЯ46"), bytes({0, 2, 0x9F, 0x36}),
         bytes({0, 2, 0x80, 0x34}), QStringLiteral("UsrLogo АЯ46 ")},
        {"Cyrillic Р alone pads with blanks", QStringLiteral("Р"), bytes({0, 1, 0x20, 0x20}), bytes({0, 1, 0x20, 0x20}),
         QStringLiteral("Р            ")},
        {"Cyrillic р", QStringLiteral("р12345678abcd"), bytes({0, 1, 'a', 'c'}), bytes({0, 1, '8', 'b'}),
         QStringLiteral("р12345678abcd")},
        {"u", QStringLiteral("u"), bytes({0, 2, 0x20, 0x20}), bytes({0, 2, 0x20, 0x20}), QStringLiteral("u            ")},
        {"longer than 13 is kept", QStringLiteral("U12345678abcdef"), bytes({0, 2, 'a', 'c'}), bytes({0, 2, '8', 'b'}),
         QStringLiteral("U12345678abcdef")},
    };
    for (const Case &c : cases) {
        GoodsFields f = plu(1);
        f.TNAME1 = QStringLiteral("Name one");
        f.TNAME2 = QStringLiteral("Name two");
        f.LOGO = c.logo;
        QString stored;
        const QByteArray r = buildGoodsRecord(f, &stored);
        EXPECT_EQ(r.mid(11 + 24, 4), c.first) << c.what;
        EXPECT_EQ(r.mid(39 + 24, 4), c.second) << c.what;
        EXPECT_EQ(r.mid(11, 8), QByteArray("Name one")) << c.what;
        EXPECT_EQ(stored, c.stored) << c.what;
    }
}

TEST(GoodsRecord, WithoutALogoTheNameFieldsAndTheLogoTextStay)
{
    for (const QString &logo : {QString(), QStringLiteral("X"), QStringLiteral(" Р"), QStringLiteral("Zur")}) {
        GoodsFields f = plu(1);
        f.TNAME1 = QString(28, QLatin1Char('a'));
        f.LOGO = logo;
        QString stored = QStringLiteral("untouched?");
        const QByteArray r = buildGoodsRecord(f, &stored);
        EXPECT_EQ(r.mid(11, 28), QByteArray(28, 'a')) << logo.toStdString();
        EXPECT_EQ(r.mid(39, 28), QByteArray(28, '\0')) << logo.toStdString();
        EXPECT_EQ(stored, logo);
    }
}

TEST(GoodsRecord, TextsThatAreNotNumbersAreRefused)
{
    struct Case {
        QString GoodsFields::*field;
        QString text;
        QString message;
    } cases[] = {
        {&GoodsFields::CODE, QStringLiteral("12a"), QStringLiteral("'a' is not a valid integer value")},
        {&GoodsFields::CODE, QStringLiteral("-5"), QStringLiteral("'-' is not a valid integer value")},
        {&GoodsFields::GROUPCODE, QStringLiteral("x"), QStringLiteral("'x' is not a valid integer value")},
        {&GoodsFields::UBDATE, QStringLiteral("abc"), QStringLiteral("'abc' is not a valid integer value")},
        {&GoodsFields::UBDATE, QStringLiteral("31.1x.24"), QStringLiteral("'x' is not a valid integer value")},
        {&GoodsFields::UBDATE, QStringLiteral("31.12"), QStringLiteral("'' is not a valid integer value")},
        {&GoodsFields::PRICE, QStringLiteral("1.5"), QStringLiteral("'1.5' is not a valid integer value")},
        {&GoodsFields::TARA, QStringLiteral("t"), QStringLiteral("'t' is not a valid integer value")},
        {&GoodsFields::MESSAGE, QStringLiteral("m"), QStringLiteral("'m' is not a valid integer value")},
        {&GoodsFields::NPLU, QStringLiteral("n"), QStringLiteral("'n' is not a valid integer value")},
    };
    for (const Case &c : cases) {
        GoodsFields f = plu(1);
        f.LOGO = QStringLiteral("Р");
        f.*c.field = c.text;
        QString stored = QStringLiteral("before");
        try {
            buildGoodsRecord(f, &stored);
            ADD_FAILURE() << "accepted " << c.text.toStdString();
        } catch (const ConversionError &e) {
            EXPECT_EQ(e.text(), c.message);
        }
        EXPECT_EQ(stored, QStringLiteral("before")) << "no write-back after a refusal";
    }
}

TEST(GoodsRecord, ReadRequestCarriesTheNumber)
{
    EXPECT_EQ(buildGoodsReadRequest(7), bytes({0x81, 7, 0, 0, 0}));
    EXPECT_EQ(buildGoodsReadRequest(0x01020304), bytes({0x81, 4, 3, 2, 1}));
}

TEST(GoodsReply, AWrittenRecordReadsBackAsItsTexts)
{
    GoodsFields f = plu(7);
    f.CODE = QStringLiteral("123");
    f.TNAME1 = QStringLiteral("Сир твердий");
    f.TNAME2 = QStringLiteral("Їжак");
    f.PRICE = QStringLiteral("150000");
    f.UBDATE = QStringLiteral("120");
    f.TARA = QStringLiteral("40");
    f.GROUPCODE = QStringLiteral("654321");
    f.MESSAGE = QStringLiteral("12");
    QByteArray reply = replyFor(buildGoodsRecord(f, nullptr));
    put32(reply, 90, 123456);
    put32(reply, 94, 0xFFFFFFFF);
    put32(reply, 98, 42);

    const GoodsReplyFields r = decodeGoodsReply(reply);
    EXPECT_EQ(r.CODE, QStringLiteral("123"));
    EXPECT_FALSE(r.LOGO.has_value());
    EXPECT_EQ(r.TNAME1, QStringLiteral("Сир твердий"));
    EXPECT_EQ(r.TNAME2, QStringLiteral("Їжак"));
    EXPECT_EQ(r.PRICE, QStringLiteral("150000"));
    EXPECT_EQ(r.UBDATE, QStringLiteral("120"));
    EXPECT_EQ(r.TARA, QStringLiteral("40"));
    EXPECT_EQ(r.GROUPCODE, QStringLiteral("654321"));
    EXPECT_EQ(r.MESSAGE, QStringLiteral("12"));
    EXPECT_EQ(r.OSUM, QStringLiteral("123456"));
    EXPECT_EQ(r.OVES, QStringLiteral("-1"));
    EXPECT_EQ(r.OCOUNTPROD, QStringLiteral("42"));
}

TEST(GoodsReply, ALogoReadsBackWithoutItsTrailingBlank)
{
    struct Case {
        QString logo;
        QString back;
    } cases[] = {
        {QStringLiteral("ZurIvid АЯ46"), QStringLiteral("ZurIvid АЯ46")},
        {QStringLiteral("Р"), QStringLiteral("ZurIvid     ")},
        {QStringLiteral("UsrLogo 1234"), QStringLiteral("UsrLogo 1234")},
        {QStringLiteral("u23456789abc"), QStringLiteral("UsrLogo 9abc")},
    };
    for (const Case &c : cases) {
        GoodsFields f = plu(1);
        f.TNAME1 = QString(30, QLatin1Char('n'));
        f.TNAME2 = QStringLiteral("two");
        f.LOGO = c.logo;
        const GoodsReplyFields r = decodeGoodsReply(replyFor(buildGoodsRecord(f, nullptr)));
        ASSERT_TRUE(r.LOGO.has_value()) << c.logo.toStdString();
        EXPECT_EQ(*r.LOGO, c.back);
        EXPECT_EQ(r.TNAME1, QString(24, QLatin1Char('n')));
        EXPECT_EQ(r.TNAME2, QStringLiteral("two"));
    }
}

TEST(GoodsReply, PaddingIsLeftOutOfTheNames)
{
    QByteArray reply(kGoodsReplyLength, '\0');
    reply[0] = char(0xAA);
    // No logo: every 0x00 is left out, wherever it stands; control bytes stay.
    reply.replace(11, 6,
                  QByteArray("ab\0\x05"
                             "cd",
                             6));
    reply.replace(39, 28, QByteArray(28, 'z'));
    GoodsReplyFields r = decodeGoodsReply(reply);
    EXPECT_EQ(r.TNAME1, QStringLiteral("ab\x05"
                                       "cd"));
    EXPECT_EQ(r.TNAME2, QString(28, QLatin1Char('z')));

    // With a logo only bytes above 10 count, and only the first 24 of each field.
    reply[36] = 1;
    r = decodeGoodsReply(reply);
    EXPECT_EQ(r.TNAME1, QStringLiteral("abcd"));
    EXPECT_EQ(r.TNAME2, QString(24, QLatin1Char('z')));
    // Characters 9 … 12 come from offsets 65, 37, 66, 38: here 'z', 0x00, 'z', 0x00.
    EXPECT_EQ(*r.LOGO, QStringLiteral("ZurIvid z") + QChar(0) + QLatin1Char('z') + QChar(0));

    reply[36] = 3; // not a logo kind: the name takes all 28 bytes and LOGO is left alone
    r = decodeGoodsReply(reply);
    EXPECT_FALSE(r.LOGO.has_value());
    EXPECT_EQ(r.TNAME1, QStringLiteral("ab\x05"
                                       "cd")
                            + QChar(3));
}

TEST(GoodsReply, ShelfLifeAsDaysOrDate)
{
    struct Case {
        QByteArray b;
        QString text;
    } cases[] = {
        {bytes({0x00, 0x00, 0x05}), QStringLiteral("5")},
        {bytes({0x00, 0x01, 0x20}), QStringLiteral("120")},
        {bytes({0x00, 0x00, 0x00}), QStringLiteral("0")},
        {bytes({0x31, 0x12, 0x24}), QStringLiteral("31.12.24")},
        {bytes({0x01, 0x01, 0x00}), QStringLiteral("01.01.00")},
        {bytes({0xFF, 0x0A, 0x00}), QStringLiteral("1515.010.00")},
    };
    for (const Case &c : cases) {
        QByteArray reply(kGoodsReplyLength, '\0');
        reply.replace(71, 3, c.b);
        EXPECT_EQ(decodeGoodsReply(reply).UBDATE, c.text) << c.text.toStdString();
    }
}

TEST(GoodsReply, TakesOneHundredAndOneBytesAndNoFewer)
{
    QByteArray reply(kGoodsReplyLength, '\0');
    reply[0] = char(0xAA);
    put32(reply, 98, 0x80000001);
    EXPECT_EQ(decodeGoodsReply(reply).OCOUNTPROD, QStringLiteral("-2147483647"));
    EXPECT_EQ(decodeGoodsReply(reply.left(101)).OCOUNTPROD, QStringLiteral("1")) << "missing byte 101 counts 0";
    EXPECT_EQ(decodeGoodsReply(reply + QByteArray(50, 'x')).OCOUNTPROD, QStringLiteral("-2147483647"));
    EXPECT_THROW(decodeGoodsReply(reply.left(100)), InputError);
    EXPECT_THROW(decodeGoodsReply(QByteArray()), InputError);
}

TEST(GoodsReply, CodesAndSignedNumbers)
{
    QByteArray reply(kGoodsReplyLength, '\0');
    reply.replace(5, 6, bytes({3, 2, 1, 0, 0, 9}));
    reply.replace(76, 6, bytes({0, 0, 0, 0, 0, 0}));
    put32(reply, 67, 0xFFFFFFFF);
    reply[74] = char(0xFF);
    reply[75] = char(0xFF);
    reply[82] = char(0xFF);
    reply[83] = char(0xFF);
    const GoodsReplyFields r = decodeGoodsReply(reply);
    EXPECT_EQ(r.CODE, QStringLiteral("900123"));
    EXPECT_EQ(r.GROUPCODE, QStringLiteral("0"));
    EXPECT_EQ(r.PRICE, QStringLiteral("-1"));
    EXPECT_EQ(r.TARA, QStringLiteral("65535"));
    EXPECT_EQ(r.MESSAGE, QStringLiteral("65535"));
}

TEST(GoodsRecordCodes, CodeOfMoreThanSixDigitsIsRefusedNotCut)
{
    tevo::GoodsFields f;
    f.NPLU = QStringLiteral("1");
    f.CODE = QStringLiteral("1234567");
    QString logo;
    EXPECT_THROW(tevo::buildGoodsRecord(f, &logo), tevo::ConversionError);
    f.CODE = QStringLiteral("999999");
    f.GROUPCODE = QStringLiteral("10000000");
    EXPECT_THROW(tevo::buildGoodsRecord(f, &logo), tevo::ConversionError);
    f.GROUPCODE = QStringLiteral("7");
    EXPECT_EQ(tevo::buildGoodsRecord(f, &logo).mid(5, 6), QByteArray::fromHex("090909090909"));
}
