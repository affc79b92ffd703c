#include "common/Codepage.h"
#include "common/Error.h"
#include "fileio/ColumnTitles.h"
#include "fileio/GoodsSheetFile.h"

#include "FileioTestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

using namespace tevo;
using tevo::test::StoreFixture;

namespace {

struct Record {
    quint16 type;
    QByteArray data;
};

quint16 u16(const QByteArray &b, qsizetype at)
{
    return quint16(static_cast<quint8>(b.at(at)) | static_cast<quint8>(b.at(at + 1)) << 8);
}

// Cuts a record stream apart; fails the test on a record that runs past the end.
QVector<Record> records(const QByteArray &bytes)
{
    QVector<Record> out;
    qsizetype at = 0;
    while (at + 4 <= bytes.size()) {
        const quint16 type = u16(bytes, at);
        const quint16 length = u16(bytes, at + 2);
        EXPECT_LE(at + 4 + length, bytes.size());
        out.append({type, bytes.mid(at + 4, length)});
        at += 4 + length;
    }
    EXPECT_EQ(at, bytes.size());
    return out;
}

TEST(GoodsSheetExportName, AppendsXlsUnlessContained)
{
    EXPECT_EQ(goodsSheetExportName(QStringLiteral("goods")), QStringLiteral("goods.xls"));
    EXPECT_EQ(goodsSheetExportName(QStringLiteral("goods.xls")), QStringLiteral("goods.xls"));
    EXPECT_EQ(goodsSheetExportName(QStringLiteral("goods.XLS")), QStringLiteral("goods.XLS.xls"));
    EXPECT_EQ(goodsSheetExportName(QStringLiteral("a.xlsx")), QStringLiteral("a.xlsx"));
}

TEST(GoodsSheetBytes, StartsWithSheetAndCodePageThenTitlesAndEnds)
{
    const QVector<SheetColumn> columns = {{"NPLU", ColumnType::Integer, QStringLiteral("№ PLU")},
                                          {"TNAME1", ColumnType::Text, QStringLiteral("Название товара 1")}};
    const QVector<Record> r = records(goodsSheetBytes(columns, {{1, QStringLiteral("Молоко")}}));
    ASSERT_EQ(r.size(), 7);
    EXPECT_EQ(r[0].type, 0x0809);
    EXPECT_EQ(r[0].data, QByteArray("\x00\x00\x10\x00\x00\x00\x00\x00", 8));
    EXPECT_EQ(r[1].type, 0x0042);
    EXPECT_EQ(r[1].data, QByteArray("\xE3\x04", 2)); // 1251
    EXPECT_EQ(r[2].type, 0x0204);
    EXPECT_EQ(r[2].data,
              QByteArray("\x00\x00\x00\x00\x00\x00", 6) + QByteArray("\x05\x00", 2) + toCp1251(QStringLiteral("№ PLU")));
    EXPECT_EQ(r[3].type, 0x0204);
    EXPECT_EQ(u16(r[3].data, 2), 1);
    EXPECT_EQ(r[3].data.mid(8), toCp1251(QStringLiteral("Название товара 1")));
    EXPECT_EQ(r[4].type, 0x027E);
    EXPECT_EQ(r[4].data, QByteArray("\x01\x00\x00\x00\x00\x00\x06\x00\x00\x00", 10)); // row 1, column 0, 1 × 4 + 2
    EXPECT_EQ(r[5].type, 0x0204);
    EXPECT_EQ(u16(r[5].data, 0), 1);
    EXPECT_EQ(u16(r[5].data, 2), 1);
    EXPECT_EQ(r[6].type, 0x000A);
    EXPECT_TRUE(r[6].data.isEmpty());
}

struct CellCase {
    const char *name;
    ColumnType type;
    QVariant value;
    quint16 record;
    QByteArray payload; // after row, column and format
    quint16 format;
};

QByteArray le32(quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray leDouble(double d)
{
    quint64 bits;
    std::memcpy(&bits, &d, 8);
    char b[8];
    qToLittleEndian(bits, b);
    return QByteArray(b, 8);
}

class GoodsSheetCell : public ::testing::TestWithParam<CellCase> {};

TEST_P(GoodsSheetCell, KindFollowsColumnAndValue)
{
    const CellCase &c = GetParam();
    const QVector<SheetColumn> columns = {{"A", ColumnType::Text, QStringLiteral("a")},
                                          {"X", c.type, QStringLiteral("x")}};
    const QVector<Record> r = records(goodsSheetBytes(columns, {{QVariant(), c.value}}));
    ASSERT_EQ(r.size(), 7);
    EXPECT_EQ(r[4].type, 0x0201) << "a null first column is an empty cell";
    const Record &cell = r[5];
    EXPECT_EQ(cell.type, c.record);
    EXPECT_EQ(u16(cell.data, 0), 1);
    EXPECT_EQ(u16(cell.data, 2), 1);
    EXPECT_EQ(u16(cell.data, 4), c.format);
    EXPECT_EQ(cell.data.mid(6), c.payload);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GoodsSheetCell,
    ::testing::Values(
        CellCase{"Null", ColumnType::Integer, QVariant(), 0x0201, {}, 0x0017},
        CellCase{"EmptyText", ColumnType::Text, QString(), 0x0201, {}, 0x0017},
        CellCase{"Zero", ColumnType::Integer, qlonglong(0), 0x027E, le32(2), 0},
        CellCase{"Price", ColumnType::Integer, qlonglong(1550), 0x027E, le32(1550 * 4 + 2), 0},
        CellCase{"Negative", ColumnType::Integer, qlonglong(-5), 0x027E, le32(quint32(-5 * 4 + 2)), 0},
        CellCase{"Largest30Bit", ColumnType::Integer, qlonglong((1 << 29) - 1), 0x027E,
                 le32(quint32(((1 << 29) - 1) * 4 + 2)), 0},
        CellCase{"Smallest30Bit", ColumnType::Integer, qlonglong(-(1 << 29)), 0x027E,
                 le32(quint32(-(1 << 29)) * 4u + 2u), 0},
        CellCase{"AboveGoesFloat", ColumnType::Integer, qlonglong(1 << 29), 0x0203, leDouble(536870912.0), 0},
        CellCase{"BelowGoesFloat", ColumnType::Integer, qlonglong(-(1 << 29) - 1), 0x0203, leDouble(-536870913.0), 0},
        CellCase{"BigTotal", ColumnType::Integer, qlonglong(3000000000LL), 0x0203, leDouble(3000000000.0), 0},
        CellCase{"Text", ColumnType::Text, QStringLiteral("Сыр"), 0x0204,
                 QByteArray("\x03\x00", 2) + toCp1251(QStringLiteral("Сыр")), 0},
        CellCase{"DigitsInTextColumn", ColumnType::Text, QStringLiteral("5"), 0x0204,
                 QByteArray("\x01\x00"
                            "5",
                            3),
                 0},
        CellCase{"LongTextCut", ColumnType::Text, QString(300, QLatin1Char('w')), 0x0204,
                 QByteArray("\xFF\x00", 2) + QByteArray(255, 'w'), 0}),
    [](const ::testing::TestParamInfo<CellCase> &info) { return std::string(info.param.name); });

TEST(GoodsSheetBytes, CellsGoRowByRowColumnByColumn)
{
    const QVector<SheetColumn> columns = {{"A", ColumnType::Integer, QStringLiteral("a")},
                                          {"B", ColumnType::Text, QStringLiteral("b")},
                                          {"C", ColumnType::Integer, QStringLiteral("c")}};
    const QVector<QVector<QVariant>> rows = {{1, QStringLiteral("x"), QVariant()}, {QVariant(), QVariant(), 3}};
    const QVector<Record> r = records(goodsSheetBytes(columns, rows));
    ASSERT_EQ(r.size(), 2 + 3 + 6 + 1);
    int k = 2;
    for (int row = 0; row <= 2; ++row)
        for (int col = 0; col < 3; ++col, ++k) {
            EXPECT_EQ(u16(r[k].data, 0), row) << k;
            EXPECT_EQ(u16(r[k].data, 2), col) << k;
        }
}

TEST(GoodsSheetBytes, TooManyRowsForASheetIsRefused)
{
    const QVector<SheetColumn> columns = {{"A", ColumnType::Integer, QStringLiteral("a")}};
    EXPECT_NO_THROW(goodsSheetBytes(columns, QVector<QVector<QVariant>>(65535, {1})));
    EXPECT_THROW(goodsSheetBytes(columns, QVector<QVector<QVariant>>(65536, {1})), FileError);
}

class GoodsSheetExport : public ::testing::Test, public StoreFixture {};

TEST_F(GoodsSheetExport, XlrdReadsTitlesNumbersAndRussianText)
{
    goods().setValues(0, {{QStringLiteral("TNAME1"), QStringLiteral("Молоко")},
                          {QStringLiteral("PRICE"), 1550},
                          {QStringLiteral("UBDATE"), QStringLiteral("31.12.24")},
                          {QStringLiteral("OSUM"), 3000000000LL},
                          {QStringLiteral("LOGO"), QStringLiteral("Р")},
                          {QStringLiteral("SG"), QStringLiteral("Отдел 1")}});
    const QString path = file(QStringLiteral("goods.xls"));
    exportGoodsXls(goods(), path);
    EXPECT_EQ(goods().currentRow(), 3999);

    const auto r = test::runPython(QStringLiteral(R"(
import sys, json, xlrd
b = xlrd.open_workbook(sys.argv[1])
s = b.sheet_by_index(0)
print(json.dumps({"encoding": b.encoding, "rows": s.nrows, "cols": s.ncols,
                  "titles": s.row_values(0), "first": s.row_values(1), "last": s.row_values(s.nrows - 1),
                  "types": list(s.row_types(1))}, ensure_ascii=False))
)"),
                                   {path});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(o.value("encoding").toString(), QStringLiteral("cp1251"));
    EXPECT_EQ(o.value("rows").toInt(), 4001);
    EXPECT_EQ(o.value("cols").toInt(), 15);
    QStringList titles;
    for (const QJsonValue &v : o.value("titles").toArray())
        titles << v.toString();
    QStringList expected;
    for (const ColumnDef &c : goodsColumns())
        expected << columnTitle(QStringLiteral("T"), c.name).fileTitle;
    EXPECT_EQ(titles, expected);
    const QJsonArray first = o.value("first").toArray();
    EXPECT_EQ(first[0].toDouble(), 1.0);
    EXPECT_EQ(first[1].toString(), QStringLiteral("Молоко"));
    EXPECT_EQ(first[2].toString(), QString());
    EXPECT_EQ(first[3].toDouble(), 1550.0);
    EXPECT_EQ(first[4].toString(), QStringLiteral("31.12.24"));
    EXPECT_EQ(first[9].toString(), QStringLiteral("Р"));
    EXPECT_EQ(first[11].toDouble(), 3000000000.0);
    EXPECT_EQ(first[14].toString(), QStringLiteral("Отдел 1"));
    const QJsonArray last = o.value("last").toArray();
    EXPECT_EQ(last[0].toDouble(), 4000.0);
    for (int c = 1; c < 15; ++c)
        EXPECT_EQ(last[c].toString(), QString()) << c;
}

TEST_F(GoodsSheetExport, UncreatableFileIsReported)
{
    const QString path = file(QStringLiteral("no/folder/goods.xls"));
    try {
        exportGoodsXls(goods(), path);
        FAIL() << "no error";
    } catch (const FileError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot create file %1").arg(path));
    }
    QDir(dir.path()).mkdir(QStringLiteral("dir.xls"));
    EXPECT_THROW(exportGoodsXls(goods(), file(QStringLiteral("dir.xls"))), FileError);
}

TEST_F(GoodsSheetExport, ReplacesAnOlderFile)
{
    dir.writeFile(QStringLiteral("g.xls"), QByteArray(1 << 20, 'o'));
    exportGoodsXls(goods(), file(QStringLiteral("g.xls")));
    const QByteArray bytes = dir.readFile(QStringLiteral("g.xls"));
    EXPECT_TRUE(bytes.startsWith(QByteArray("\x09\x08\x08\x00", 4)));
    EXPECT_TRUE(bytes.endsWith(QByteArray("\x0A\x00\x00\x00", 4)));
}

} // namespace
