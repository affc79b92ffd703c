#include "common/Codepage.h"
#include "common/Error.h"
#include "common/ProfileFile.h"
#include "fileio/GoodsTextFile.h"

#include "FileioTestSupport.h"

#include <QDir>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tevo;
using tevo::test::StoreFixture;

namespace {

const QString kName1 = QStringLiteral("TNAME1");

// --- the export name -------------------------------------------------------------------

struct NameCase {
    const char *chosen;
    const char *expected;
};

class GoodsTextExportName : public ::testing::TestWithParam<NameCase> {};

TEST_P(GoodsTextExportName, AppendsTxtUnlessContained)
{
    EXPECT_EQ(goodsTextExportName(QString::fromUtf8(GetParam().chosen)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, GoodsTextExportName,
                         ::testing::Values(NameCase{"goods", "goods.txt"}, NameCase{"goods.txt", "goods.txt"},
                                           NameCase{"GOODS.TXT", "GOODS.TXT.txt"}, NameCase{"x.Txt", "x.Txt.txt"},
                                           NameCase{"a.txt.bak", "a.txt.bak"}, NameCase{"/d/товары", "/d/товары.txt"}));

// --- export ----------------------------------------------------------------------------

class GoodsTextExport : public ::testing::Test, public StoreFixture {};

TEST_F(GoodsTextExport, NamedRowsGoToSectionsOfTheirPositions)
{
    goods().setValues(0, {{kName1, QStringLiteral("Молоко")}, {QStringLiteral("PRICE"), 1550}});
    goods().setValues(2, {{kName1, QStringLiteral("Сыр")},
                          {QStringLiteral("TNAME2"), QStringLiteral("Российский")},
                          {QStringLiteral("PRICE"), 45000},
                          {QStringLiteral("UBDATE"), QStringLiteral("31.12.24")},
                          {QStringLiteral("TARA"), 10},
                          {QStringLiteral("CODE"), 321},
                          {QStringLiteral("GROUPCODE"), 7},
                          {QStringLiteral("MESSAGE"), 2},
                          {QStringLiteral("LOGO"), QStringLiteral("Р")},
                          {QStringLiteral("OSUM"), 100},
                          {QStringLiteral("OVES"), 200},
                          {QStringLiteral("OCOUNTPROD"), 3},
                          {QStringLiteral("SG"), QStringLiteral("g1")},
                          {QStringLiteral("LASTERASE"), QStringLiteral("x")}});
    goods().setValues(6, {{kName1, QStringLiteral("Хлеб")}});
    goods().setValues(4, {{QStringLiteral("PRICE"), 99}}); // priced but unnamed: skipped
    const QString path = file(QStringLiteral("goods.txt"));
    exportGoodsText(goods(), path);

    const QByteArray bytes = dir.readFile(QStringLiteral("goods.txt"));
    ProfileFile p;
    p.parse(bytes);
    EXPECT_EQ(p.sections(), QStringList({"1", "3", "7", "Main"}));
    EXPECT_EQ(p.readString(QStringLiteral("Main"), QStringLiteral("RecordCount")), QStringLiteral("7"));
    const QByteArray section3 = toCp1251(QStringLiteral(
        "[3]\r\nNPLU=3\r\nTNAME1=Сыр\r\nTNAME2=Российский\r\nPRICE=45000\r\nUBDATE=31.12.24\r\nTARA=10\r\nCODE=321\r\n"
        "GROUPCODE=7\r\nMESSAGE=2\r\nLOGO=Р\r\nOSUM=100\r\nOVES=200\r\nOCOUNTPROD=3\r\n"));
    EXPECT_TRUE(bytes.contains(section3)) << bytes.constData();
    const QByteArray section7 = toCp1251(QStringLiteral(
        "[7]\r\nNPLU=7\r\nTNAME1=Хлеб\r\nTNAME2=\r\nPRICE=\r\nUBDATE=\r\nTARA=\r\nCODE=\r\nGROUPCODE=\r\nMESSAGE=\r\n"
        "LOGO=\r\nOSUM=\r\nOVES=\r\nOCOUNTPROD=\r\n[Main]\r\nRecordCount=7\r\n"));
    EXPECT_TRUE(bytes.endsWith(section7));
    EXPECT_TRUE(bytes.startsWith("[1]\r\nNPLU=1\r\n"));
    EXPECT_EQ(goods().currentRow(), goods().count() - 1);
}

TEST_F(GoodsTextExport, NoNamedRowGivesOnlyMain)
{
    exportGoodsText(goods(), file(QStringLiteral("empty.txt")));
    EXPECT_EQ(dir.readFile(QStringLiteral("empty.txt")), QByteArray("[Main]\r\nRecordCount=0\r\n"));
}

TEST_F(GoodsTextExport, OlderFileLeavesNoStaleSections)
{
    QByteArray old;
    for (int n = 1; n <= 10; ++n)
        old += QStringLiteral("[%1]\r\nNPLU=%1\r\nTNAME1=old %1\r\n").arg(n).toLatin1();
    old += "[Main]\r\nRecordCount=10\r\n[Extra]\r\nX=1\r\n";
    dir.writeFile(QStringLiteral("goods.txt"), old);
    goods().setValues(1, {{kName1, QStringLiteral("new")}});
    exportGoodsText(goods(), file(QStringLiteral("goods.txt")));
    ProfileFile p;
    p.parse(dir.readFile(QStringLiteral("goods.txt")));
    EXPECT_EQ(p.sections(), QStringList({"2", "Main"}));
    EXPECT_EQ(p.readInteger(QStringLiteral("Main"), QStringLiteral("RecordCount"), -1), 2);
}

TEST_F(GoodsTextExport, UnwritablePlaceIsReported)
{
    const QString path = file(QStringLiteral("missing-folder/goods.txt"));
    try {
        exportGoodsText(goods(), path);
        FAIL() << "no error";
    } catch (const FileError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Unable to write to %1").arg(path));
    }
    QDir(dir.path()).mkdir(QStringLiteral("taken.txt"));
    EXPECT_THROW(exportGoodsText(goods(), file(QStringLiteral("taken.txt"))), FileError);
}

TEST_F(GoodsTextExport, RoundTripKeepsTheEightColumnsAndNameBlanksAreLost)
{
    goods().setValues(4, {{kName1, QStringLiteral("  Кефир 1%  ")},
                          {QStringLiteral("TNAME2"), QStringLiteral("\"в пакете\"")},
                          {QStringLiteral("PRICE"), 999999},
                          {QStringLiteral("UBDATE"), QStringLiteral("5")},
                          {QStringLiteral("TARA"), 5998},
                          {QStringLiteral("CODE"), 0},
                          {QStringLiteral("GROUPCODE"), 999999},
                          {QStringLiteral("MESSAGE"), 3}});
    const QString path = file(QStringLiteral("rt.txt"));
    exportGoodsText(goods(), path);

    StoreFixture other;
    other.goods().setValues(4, {{QStringLiteral("MESSAGE"), 8}, {QStringLiteral("SG"), QStringLiteral("keep")}});
    importGoodsText(other.goods(), path);
    Table &t = other.goods();
    EXPECT_EQ(t.text(4, kName1), QStringLiteral("Кефир 1%"));
    EXPECT_EQ(t.text(4, QStringLiteral("TNAME2")), QStringLiteral("в пакете")); // a quoted value loses its quotes
    EXPECT_EQ(t.text(4, QStringLiteral("PRICE")), QStringLiteral("999999"));
    EXPECT_EQ(t.text(4, QStringLiteral("UBDATE")), QStringLiteral("5"));
    EXPECT_EQ(t.text(4, QStringLiteral("TARA")), QStringLiteral("5998"));
    EXPECT_EQ(t.text(4, QStringLiteral("CODE")), QStringLiteral("0"));
    EXPECT_EQ(t.text(4, QStringLiteral("GROUPCODE")), QStringLiteral("999999"));
    EXPECT_EQ(t.text(4, QStringLiteral("MESSAGE")), QStringLiteral("8"));
    EXPECT_EQ(t.text(4, QStringLiteral("SG")), QStringLiteral("keep"));
}

// --- import ----------------------------------------------------------------------------

class GoodsTextImport : public ::testing::Test, public StoreFixture {
protected:
    void write(const QString &text) { dir.writeFile(QStringLiteral("in.txt"), toCp1251(text)); }
    GoodsTextLoad import() { return importGoodsText(goods(), file(QStringLiteral("in.txt"))); }
};

TEST_F(GoodsTextImport, PresentSectionsUpToRecordCountAreLoaded)
{
    write(QStringLiteral("[1]\r\nNPLU=1\r\nTNAME1=Молоко\r\nPRICE=1550\r\n"
                         "[2]\r\nNPLU=2\r\nTNAME1=Кефир\r\n"
                         "[3]\r\n" // no key: not present
                         "[5]\r\nNPLU= 5 \r\nTNAME1=Сыр\r\n"
                         "[6]\r\nNPLU=6\r\nTNAME1=beyond RecordCount\r\n"
                         "[Main]\r\nRecordCount=5\r\n"));
    const GoodsTextLoad load = import();
    EXPECT_EQ(load.recordCount, 5);
    EXPECT_EQ(load.numbers, QStringList({"1", "2", "5"}));
    EXPECT_EQ(load.rangeText(), QStringLiteral("1, 2, 5, "));
    EXPECT_EQ(goods().text(0, kName1), QStringLiteral("Молоко"));
    EXPECT_EQ(goods().text(0, QStringLiteral("PRICE")), QStringLiteral("1550"));
    EXPECT_EQ(goods().text(1, kName1), QStringLiteral("Кефир"));
    EXPECT_TRUE(goods().isNull(2, kName1));
    EXPECT_EQ(goods().text(4, kName1), QStringLiteral("Сыр"));
    EXPECT_TRUE(goods().isNull(5, kName1));
    EXPECT_EQ(goods().currentRow(), 4);
}

TEST_F(GoodsTextImport, SectionsGoInNumberOrderWhateverTheRecordCount)
{
    write(QStringLiteral("[9]\r\nNPLU=9\r\nTNAME1=nine\r\n[02]\r\nNPLU=3\r\nTNAME1=not section 2\r\n"
                         "[ 2 ]\r\nNPLU=2\r\nTNAME1=two\r\n[Main]\r\nRecordCount=2147483647\r\n"));
    const GoodsTextLoad load = import();
    EXPECT_EQ(load.numbers, QStringList({"2", "9"}));
    EXPECT_EQ(goods().text(1, kName1), QStringLiteral("two"));
    EXPECT_EQ(goods().text(8, kName1), QStringLiteral("nine"));
    EXPECT_TRUE(goods().isNull(2, kName1));
    EXPECT_EQ(goods().currentRow(), 8);
}

TEST_F(GoodsTextImport, NpluIsThePositionAndIsWrittenBack)
{
    write(QStringLiteral("[1]\r\nNPLU=0x3\r\nTNAME1=third\r\n[Main]\r\nRecordCount=1\r\n"));
    const GoodsTextLoad load = import();
    EXPECT_EQ(load.numbers, QStringList({"0x3"}));
    EXPECT_EQ(goods().text(2, kName1), QStringLiteral("third"));
    EXPECT_EQ(goods().text(2, QStringLiteral("NPLU")), QStringLiteral("3"));
    EXPECT_TRUE(goods().isNull(0, kName1));
}

TEST_F(GoodsTextImport, EmptyValuesEmptyColumnsAndUnreadKeysKeepTheirs)
{
    goods().setValues(0, {{QStringLiteral("PRICE"), 700},
                          {QStringLiteral("TARA"), 4},
                          {QStringLiteral("MESSAGE"), 9},
                          {QStringLiteral("LOGO"), QStringLiteral("U")},
                          {QStringLiteral("OSUM"), 5}});
    write(QStringLiteral(
        "[1]\r\nNPLU=1\r\nTNAME1=x\r\nPRICE=\r\nMESSAGE=1\r\nLOGO=\r\nOSUM=0\r\n[Main]\r\nRecordCount=1\r\n"));
    import();
    EXPECT_TRUE(goods().isNull(0, QStringLiteral("PRICE"))); // empty value
    EXPECT_TRUE(goods().isNull(0, QStringLiteral("TARA")));  // missing key reads as empty
    EXPECT_EQ(goods().text(0, QStringLiteral("MESSAGE")), QStringLiteral("9"));
    EXPECT_EQ(goods().text(0, QStringLiteral("LOGO")), QStringLiteral("U"));
    EXPECT_EQ(goods().text(0, QStringLiteral("OSUM")), QStringLiteral("5"));
}

struct RecordCountCase {
    const char *name;
    const char *main;
};

class GoodsTextRecordCount : public ::testing::TestWithParam<RecordCountCase>, public StoreFixture {};

TEST_P(GoodsTextRecordCount, NothingIsImportedWithoutAPositiveCount)
{
    dir.writeFile(QStringLiteral("in.txt"), QByteArray("[1]\r\nNPLU=1\r\nTNAME1=x\r\n") + GetParam().main);
    const QStringList before = goodsSnapshot();
    const QString path = file(QStringLiteral("in.txt"));
    try {
        importGoodsText(goods(), path);
        FAIL() << "a file without a positive RecordCount is no goods file";
    } catch (const InputError &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("«%1»").arg(path))) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains(QStringLiteral("[Main]"))) << e.text().toStdString();
    }
    EXPECT_EQ(goodsSnapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoodsTextRecordCount,
                         ::testing::Values(RecordCountCase{"NoMain", ""}, RecordCountCase{"NoKey", "[Main]\r\nX=1\r\n"},
                                           RecordCountCase{"Zero", "[Main]\r\nRecordCount=0\r\n"},
                                           RecordCountCase{"Negative", "[Main]\r\nRecordCount=-5\r\n"},
                                           RecordCountCase{"NotANumber", "[Main]\r\nRecordCount=many\r\n"}),
                         [](const ::testing::TestParamInfo<RecordCountCase> &info) {
                             return std::string(info.param.name);
                         });

struct StopCase {
    const char *name;
    const char *badSection; // section 2 of the file, from line 5 on
    const char *error;
    int line; // of the bad value (the section's line when its key is missing)
};

class GoodsTextStops : public ::testing::TestWithParam<StopCase>, public StoreFixture {};

// A bad section stops the import with its line named; the sections before it stay stored.
TEST_P(GoodsTextStops, AtTheBadSectionKeepingRowsBefore)
{
    const StopCase &c = GetParam();
    dir.writeFile(QStringLiteral("in.txt"), QByteArray("[1]\r\nNPLU=1\r\nTNAME1=first\r\n[2]\r\n") + c.badSection
                                                + "[3]\r\nNPLU=3\r\nTNAME1=third\r\n[Main]\r\nRecordCount=3\r\n");
    const QStringList before = goodsSnapshot();
    const QString path = file(QStringLiteral("in.txt"));
    try {
        importGoodsText(goods(), path);
        FAIL() << "no error";
    } catch (const InputError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Файл товаров «%1», строка %2, раздел [2]: %3")
                                .arg(path)
                                .arg(c.line)
                                .arg(QString::fromUtf8(c.error)));
    }
    QStringList after = goodsSnapshot();
    EXPECT_EQ(goods().text(0, kName1), QStringLiteral("first"));
    EXPECT_TRUE(goods().isNull(2, kName1));
    after[0] = before[0];
    EXPECT_EQ(after, before) << "only the row before the bad section changed";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GoodsTextStops,
    ::testing::Values(
        StopCase{"NpluBeyondTable", "NPLU=4500\r\nTNAME1=x\r\n", "Goods number 4500 is outside the table (1-4000)", 5},
        StopCase{"NpluZero", "NPLU=0\r\nTNAME1=x\r\n", "Goods number 0 is outside the table (1-4000)", 5},
        StopCase{"NpluNegative", "NPLU=-2\r\nTNAME1=x\r\n", "Goods number -2 is outside the table (1-4000)", 5},
        StopCase{"NpluNotANumber", "NPLU=abc\r\nTNAME1=x\r\n", "'abc' is not a valid integer value", 5},
        StopCase{"NpluMissing", "TNAME1=x\r\n", "'' is not a valid integer value", 4},
        StopCase{"PriceWithFraction", "NPLU=2\r\nTNAME1=x\r\nPRICE=12.5\r\n",
                 "'12.5' is not a valid integer value for field 'PRICE'", 7},
        StopCase{"PriceWithALetter", "NPLU=2\r\nTNAME1=x\r\nPRICE=12x\r\n",
                 "'12x' is not a valid integer value for field 'PRICE'", 7},
        StopCase{"TareNotANumber", "NPLU=2\r\nTNAME1=x\r\nTARA=five\r\n",
                 "'five' is not a valid integer value for field 'TARA'", 7}),
    [](const ::testing::TestParamInfo<StopCase> &info) { return std::string(info.param.name); });

TEST_F(GoodsTextImport, Utf8FilesAreReadAsUtf8)
{
    const QString text = QStringLiteral("[1]\r\nNPLU=1\r\nTNAME1=Творог\r\n[Main]\r\nRecordCount=1\r\n");
    dir.writeFile(QStringLiteral("in.txt"), text.toUtf8());
    import();
    EXPECT_EQ(goods().text(0, kName1), QStringLiteral("Творог"));
    dir.writeFile(QStringLiteral("in.txt"),
                  QByteArray("\xEF\xBB\xBF")
                      + QStringLiteral("[1]\r\nNPLU=1\r\nTNAME1=Йогурт\r\n[Main]\r\nRecordCount=1\r\n").toUtf8());
    import();
    EXPECT_EQ(goods().text(0, kName1), QStringLiteral("Йогурт"));
}

TEST_F(GoodsTextImport, LongLinesAreCutNotFatal)
{
    const QString longName(100000, QChar(0x0416)); // Ж
    write(QStringLiteral("[1]\r\n") + QString(100000, QLatin1Char('#')) + QStringLiteral("\r\nNPLU=1\r\nTNAME1=")
          + longName + QStringLiteral("\r\n[Main]\r\nRecordCount=1\r\n"));
    import();
    EXPECT_EQ(goods().text(0, kName1), longName.left(2047));
}

TEST_F(GoodsTextImport, MissingFileIsAnErrorAndChangesNothing)
{
    const QStringList before = goodsSnapshot();
    const QString path = file(QStringLiteral("nowhere.txt"));
    try {
        importGoodsText(goods(), path);
        FAIL() << "no error";
    } catch (const FileError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot open file %1").arg(path));
    }
    QDir(dir.path()).mkdir(QStringLiteral("folder.txt"));
    EXPECT_THROW(importGoodsText(goods(), file(QStringLiteral("folder.txt"))), FileError);
    EXPECT_EQ(goodsSnapshot(), before);
}

// Files that are no goods text file are refused with a text naming the file and what is wrong,
// never imported as "0 goods".
TEST_F(GoodsTextImport, EmptyBinaryAndHugeFilesChangeNothing)
{
    const QStringList before = goodsSnapshot();
    QByteArray binary(1 << 20, '\0');
    QRandomGenerator gen(7);
    for (char &b : binary)
        b = static_cast<char>(gen.bounded(256));
    QByteArray huge;
    huge.reserve(16 << 20);
    while (huge.size() < (16 << 20))
        huge += "[x]\r\nsome=junk line of the kind a wrong file is full of\r\n";
    const QString goodsText = QStringLiteral("[1]\r\nNPLU=1\r\nTNAME1=Сыр\r\n[Main]\r\nRecordCount=1\r\n");
    QByteArray utf16le;
    for (QChar c : goodsText)
        utf16le += QByteArray(1, char(c.unicode() & 0xFF)) + QByteArray(1, char(c.unicode() >> 8));
    const struct {
        const char *what;
        QByteArray bytes;
        QString says;
    } cases[] = {
        {"empty", QByteArray(), QStringLiteral("пуст")},
        {"blank lines only", QByteArray("\r\n  \r\n\t\r\n"), QStringLiteral("пуст")},
        {"binary", binary, QStringLiteral("не текстовый")},
        {"a text with a zero byte in line 3",
         QByteArray("[1]\r\nNPLU=1\r\nTNAME1=a\0b\r\n[Main]\r\nRecordCount=1\r\n", 48),
         QStringLiteral("в строке 3 байт 0x00")},
        {"UTF-16 with its mark", QByteArray("\xFF\xFE") + utf16le, QStringLiteral("UTF-16")},
        {"UTF-16 without a mark", utf16le, QStringLiteral("UTF-16")},
        {"huge, without Main", huge, QStringLiteral("нет раздела [Main]")},
        {"Main without goods", QByteArray("[Main]\r\nRecordCount=5\r\n[7]\r\nNPLU=7\r\n"),
         QStringLiteral("нет ни одного товара")},
    };
    const QString path = file(QStringLiteral("in.txt"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        dir.writeFile(QStringLiteral("in.txt"), c.bytes);
        try {
            import();
            ADD_FAILURE() << "imported";
        } catch (const InputError &e) {
            EXPECT_TRUE(e.text().contains(QStringLiteral("«%1»").arg(path))) << e.text().toStdString();
            EXPECT_TRUE(e.text().contains(c.says)) << e.text().toStdString();
        }
        EXPECT_EQ(goodsSnapshot(), before);
    }
}

TEST(GoodsTextLoad, LoadsFromAProfileAsAutomaticLoadingDoes)
{
    StoreFixture f;
    ProfileFile p;
    p.parse(toCp1251(
        QStringLiteral("[1]\r\nNPLU=1\r\nTNAME1=a\r\n[2]\r\nNPLU=2\r\nTNAME1=b\r\n[5]\r\nNPLU=5\r\nTNAME1=e\r\n"
                       "[Main]\r\nRecordCount=5\r\n")));
    const GoodsTextLoad load = loadGoodsText(f.goods(), p);
    EXPECT_EQ(load.rangeText() + QString::number(load.recordCount + 1), QStringLiteral("1, 2, 5, 6"));
    EXPECT_EQ(f.goods().text(4, kName1), QStringLiteral("e"));
}

} // namespace
