// The tabular import end to end on files as other programs write them: each file read, its
// columns mapped from the header, planned and stored; the files that must be refused; the
// exact money reading; the mapping as text and remembered; the .xlsx export read back by
// other readers.
#include "common/Codepage.h"
#include "common/Error.h"
#include "fileio/ColumnMapping.h"
#include "fileio/DbfFile.h"
#include "fileio/GoodsXlsxFile.h"
#include "fileio/ImportPlan.h"
#include "fileio/MoneyText.h"
#include "fileio/RememberedMappings.h"
#include "fileio/TabularFile.h"

#include "FileioTestSupport.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace tevo;
using tevo::test::runPython;
using tevo::test::StoreFixture;

namespace {

QByteArray utf16le(const QString &text)
{
    QByteArray b("\xFF\xFE");
    for (const QChar c : text) {
        b.append(char(c.unicode() & 0xFF));
        b.append(char(c.unicode() >> 8));
    }
    return b;
}

// A dBase table with other field names than the program's own: PLU, NAME, PRICE in grivnas.
QByteArray foreignDbf()
{
    const DbfTable layout = DbfTable::create({{"PLU", 'N', 6, 0}, {"NAME", 'C', 30, 0}, {"PRICE", 'N', 10, 2}}, 0x26);
    DbfWriter w(layout);
    const auto put = [&](int plu, const QString &name, const char *price) {
        w.appendRecord();
        w.setField(0, dbfNumberText(layout.fields()[0], plu));
        w.setField(1, dbfCharacterText(layout.fields()[1], toCp866(name)));
        w.setField(2, QByteArray(price).rightJustified(10, ' '));
    };
    put(7, QStringLiteral("Молоко"), "12.50");
    put(8, QStringLiteral("Хлеб"), "1234.50");
    return w.bytes();
}

const char *kWorkbookRows = R"(
rows = [("Код", "Наименование", "Цена, грн", "Группа"), (7, "Молоко", 12.5, 3), (8, "Хлеб", 1234.5, 3)]
)";

// Two sheets: notes first, the prices on "Цены".
const QString kOpenpyxlScript = QString::fromUtf8(kWorkbookRows) + QStringLiteral(R"(
import sys, openpyxl
wb = openpyxl.Workbook()
wb.active.title = "Справка"
wb.active["A1"] = "Выгрузка из учётной программы"
ws = wb.create_sheet("Цены")
for r in rows:
    ws.append(r)
wb.save(sys.argv[1])
)");

const QString kXlwtScript = QString::fromUtf8(kWorkbookRows) + QStringLiteral(R"(
import sys, xlwt
wb = xlwt.Workbook(encoding="utf-8")
wb.add_sheet("Справка").write(0, 0, "Выгрузка из учётной программы")
ws = wb.add_sheet("Цены")
for i, r in enumerate(rows):
    for j, v in enumerate(r):
        ws.write(i, j, v)
wb.save(sys.argv[1])
)");

struct FileCase {
    const char *name;
    const char *fileName;
    QByteArray bytes;     // the file, or empty when `script` makes it
    QString script;       // a Python script that writes the file named by its argument
    const char *sheet;    // the sheet to import, "" for the first
    const char *encoding; // the encoding found (text files), "" otherwise
    QStringList stored;   // "COLUMN@PLU=value" after the import
};

void PrintTo(const FileCase &c, std::ostream *os) { *os << c.name; }

class TabularImport : public ::testing::Test, public StoreFixture {};
class TabularImportFile : public TabularImport, public ::testing::WithParamInterface<FileCase> {};

TEST_P(TabularImportFile, StoresWhatTheFileSays)
{
    const FileCase &c = GetParam();
    const QString path = file(QString::fromLatin1(c.fileName));
    if (c.script.isEmpty()) {
        dir.writeFile(QString::fromLatin1(c.fileName), c.bytes);
    } else {
        const auto made = runPython(c.script, {path});
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    }
    const TabularFile tabular = readTabularFile(path);
    if (*c.encoding) {
        EXPECT_EQ(textEncodingName(tabular.encoding), QString::fromUtf8(c.encoding));
    }
    const int sheet = *c.sheet ? tabular.sheetIndex(QString::fromUtf8(c.sheet)) : 0;
    ASSERT_GE(sheet, 0) << tabular.sheetNames().join(QLatin1Char(',')).toStdString();
    const ColumnMapping mapping = ColumnMapping::detect(tabular.sheets[sheet], ImportTarget::Goods);
    const ImportPlan plan(tabular, sheet, mapping, goods());
    ASSERT_TRUE(plan.problems().isEmpty()) << plan.problems().join(QLatin1Char('\n')).toStdString() << "\n"
                                           << mapping.toText().toStdString();
    plan.apply(goods());
    for (const QString &expected : c.stored) {
        const QString column = expected.section(QLatin1Char('@'), 0, 0);
        const int plu = expected.section(QLatin1Char('@'), 1).section(QLatin1Char('='), 0, 0).toInt();
        EXPECT_EQ(column + QLatin1Char('@') + QString::number(plu) + QLatin1Char('=') + goods().text(plu - 1, column), expected)
            << mapping.toText().toStdString();
    }
}

const QStringList kMilkAndBread = {QStringLiteral("TNAME1@7=Молоко"), QStringLiteral("PRICE@7=1250"),
                                   QStringLiteral("TNAME1@8=Хлеб"), QStringLiteral("PRICE@8=123450")};

INSTANTIATE_TEST_SUITE_P(
    Files, TabularImportFile,
    ::testing::Values(
        FileCase{
            "CalcSemicolonQuotesCrLf",
            "calc.csv",
            QStringLiteral("Код;Наименование;Цена\r\n7;\"Молоко \"\"Ферма\"\"; 2,5%\";12,50\r\n8;Хлеб;1 234,50\r\n").toUtf8(),
            {},
            "",
            "UTF-8",
            {QStringLiteral("TNAME1@7=Молоко \"Ферма\"; 2,5%"), QStringLiteral("PRICE@7=1250"),
             QStringLiteral("TNAME1@8=Хлеб"), QStringLiteral("PRICE@8=123450")}},
        FileCase{"ExcelCommaLfBom",
                 "excel.csv",
                 QByteArray("\xEF\xBB\xBF")
                     + QStringLiteral("PLU,Name,Price\n7,Молоко,12.50\n8,\"Хлеб\",\"1,234.50\"\n").toUtf8(),
                 {},
                 "",
                 "UTF-8 с BOM",
                 kMilkAndBread},
        FileCase{"UnicodeTextTabUkrainian",
                 "unicode.txt",
                 utf16le(QStringLiteral("Номер\tНазва\tЦіна, грн\r\n7\tМолоко\t12,5\r\n8\tХлеб\t1 234,5\r\n")),
                 {},
                 "",
                 "UTF-16",
                 kMilkAndBread},
        FileCase{"Windows1251KopecksAndMore",
                 "kassa.csv",
                 toCp1251(QStringLiteral("№;Наименование;Цена (коп.);Срок годности;Тара, г\r\n7;Молоко;1250;5;10\r\n"
                                         "8;Хлеб;123450;3;0\r\n")),
                 {},
                 "",
                 "Windows-1251",
                 kMilkAndBread + QStringList{QStringLiteral("UBDATE@7=5"), QStringLiteral("TARA@7=10")}},
        FileCase{"Dos866",
                 "dos.csv",
                 toCp866(QStringLiteral("PLU;Наименование;Цена\r\n7;Молоко;12.5\r\n8;Хлеб;1234.50\r\n")),
                 {},
                 "",
                 "DOS 866",
                 kMilkAndBread},
        FileCase{"NoHeaderProgramOrderLf",
                 "own.csv",
                 QStringLiteral("7;Молоко;;1250;5\n8;Хлеб;;123450;3\n").toUtf8(),
                 {},
                 "",
                 "UTF-8",
                 kMilkAndBread + QStringList{QStringLiteral("UBDATE@8=3")}},
        FileCase{"TitleLinesAndNewlineInQuotes",
                 "price.csv",
                 QStringLiteral("Прайс-лист на 01.12.2026\r\n\r\nКод;Наименование;Цена, грн;Группа\r\n"
                                "7;\"Молоко\r\nв/с\";12,50 грн;3\r\n8;Хлеб;1 234,50;3\r\n")
                     .toUtf8(),
                 {},
                 "",
                 "UTF-8",
                 {QStringLiteral("TNAME1@7=Молоко\nв/с"), QStringLiteral("PRICE@7=1250"),
                  QStringLiteral("PRICE@8=123450"), QStringLiteral("GROUPCODE@8=3")}},
        FileCase{"NoHeaderNamesThatAreTitles",
                 "names.csv",
                 QStringLiteral("7;Товар;Группа;1250;\r\n8;Хлеб;;123450;\r\n").toUtf8(),
                 {},
                 "",
                 "UTF-8",
                 kMilkAndBread.mid(1) + QStringList{QStringLiteral("TNAME1@7=Товар"), QStringLiteral("TNAME2@7=Группа")}},
        FileCase{"DbaseOtherFieldNames", "other.dbf", foreignDbf(), {}, "", "", kMilkAndBread},
        FileCase{"XlsxTwoSheets",
                 "book.xlsx",
                 {},
                 kOpenpyxlScript,
                 "Цены",
                 "",
                 kMilkAndBread + QStringList{QStringLiteral("GROUPCODE@7=3")}},
        FileCase{"XlsTwoSheets",
                 "book.xls",
                 {},
                 kXlwtScript,
                 "Цены",
                 "",
                 kMilkAndBread + QStringList{QStringLiteral("GROUPCODE@7=3")}}),
    [](const ::testing::TestParamInfo<FileCase> &info) { return std::string(info.param.name); });

// --- files and lines that are refused ---------------------------------------------------

struct RefusedCase {
    const char *name;
    QByteArray bytes;
    QStringList problems; // whole texts; for a file refused at once its one error
};

void PrintTo(const RefusedCase &c, std::ostream *os) { *os << c.name; }

class TabularImportRefused : public TabularImport, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(TabularImportRefused, NamesEveryBadLineAndStoresNothing)
{
    const RefusedCase &c = GetParam();
    dir.writeFile(QStringLiteral("in.csv"), c.bytes);
    const QStringList before = goodsSnapshot();
    QStringList problems;
    try {
        const TabularFile tabular = readTabularFile(file(QStringLiteral("in.csv")));
        const ImportPlan plan(tabular, 0, ColumnMapping::detect(tabular.sheets[0], ImportTarget::Goods), goods());
        problems = plan.problems();
        EXPECT_THROW(plan.apply(goods()), InputError);
    } catch (const FileError &e) {
        problems << e.text();
    }
    EXPECT_EQ(problems, c.problems);
    EXPECT_TRUE(goodsSnapshot() == before);
}

QByteArray randomBytes()
{
    QByteArray b(4096, '\0');
    QRandomGenerator gen(7);
    for (char &c : b)
        c = char(gen.bounded(256));
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Files, TabularImportRefused,
    ::testing::Values(
        RefusedCase{"BadLinesInTheMiddle",
                    QStringLiteral("PLU;Наименование;Цена;Тара\n1;a;1;\n2;b;12,345;\n3;c;дорого;\n4001;d;1;\n"
                                   "5;e;10000;\n6;f;1;5\n1;dup;2;\n;g;3;\n9;h;4;\n")
                        .toUtf8(),
                    {QStringLiteral("Файл «in.csv», строка 3, столбец 3 «Цена»: «12,345»: больше двух знаков после "
                                    "запятой, это не целое число копеек."),
                     QStringLiteral("Файл «in.csv», строка 4, столбец 3 «Цена»: «дорого» — не число."),
                     QStringLiteral("Файл «in.csv», строка 5, столбец 1 «PLU»: номер 4001 вне таблицы (1 … 4000)."),
                     QStringLiteral("Файл «in.csv», строка 6, столбец 3 «Цена»: цена 10000,00 грн вне пределов весов "
                                    "(0,00 … 9999,99 грн)."),
                     QStringLiteral("Файл «in.csv», строка 7, столбец 4 «Тара»: 5 — тара должна быть чётной."),
                     QStringLiteral("Файл «in.csv», строка 8, столбец 1 «PLU»: номер 1 уже был: строка 2."),
                     QStringLiteral("Файл «in.csv», строка 9, столбец 1 «PLU»: нет номера PLU.")}},
        RefusedCase{"Empty", {}, {QStringLiteral("Файл «in.csv» пуст: в нём нет ни одной строки.")}},
        RefusedCase{"Blanks", "\r\n  \r\n", {QStringLiteral("Файл «in.csv» пуст: в нём нет ни одной строки.")}},
        RefusedCase{"Binary",
                    randomBytes(),
                    {QStringLiteral("Файл «in.csv» не текстовый и не книга Excel или dBase: прочитать его нельзя.")}},
        RefusedCase{"DamagedWorkbookChosenAsCsv",
                    QByteArray("PK\x03\x04\x14\x00\x00\x00\x08\x00", 10) + randomBytes(),
                    {QStringLiteral("Файл «in.csv» не читается как книга Excel (.xlsx): архив повреждён.")}},
        RefusedCase{
            "UnclosedQuote",
            "PLU;Name;Price\n7;\"Milk;12\n8;Bread;4\n",
            {QStringLiteral("Файл «in.csv» испорчен: кавычка, открытая в строке 2, не закрыта до конца файла.")}},
        RefusedCase{"NoColumnsKnown",
                    "a;b\n1;2\n",
                    {QStringLiteral("Файл «in.csv», строка 1, столбец 1: «a» — не число.")}}),
    [](const ::testing::TestParamInfo<RefusedCase> &info) { return std::string(info.param.name); });

// --- money ------------------------------------------------------------------------------

struct MoneyCase {
    const char16_t *text;
    MoneyUnit unit;
    bool numberCell;
    std::optional<qint64> kopecks;
};

class MoneyReading : public ::testing::TestWithParam<MoneyCase> {};

TEST_P(MoneyReading, IsExact)
{
    const MoneyCase &c = GetParam();
    const NumberReading r = readMoney(QString::fromUtf16(c.text), c.unit, c.numberCell);
    EXPECT_EQ(r.value, c.kopecks) << r.error.toStdString();
    EXPECT_EQ(r.error.isEmpty(), c.kopecks.has_value());
}

constexpr auto kCur = MoneyUnit::Currency;
constexpr auto kKop = MoneyUnit::Kopecks;

INSTANTIATE_TEST_SUITE_P(
    Texts, MoneyReading,
    ::testing::Values(MoneyCase{u"12,50", kCur, false, 1250}, MoneyCase{u"12.50", kCur, false, 1250},
                      MoneyCase{u" 1 234,50 ", kCur, false, 123450}, MoneyCase{u"1\u00A0234,50", kCur, false, 123450},
                      MoneyCase{u"1\u202F234.5", kCur, false, 123450}, MoneyCase{u"12,5 грн", kCur, false, 1250},
                      MoneyCase{u"₴ 12.50", kCur, false, 1250}, MoneyCase{u"15 руб.", kCur, false, 1500},
                      MoneyCase{u"42", kCur, false, 4200}, MoneyCase{u"1,234.50", kCur, false, 123450},
                      MoneyCase{u"1.234,50", kCur, false, 123450}, MoneyCase{u"1.234.567", kCur, false, 123456700},
                      MoneyCase{u"1'234.50", kCur, false, 123450}, MoneyCase{u"12.", kCur, false, 1200},
                      MoneyCase{u",5", kCur, false, 50}, MoneyCase{u"-5", kCur, false, -500},
                      MoneyCase{u"12,500", kCur, false, 1250}, MoneyCase{u"12,345", kCur, false, std::nullopt},
                      MoneyCase{u"12,3,4", kCur, false, std::nullopt}, MoneyCase{u"1 23,00", kCur, false, std::nullopt},
                      MoneyCase{u"12 грн 50 коп", kCur, false, std::nullopt}, MoneyCase{u"", kCur, false, std::nullopt},
                      MoneyCase{u"abc", kCur, false, std::nullopt}, MoneyCase{u"0x10", kCur, false, std::nullopt},
                      MoneyCase{u"99999999999999999", kCur, false, std::nullopt}, MoneyCase{u"1550", kKop, false, 1550},
                      MoneyCase{u"1 550", kKop, false, 1550}, MoneyCase{u"15,50", kKop, false, std::nullopt},
                      MoneyCase{u"145.5", kCur, true, 14550}, MoneyCase{u"0.30000000000000004", kCur, true, 30},
                      MoneyCase{u"12.349999999999999", kCur, true, 1235}, MoneyCase{u"1.2345E+3", kCur, true, 123450},
                      MoneyCase{u"5E-2", kCur, true, 5}, MoneyCase{u"1E+300", kCur, true, std::nullopt},
                      MoneyCase{u"12.5", kKop, true, std::nullopt}, MoneyCase{u"12,5", kCur, true, std::nullopt}));

TEST(WholeNumberReading, IsWholeOrRefused)
{
    EXPECT_EQ(readWholeNumber(QStringLiteral(" 42 ")).value, 42);
    EXPECT_EQ(readWholeNumber(QStringLiteral("42"), true).value, 42);
    EXPECT_EQ(readWholeNumber(QStringLiteral("4.2E+1"), true).value, 42);
    EXPECT_EQ(readWholeNumber(QStringLiteral("42.5"), true).error, QStringLiteral("«42.5» — не целое число"));
    EXPECT_EQ(readWholeNumber(QStringLiteral("PLU")).error, QStringLiteral("«PLU» — не число"));
}

// --- mappings ---------------------------------------------------------------------------

struct MappingCase {
    const char *name;
    ImportTarget target;
    QStringList titles;   // the header row
    const char16_t *text; // the mapping found, as text
};

void PrintTo(const MappingCase &c, std::ostream *os) { *os << c.name; }

class MappingFromTitles : public ::testing::TestWithParam<MappingCase> {};

TEST_P(MappingFromTitles, FindsTheColumnsAndReadsBackFromItsText)
{
    const MappingCase &c = GetParam();
    TabularSheet sheet;
    TabularRow header;
    for (const QString &t : c.titles)
        header.cells.append({t, false});
    sheet.rows = {header};
    const ColumnMapping found = ColumnMapping::detect(sheet, c.target);
    EXPECT_EQ(found.headerRow(), 0);
    EXPECT_EQ(found.toText(), QString::fromUtf16(c.text));
    ColumnMapping again = ColumnMapping::fromText(found.toText(), c.target);
    EXPECT_TRUE(again.resolve(sheet).isEmpty());
    EXPECT_EQ(again.toText(), found.toText());
    for (int k = 0; k < found.items().size(); ++k)
        EXPECT_EQ(again.items()[k].column, found.items()[k].column) << k;
}

INSTANTIATE_TEST_SUITE_P(
    Titles, MappingFromTitles,
    ::testing::Values(
        MappingCase{
            "Accounting",
            ImportTarget::Goods,
            {"Код", "Наименование", "Ед.", "Цена, грн", "Срок годности, дней", "Группа"},
            u"PLU=Код,TNAME1=Наименование,PRICE=\"Цена, грн\":грн,UBDATE=\"Срок годности, дней\",GROUPCODE=Группа"},
        MappingCase{"Ukrainian",
                    ImportTarget::Goods,
                    {"Номер", "Назва", "Ціна", "Тара"},
                    u"PLU=Номер,TNAME1=Назва,PRICE=Ціна:грн,TARA=Тара"},
        MappingCase{"English",
                    ImportTarget::Goods,
                    {"PLU", "Product name", "Description", "Price (UAH)", "Barcode"},
                    u"PLU=PLU,TNAME1=Product name,TNAME2=Description,PRICE=Price (UAH):грн"},
        MappingCase{"ProgramsOwnGrid",
                    ImportTarget::Goods,
                    {"№ PLU", "Название товара 1", "Название товара 2", "Цена (коп.)", "Срок годности", "Тара",
                     "Код товара", "Групповой код", "Сообщение", "Логотип (PL/US)", "Последнее стирание", "Общая сумма",
                     "Группа весов"},
                    u"PLU=№ PLU,TNAME1=Название товара 1,TNAME2=Название товара 2,PRICE=Цена (коп.):коп,"
                    u"UBDATE=Срок годности,TARA=Тара,CODE=Код товара,GROUPCODE=Групповой код,MESSAGE=Сообщение,"
                    u"LOGO=Логотип (PL/US),SG=Группа весов"},
        MappingCase{"Messages", ImportTarget::Messages, {"№ Сообщения", "Текст"}, u"NPLU=№ Сообщения,TEXT=Текст"}),
    [](const ::testing::TestParamInfo<MappingCase> &info) { return std::string(info.param.name); });

TEST(MappingText, RefusesWhatItCannotMean)
{
    for (const char16_t *bad :
         {u"PLU=Код,WEIGHT=Вес", u"PLU=Код,PRICE=Цена:usd", u"PLU=Код,PLU=Номер", u"PLU", u"PLU=Код,PRICE="}) {
        EXPECT_THROW(ColumnMapping::fromText(QString::fromUtf16(bad), ImportTarget::Goods), InputError)
            << QString::fromUtf16(bad).toStdString();
    }
    const ColumnMapping m =
        ColumnMapping::fromText(QStringLiteral("PLU=#1, PRICE = \"Цена: розн.\":коп"), ImportTarget::Goods);
    ASSERT_EQ(m.items().size(), 2);
    EXPECT_EQ(m.items()[1].source, QStringLiteral("Цена: розн."));
    EXPECT_EQ(m.items()[1].unit, MoneyUnit::Kopecks);
}

TEST(MappingText, ColumnsByNumberSkipTheHeaderRow)
{
    TabularSheet sheet;
    sheet.rows = {TabularRow{1, {{QStringLiteral("Код"), false}, {QStringLiteral("Цена"), false}}},
                  TabularRow{2, {{QStringLiteral("7"), false}, {QStringLiteral("1250"), false}}}};
    ColumnMapping m = ColumnMapping::fromText(QStringLiteral("PLU=#1,PRICE=#2:коп"), ImportTarget::Goods);
    EXPECT_TRUE(m.resolve(sheet).isEmpty());
    EXPECT_EQ(m.headerRow(), 0);
    sheet.rows.removeFirst();
    EXPECT_TRUE(m.resolve(sheet).isEmpty());
    EXPECT_EQ(m.headerRow(), -1);
    // Titles that mean nothing known: a mapping by numbers given by hand passes over them; the
    // program's own order, found for want of known titles, does not (the row is a bad line).
    sheet.rows.prepend(TabularRow{1, {{QStringLiteral("Art"), false}, {QStringLiteral("Kost"), false}}});
    EXPECT_TRUE(m.resolve(sheet).isEmpty());
    EXPECT_EQ(m.headerRow(), 0);
    ColumnMapping found = ColumnMapping::detect(sheet, ImportTarget::Goods);
    EXPECT_TRUE(found.resolve(sheet).isEmpty());
    EXPECT_EQ(found.headerRow(), -1);
}

TEST_F(TabularImport, MappingIsRememberedPerFileNamePattern)
{
    RememberedMappings memory(file(QStringLiteral("ImportMappings.ini")));
    EXPECT_EQ(RememberedMappings::patternFor(QStringLiteral("/x/price_2024-05-31.csv")),
              QStringLiteral("price_*-*-*.csv"));
    const QString general = QStringLiteral("PLU=Код,PRICE=Цена:грн");
    const QString special = QStringLiteral("PLU=Код,PRICE=\"Цена, коп\":коп");
    memory.remember(ImportTarget::Goods, QStringLiteral("price_*.csv"),
                    ColumnMapping::fromText(general, ImportTarget::Goods));
    memory.remember(ImportTarget::Goods, QStringLiteral("price_kop_*.csv"),
                    ColumnMapping::fromText(special, ImportTarget::Goods));
    EXPECT_EQ(memory.find(ImportTarget::Goods, QStringLiteral("/in/PRICE_7.CSV")), general);
    EXPECT_EQ(memory.find(ImportTarget::Goods, QStringLiteral("price_kop_7.csv")), special);
    EXPECT_EQ(memory.find(ImportTarget::Goods, QStringLiteral("other.csv")), std::nullopt);
    EXPECT_EQ(memory.find(ImportTarget::Messages, QStringLiteral("price_7.csv")), std::nullopt);
}

// --- the import's end text and its transaction -------------------------------------------

TEST_F(TabularImport, CountsOnlyChangedGoodsAndNamesTheirColumns)
{
    goods().setValues(6, {{QStringLiteral("TNAME1"), QStringLiteral("Молоко")}, {QStringLiteral("PRICE"), 1250}});
    dir.writeFile(QStringLiteral("p.csv"),
                  QStringLiteral("PLU;Наименование;Цена\n7;Молоко;12,50\n8;Хлеб;4,20\n").toUtf8());
    const TabularFile tabular = readTabularFile(file(QStringLiteral("p.csv")));
    const ImportPlan plan(tabular, 0, ColumnMapping::detect(tabular.sheets[0], ImportTarget::Goods), goods());
    const ImportOutcome outcome = plan.apply(goods());
    EXPECT_EQ(outcome.text, QStringLiteral("Из файла «p.csv» прочитано строк: 2; изменено товаров: 1 (столбцы: "
                                           "Название товара 1, Цена (коп.))."));
    EXPECT_EQ(plan.apply(goods()).changedRows, 0);
}

// The database refusing a row half-way (on the server the rows go many in one statement)
// takes back the rows stored before it: the import is all or nothing.
TEST(TabularImportAtomic, DatabaseFailureHalfWayStoresNoRow)
{
    test::ScratchDir dir;
    test::refuseRows(dir.database(), QStringLiteral("T"), QStringLiteral("NEW.NPLU = 700"));
    Store store;
    store.openTables(dir.database());
    QByteArray csv = "PLU;Price\n";
    for (int n = 1; n <= 1000; ++n)
        csv += QByteArray::number(n) + ";1," + QByteArray::number(n % 100) + "\n";
    dir.writeFile(QStringLiteral("p.csv"), csv);
    const TabularFile tabular = readTabularFile(dir.file(QStringLiteral("p.csv")));
    const ImportPlan plan(tabular, 0, ColumnMapping::detect(tabular.sheets[0], ImportTarget::Goods), store.goods());
    ASSERT_TRUE(plan.ready());
    EXPECT_THROW(plan.apply(store.goods()), DatabaseError);
    EXPECT_TRUE(store.goods().isNull(0, QStringLiteral("PRICE")));
    store.goods().refresh();
    EXPECT_TRUE(store.goods().isNull(0, QStringLiteral("PRICE")));
    EXPECT_TRUE(store.goods().isNull(698, QStringLiteral("PRICE")));
}

TEST_F(TabularImport, MessagesTakeTheWholeText)
{
    dir.writeFile(QStringLiteral("m.csv"),
                  (QStringLiteral("Номер;Текст\n3;\"") + QString(30, QChar(u'ж')) + QStringLiteral("\"\n")).toUtf8());
    messages().setValue(2, QStringLiteral("M3"), QStringLiteral("old"));
    const TabularFile tabular = readTabularFile(file(QStringLiteral("m.csv")));
    const ImportPlan plan(tabular, 0, ColumnMapping::detect(tabular.sheets[0], ImportTarget::Messages), messages());
    ASSERT_TRUE(plan.problems().isEmpty()) << plan.problems().join(QLatin1Char('\n')).toStdString();
    plan.apply(messages());
    EXPECT_EQ(messages().text(2, QStringLiteral("M1")), QString(24, QChar(u'ж')));
    EXPECT_EQ(messages().text(2, QStringLiteral("M2")), QString(6, QChar(u'ж')));
    EXPECT_TRUE(messages().isNull(2, QStringLiteral("M3")));
}

// --- the .xlsx export, read back by other readers -----------------------------------------

TEST_F(TabularImport, XlsxExportReadsBackInOtherReadersAndHere)
{
    goods().setValues(0, {{QStringLiteral("TNAME1"), QStringLiteral("Сыр «Российский»")},
                          {QStringLiteral("PRICE"), 45990},
                          {QStringLiteral("UBDATE"), QStringLiteral("30")},
                          {QStringLiteral("TARA"), 4}});
    const QString path = file(QStringLiteral("goods.xlsx"));
    exportGoodsXlsx(goods(), path);
    const auto read = runPython(QStringLiteral(R"(
import sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).active
print(ws.title, ws.max_row, ws.max_column)
print("|".join(str(c.value) for c in ws[1]))
row = ws[2]
print("|".join("%s:%s" % (type(c.value).__name__, c.value) for c in row[:6]))
)"),
                                {path});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    const QStringList lines = read.out.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Товары 4001 15"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("№ PLU|Название товара 1|Название товара 2|Цена (коп.)|")))
        << lines[1].toStdString();
    EXPECT_EQ(lines[2], QStringLiteral("int:1|str:Сыр «Российский»|NoneType:None|int:45990|int:30|int:4"));

    // And the tabular import takes it back as it was.
    const QStringList before = goodsSnapshot();
    goods().setValue(0, QStringLiteral("PRICE"), 1);
    const TabularFile tabular = readTabularFile(path);
    const ImportPlan plan(tabular, 0, ColumnMapping::detect(tabular.sheets[0], ImportTarget::Goods), goods());
    ASSERT_TRUE(plan.problems().isEmpty()) << plan.problems().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(plan.apply(goods()).changedRows, 1);
    EXPECT_TRUE(goodsSnapshot() == before);
}

// LibreOffice, where it is installed: it reads the export, and the workbooks it saves from a
// price list are imported as the list says.
TEST_F(TabularImport, LibreOfficeReadsTheExportAndItsWorkbooksAreImported)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    const auto convert = [&](const QString &path, const QString &to, const QString &outdir) {
        QProcess lo;
        QStringList args = {QStringLiteral("-env:UserInstallation=file://") + dir.path() + QStringLiteral("/lo"),
                            QStringLiteral("--headless"),
                            QStringLiteral("--convert-to"),
                            to,
                            QStringLiteral("--outdir"),
                            outdir,
                            path};
        if (path.endsWith(QLatin1String(".csv")))
            args.insert(2, QStringLiteral("--infilter=CSV:59,34,76"));
        lo.start(soffice, args);
        return lo.waitForFinished(180000) && lo.exitCode() == 0;
    };
    goods().setValues(0, {{QStringLiteral("TNAME1"), QStringLiteral("Сыр «Российский»")},
                          {QStringLiteral("PRICE"), 45990}});
    exportGoodsXlsx(goods(), file(QStringLiteral("goods.xlsx")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("out")));
    ASSERT_TRUE(convert(file(QStringLiteral("goods.xlsx")), QStringLiteral("csv:Text - txt - csv (StarCalc):59,34,76"),
                        file(QStringLiteral("out"))));
    const QString csv = QString::fromUtf8(dir.readFile(QStringLiteral("out/goods.csv")));
    EXPECT_TRUE(csv.contains(QStringLiteral("1;Сыр «Российский»;;45990"))) << csv.left(300).toStdString();

    dir.writeFile(QStringLiteral("price.csv"),
                  QStringLiteral("Код;Наименование;Цена\n7;Молоко;12,50\n8;Хлеб;1234,50\n").toUtf8());
    for (const QString &kind : {QStringLiteral("xlsx"), QStringLiteral("xls")}) {
        ASSERT_TRUE(convert(file(QStringLiteral("price.csv")), kind, file(QStringLiteral("out")))) << kind.toStdString();
        const TabularFile tabular = readTabularFile(file(QStringLiteral("out/price.") + kind));
        const ImportPlan plan(tabular, 0, ColumnMapping::detect(tabular.sheets[0], ImportTarget::Goods), goods());
        ASSERT_TRUE(plan.problems().isEmpty()) << plan.problems().join(QLatin1Char('\n')).toStdString();
        plan.apply(goods());
        EXPECT_EQ(goods().text(6, QStringLiteral("PRICE")) + QLatin1Char('|') + goods().text(7, QStringLiteral("PRICE")),
                  QStringLiteral("1250|123450"))
            << kind.toStdString();
        goods().setValue(6, QStringLiteral("PRICE"), QVariant());
    }
}

} // namespace
