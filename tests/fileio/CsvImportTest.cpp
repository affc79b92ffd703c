#include "common/Codepage.h"
#include "common/Error.h"
#include "fileio/CsvImport.h"

#include "FileioTestSupport.h"

#include <QDir>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tevo;
using tevo::test::StoreFixture;

namespace {

struct FieldsCase {
    const char *name;
    const char16_t *line;
    QStringList fields;
};

class CsvFields : public ::testing::TestWithParam<FieldsCase> {};

TEST_P(CsvFields, OnlyTextEndedBySemicolonIsAField)
{
    EXPECT_EQ(csvFields(QString::fromUtf16(GetParam().line)), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvFields,
                         ::testing::Values(FieldsCase{"EightFields",
                                                      u"12;Молоко;;1550;5;0;321;7;",
                                                      {"12", QStringLiteral("Молоко"), "", "1550", "5", "0", "321", "7"}},
                                           FieldsCase{"LastWithoutSemicolonIgnored",
                                                      u"12;Молоко;;1550;5;0;321;7",
                                                      {"12", QStringLiteral("Молоко"), "", "1550", "5", "0", "321"}},
                                           FieldsCase{"NoSemicolon", u"just text", {}}, FieldsCase{"Empty", u"", {}},
                                           FieldsCase{"OneEmptyField", u";", {""}},
                                           FieldsCase{"BlanksBelong", u" 1 ; x ;", {" 1 ", " x "}},
                                           FieldsCase{"QuotesAreOrdinary", u"\"a;b\";", {"\"a", "b\""}}),
                         [](const ::testing::TestParamInfo<FieldsCase> &info) { return std::string(info.param.name); });

QString letters(int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'А' + i % 32);
    return s;
}

struct LinesCase {
    const char *name;
    QString text;
    int lines;
};

class MessageLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(MessageLines, CutsInto24CharacterLines)
{
    const QString &text = GetParam().text;
    const QStringList lines = messageLines(text);
    ASSERT_EQ(lines.size(), GetParam().lines);
    for (int n = 0; n < lines.size(); ++n)
        EXPECT_EQ(lines[n], text.mid(24 * n, 24)) << n;
}

INSTANTIATE_TEST_SUITE_P(Cases, MessageLines,
                         ::testing::Values(LinesCase{"Empty", QString(), 0}, LinesCase{"One", letters(1), 1},
                                           LinesCase{"Exactly24", letters(24), 1}, LinesCase{"Just25", letters(25), 2},
                                           LinesCase{"Thirty", letters(30), 2}, LinesCase{"Exactly192", letters(192), 8},
                                           LinesCase{"TwoHundred", letters(200), 8}),
                         [](const ::testing::TestParamInfo<LinesCase> &info) { return std::string(info.param.name); });

TEST(MessageLines, NeverSplitsACharacterOutsideTheBasicPlane)
{
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString text = QString(23, QLatin1Char('a')) + smile + QStringLiteral("b");
    const QStringList lines = messageLines(text);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QString(23, QLatin1Char('a')) + smile);
    EXPECT_EQ(lines[1], QStringLiteral("b"));
}

// --- goods -----------------------------------------------------------------------------

class GoodsCsv : public ::testing::Test, public StoreFixture {
protected:
    void SetUp() override
    {
        // Row 12 with every column set, to see which ones a line changes.
        goods().setValues(11, {{QStringLiteral("TNAME1"), QStringLiteral("old1")},
                               {QStringLiteral("TNAME2"), QStringLiteral("old2")},
                               {QStringLiteral("PRICE"), 1},
                               {QStringLiteral("UBDATE"), QStringLiteral("9")},
                               {QStringLiteral("TARA"), 2},
                               {QStringLiteral("CODE"), 3},
                               {QStringLiteral("GROUPCODE"), 99},
                               {QStringLiteral("MESSAGE"), 4},
                               {QStringLiteral("SG"), QStringLiteral("s")}});
    }
    void importText(const QString &text) { importBytes(toCp1251(text)); }
    void importBytes(const QByteArray &bytes)
    {
        dir.writeFile(QStringLiteral("in.csv"), bytes);
        importGoodsCsv(goods(), file(QStringLiteral("in.csv")));
    }
    QStringList row12()
    {
        QStringList out;
        for (const char *c :
             {"NPLU", "TNAME1", "TNAME2", "PRICE", "UBDATE", "TARA", "CODE", "GROUPCODE", "MESSAGE", "SG"})
            out << (goods().isNull(11, QLatin1String(c)) ? QStringLiteral("<null>") : goods().text(11, QLatin1String(c)));
        return out;
    }
};

struct GoodsLineCase {
    const char *name;
    const char16_t *line;
    QStringList row12; // NPLU TNAME1 TNAME2 PRICE UBDATE TARA CODE GROUPCODE MESSAGE SG
};

class GoodsCsvLine : public GoodsCsv, public ::testing::WithParamInterface<GoodsLineCase> {};

TEST_P(GoodsCsvLine, SetsTheColumnsOfItsFields)
{
    importText(QString::fromUtf16(GetParam().line) + QStringLiteral("\r\n"));
    EXPECT_EQ(row12(), GetParam().row12);
    EXPECT_EQ(goods().currentRow(), 11);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GoodsCsvLine,
    ::testing::Values(
        GoodsLineCase{"AllEightFields",
                      u"12;Молоко;;1550;5;0;321;7;",
                      {"12", QStringLiteral("Молоко"), "<null>", "1550", "5", "0", "321", "7", "4", "s"}},
        GoodsLineCase{"TwoFields",
                      u"12;Сахар;",
                      {"12", QStringLiteral("Сахар"), "old2", "1", "9", "2", "3", "99", "4", "s"}},
        GoodsLineCase{"OnlyTheNumber", u"12;", {"12", "old1", "old2", "1", "9", "2", "3", "99", "4", "s"}},
        GoodsLineCase{"EmptyFieldsEmpty", u"12;x;;;", {"12", "x", "<null>", "<null>", "9", "2", "3", "99", "4", "s"}},
        GoodsLineCase{"FieldsAfterEighthIgnored",
                      u"12;a;b;5;6;8;9;10;11;12;",
                      {"12", "a", "b", "5", "6", "8", "9", "10", "4", "s"}},
        GoodsLineCase{"BlanksKeptInText", u" 12; a ;", {"12", " a ", "old2", "1", "9", "2", "3", "99", "4", "s"}},
        GoodsLineCase{"HexNumber", u"0xC;hex;", {"12", "hex", "old2", "1", "9", "2", "3", "99", "4", "s"}}),
    [](const ::testing::TestParamInfo<GoodsLineCase> &info) { return std::string(info.param.name); });

TEST_F(GoodsCsv, LinesWithoutSemicolonAndAllLineEndsWork)
{
    importText(QStringLiteral("\r\n1;one;\ncomment without fields\r2;two;\r\n\r\n3;three;"));
    EXPECT_EQ(goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("one"));
    EXPECT_EQ(goods().text(1, QStringLiteral("TNAME1")), QStringLiteral("two"));
    EXPECT_EQ(goods().text(2, QStringLiteral("TNAME1")), QStringLiteral("three"));
}

TEST_F(GoodsCsv, Utf8FileIsReadAsUtf8)
{
    importBytes(QStringLiteral("1;Гречка;ядрица;\r\n").toUtf8());
    EXPECT_EQ(goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("Гречка"));
    importBytes(QByteArray("\xEF\xBB\xBF") + QStringLiteral("1;Рис;\r\n").toUtf8());
    EXPECT_EQ(goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("Рис"));
}

TEST_F(GoodsCsv, HundredThousandCharacterLines)
{
    const QString longName(100000, QChar(u'Щ'));
    importText(QStringLiteral("2;") + longName + QStringLiteral(";\r\n") + QString(100000, QLatin1Char('-'))
               + QStringLiteral("\r\n3;after;\r\n"));
    EXPECT_EQ(goods().text(1, QStringLiteral("TNAME1")), longName);
    EXPECT_EQ(goods().text(2, QStringLiteral("TNAME1")), QStringLiteral("after"));
}

struct GoodsStopCase {
    const char *name;
    const char16_t *badLine;
    const char *error;
    bool inputError;
};

class GoodsCsvStops : public GoodsCsv, public ::testing::WithParamInterface<GoodsStopCase> {};

TEST_P(GoodsCsvStops, AtTheBadLineKeepingLinesBefore)
{
    const GoodsStopCase &c = GetParam();
    const QStringList before = goodsSnapshot();
    try {
        importText(QStringLiteral("1;first;\r\n") + QString::fromUtf16(c.badLine) + QStringLiteral("\r\n3;third;\r\n"));
        FAIL() << "no error";
    } catch (const InputError &e) {
        EXPECT_TRUE(c.inputError);
        EXPECT_EQ(e.text(), QString::fromUtf8(c.error));
    } catch (const ConversionError &e) {
        EXPECT_FALSE(c.inputError);
        EXPECT_EQ(e.text(), QString::fromUtf8(c.error));
    }
    QStringList after = goodsSnapshot();
    EXPECT_EQ(goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("first"));
    after[0] = before[0];
    EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GoodsCsvStops,
    ::testing::Values(GoodsStopCase{"HeaderLine", u"PLU;Name;Name2;Price;", "'PLU' is not a valid integer value", false},
                      GoodsStopCase{"EmptyNumber", u";x;", "'' is not a valid integer value", false},
                      GoodsStopCase{"TrailingBlankInNumber", u"2 ;x;", "'2 ' is not a valid integer value", false},
                      GoodsStopCase{"BeyondTable", u"4001;x;", "Goods number 4001 is outside the table (1-4000)", true},
                      GoodsStopCase{"Zero", u"0;x;", "Goods number 0 is outside the table (1-4000)", true},
                      GoodsStopCase{"BadPrice", u"12;x;y;12,50;",
                                    "'12,50' is not a valid integer value for field 'PRICE'", false},
                      GoodsStopCase{"BadGroup", u"12;x;y;1;2;3;4;seven;",
                                    "'seven' is not a valid integer value for field 'GROUPCODE'", false}),
    [](const ::testing::TestParamInfo<GoodsStopCase> &info) { return std::string(info.param.name); });

TEST_F(GoodsCsv, HeaderFirstChangesNothing)
{
    const QStringList before = goodsSnapshot();
    EXPECT_THROW(importText(QStringLiteral("№;Название;\r\n1;x;\r\n")), ConversionError);
    EXPECT_EQ(goodsSnapshot(), before);
}

TEST_F(GoodsCsv, UnopenableBinaryAndHugeFiles)
{
    const QStringList before = goodsSnapshot();
    const QString path = file(QStringLiteral("nowhere.csv"));
    try {
        importGoodsCsv(goods(), path);
        FAIL() << "no error";
    } catch (const FileError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot open file %1").arg(path));
    }
    QDir(dir.path()).mkdir(QStringLiteral("d.csv"));
    EXPECT_THROW(importGoodsCsv(goods(), file(QStringLiteral("d.csv"))), FileError);

    EXPECT_THROW(importBytes(QByteArray()), FileError);

    QByteArray binary(1 << 20, '\0');
    QRandomGenerator gen(3);
    for (char &b : binary)
        b = static_cast<char>(gen.bounded(256));
    EXPECT_THROW(importBytes(binary), FileError);

    QByteArray huge;
    while (huge.size() < (16 << 20))
        huge += "a line of some other file, with commas, but no field ends\r\n";
    EXPECT_THROW(importBytes(huge), InputError);
    EXPECT_EQ(goodsSnapshot(), before);
}

// A value of a listed field without its ";" (as spreadsheet programs write the last field), an
// empty file, a file without any ";": refused before anything is stored, even the lines before.
struct RefusedCase {
    const char *name;
    bool messages;
    QByteArray bytes;
    const char16_t *error;
};

class CsvRefused : public ::testing::Test, public StoreFixture, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(CsvRefused, BeforeAnythingIsStored)
{
    const RefusedCase &c = GetParam();
    dir.writeFile(QStringLiteral("in.csv"), c.bytes);
    const QStringList before = goodsSnapshot();
    const QString message1 = messages().text(0, QStringLiteral("M1"));
    try {
        if (c.messages)
            importMessagesCsv(messages(), file(QStringLiteral("in.csv")));
        else
            importGoodsCsv(goods(), file(QStringLiteral("in.csv")));
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.text(), QString::fromUtf16(c.error));
    }
    EXPECT_TRUE(goodsSnapshot() == before);
    EXPECT_EQ(messages().text(0, QStringLiteral("M1")), message1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvRefused,
    ::testing::Values(
        RefusedCase{"WithoutLastSemicolon", false, toCp1251(QStringLiteral("1;first;\r\n12;Молоко;;1550;5;0;321;7\r\n")),
                    u"Файл «in.csv», строка 2: значение «7» поля GROUPCODE не закончено знаком «;» и не было бы "
                    u"загружено (в этом формате каждое поле заканчивается «;»). Ничего не изменено."},
        RefusedCase{"PriceWithoutSemicolon", false, "1;first;\n\n12;Milk;;1550\n",
                    u"Файл «in.csv», строка 3: значение «1550» поля PRICE не закончено знаком «;» и не было бы "
                    u"загружено (в этом формате каждое поле заканчивается «;»). Ничего не изменено."},
        RefusedCase{"MessageTextWithoutSemicolon", true, "1;first;\r\n7;text without its semicolon\r\n",
                    u"Файл «in.csv», строка 2: значение «text without its semicolon» поля M1 … M8 не закончено "
                    u"знаком «;» и не было бы загружено (в этом формате каждое поле заканчивается «;»). Ничего не "
                    u"изменено."},
        RefusedCase{"Empty", false, "", u"Файл «in.csv» пуст: в нём нет ни одной строки."},
        RefusedCase{"WorkbookChosenAsCsv", false, QByteArray("PK\x03\x04\x14\0\0\0\x08\0;x;", 14),
                    u"Файл «in.csv» не текстовый: это не файл товаров или сообщений в этом формате. Ничего не "
                    u"изменено."},
        RefusedCase{"OnlyLineEnds", true, "\r\n\r\n", u"Файл «in.csv» пуст: в нём нет ни одной строки."},
        RefusedCase{"NoSemicolonAnywhere", false, "PLU,Name,Price\r\n1,Milk,12.50\r\n",
                    u"В файле «in.csv» нет ни одной строки с полями, разделёнными «;»: это не файл товаров или "
                    u"сообщений в этом формате. Ничего не изменено."}),
    [](const ::testing::TestParamInfo<RefusedCase> &info) { return std::string(info.param.name); });

// --- messages --------------------------------------------------------------------------

class MessagesCsv : public ::testing::Test, public StoreFixture {
protected:
    void SetUp() override
    {
        FieldValues old;
        for (int n = 1; n <= 8; ++n)
            old.append({QStringLiteral("M%1").arg(n), QStringLiteral("old%1").arg(n)});
        messages().setValues(6, old);
    }
    void importText(const QString &text)
    {
        dir.writeFile(QStringLiteral("m.csv"), toCp1251(text));
        importMessagesCsv(messages(), file(QStringLiteral("m.csv")));
    }
    QStringList lines7()
    {
        QStringList out;
        for (int n = 1; n <= 8; ++n)
            out << messages().text(6, QStringLiteral("M%1").arg(n));
        return out;
    }
};

TEST_F(MessagesCsv, ThirtyCharactersFillTwoLinesAndKeepTheRest)
{
    const QString text = letters(30);
    importText(QStringLiteral("7;") + text + QStringLiteral(";\r\n"));
    EXPECT_EQ(lines7(), QStringList({text.left(24), text.mid(24), "old3", "old4", "old5", "old6", "old7", "old8"}));
    EXPECT_EQ(messages().currentRow(), 6);
}

TEST_F(MessagesCsv, TwoHundredCharactersFillAllLinesAndDropTheTail)
{
    const QString text = letters(200);
    importText(QStringLiteral("7;") + text + QStringLiteral(";ignored;\r\n"));
    QStringList expected;
    for (int n = 0; n < 8; ++n)
        expected << text.mid(24 * n, 24);
    EXPECT_EQ(lines7(), expected);
    EXPECT_EQ(expected.join(QString()), text.left(192));
}

TEST_F(MessagesCsv, EmptyOrMissingTextChangesNothing)
{
    importText(QStringLiteral("7;;\r\n7;\r\n"));
    EXPECT_EQ(lines7(), QStringList({"old1", "old2", "old3", "old4", "old5", "old6", "old7", "old8"}));
}

TEST_F(MessagesCsv, BadNumbersStopTheImport)
{
    const QString before = lines7().join(QLatin1Char('|'));
    try {
        importText(QStringLiteral("1;first;\r\n1001;x;\r\n7;never;\r\n"));
        FAIL() << "no error";
    } catch (const InputError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Message number 1001 is outside the table (1-1000)"));
    }
    EXPECT_EQ(messages().text(0, QStringLiteral("M1")), QStringLiteral("first"));
    EXPECT_EQ(lines7().join(QLatin1Char('|')), before);
    try {
        importText(QStringLiteral("Номер;Текст;\r\n7;never;\r\n"));
        FAIL() << "no error";
    } catch (const ConversionError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("'Номер' is not a valid integer value"));
    }
    EXPECT_EQ(lines7().join(QLatin1Char('|')), before);
    EXPECT_THROW(importMessagesCsv(messages(), file(QStringLiteral("none.csv"))), FileError);
}

} // namespace
