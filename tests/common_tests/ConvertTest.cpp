#include "common/Codepage.h"
#include "common/Convert.h"
#include "common/Error.h"

#include <gtest/gtest.h>

using namespace tevo;

TEST(StrToInt, AcceptsTheFormsUsersWrite)
{
    const struct {
        const char *text;
        qint32 value;
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {"-7", -7},
        {"+7", 7},
        {"  12", 12},
        {"$FF", 255},
        {"0x10", 16},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$FFFFFFFF", -1},
        {"-$80000000", INT32_MIN},
        {"-$1", -1},
        {"-0x7FFFFFFF", -2147483647},
        {"-$FFFFFFFF", 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(strToInt(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(StrToInt, RefusesWithTheStandardText)
{
    for (const char *bad : {"", " ", "12 ", "1.5", "abc", "2147483648", "-", "0x", "1-5", "12a"}) {
        EXPECT_FALSE(tryStrToInt(QString::fromLatin1(bad))) << bad;
    }
    try {
        strToInt(QStringLiteral("12a"));
        FAIL();
    } catch (const ConversionError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("'12a' is not a valid integer value"));
    }
    EXPECT_EQ(notAnIntegerForFieldText(QStringLiteral("x"), QStringLiteral("PRICE")),
              QStringLiteral("'x' is not a valid integer value for field 'PRICE'"));
}

TEST(Codepage, Cp1251AndCp866RoundTripRussianText)
{
    const QString text = QStringLiteral("Молоко Ёё №5");
    EXPECT_EQ(fromCp1251(toCp1251(text)), text);
    EXPECT_EQ(toCp1251(QStringLiteral("А")), QByteArray("\xC0"));
    EXPECT_EQ(toCp866(QStringLiteral("Ая")), QByteArray("\x80\xEF"));
    EXPECT_EQ(fromCp866(QByteArray("\x80\xEF")), QStringLiteral("Ая"));
    // A letter code page 866 lacks is lost on the way.
    EXPECT_EQ(toCp866(QStringLiteral("І")), QByteArray("?"));
    EXPECT_FALSE(representableInCp1251(QChar(0x4E2D)));
}
