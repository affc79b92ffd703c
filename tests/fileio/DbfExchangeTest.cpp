#include "common/Codepage.h"
#include "common/Error.h"
#include "fileio/DbfExchange.h"
#include "fileio/DbfFile.h"
#include "fileio/DbfTemplate.h"

#include "FileioTestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace tevo;
using tevo::test::StoreFixture;

namespace {

// --- dBase files laid out byte by byte, independent of the code under test -------------

struct RawField {
    const char *name;
    char type;
    int width;
    int decimals;
};

QByteArray layDbf(const QVector<RawField> &fields, const QVector<QVector<QByteArray>> &records, quint8 driver = 0x26,
                  const QVector<bool> &deleted = {})
{
    const int headerLength = 32 + 32 * fields.size() + 1;
    int recordLength = 1;
    for (const RawField &f : fields)
        recordLength += f.width;
    QByteArray b(headerLength, '\0');
    b[0] = 0x03;
    b[1] = 124;
    b[2] = 5;
    b[3] = 17;
    qToLittleEndian<quint32>(quint32(records.size()), b.data() + 4);
    qToLittleEndian<quint16>(quint16(headerLength), b.data() + 8);
    qToLittleEndian<quint16>(quint16(recordLength), b.data() + 10);
    b[29] = static_cast<char>(driver);
    for (int i = 0; i < fields.size(); ++i) {
        char *d = b.data() + 32 + 32 * i;
        memcpy(d, fields[i].name, strlen(fields[i].name));
        d[11] = fields[i].type;
        d[16] = static_cast<char>(fields[i].width);
        d[17] = static_cast<char>(fields[i].decimals);
    }
    b[headerLength - 1] = 0x0D;
    for (int r = 0; r < records.size(); ++r) {
        b += (r < deleted.size() && deleted[r]) ? '*' : ' ';
        for (int i = 0; i < fields.size(); ++i) {
            QByteArray v = records[r].value(i).left(fields[i].width);
            const QByteArray pad(fields[i].width - v.size(), ' ');
            b += fields[i].type == 'N' ? pad + v : v + pad;
        }
    }
    b += '\x1A';
    return b;
}

const QVector<RawField> kSevenFields = {{"PRODNAME", 'C', 28, 0}, {"PRODINFO", 'C', 28, 0},  {"UNITPRICE", 'N', 10, 0},
                                        {"USEBYDATE", 'C', 8, 0}, {"TAREWEIGHT", 'N', 6, 0}, {"PRODCODE", 'N', 10, 0},
                                        {"PRODGROUP", 'N', 10, 0}};

// dbfread's view of a table: {"driver": n, "encoding": s, "fields": [[name, type, length]], "records": [...]}
QJsonObject readWithDbfread(const QString &path)
{
    const auto r = test::runPython(QStringLiteral(R"(
import sys, json, dbfread
t = dbfread.DBF(sys.argv[1], load=True)
print(json.dumps({"driver": t.header.language_driver, "encoding": t.encoding,
                  "fields": [[f.name, f.type, f.length] for f in t.fields],
                  "records": [dict(r) for r in t.records]}, ensure_ascii=False))
)"),
                                   {path});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// --- names and template ----------------------------------------------------------------

TEST(GoodsDbfExportName, AppendsDbfUnlessContained)
{
    const QList<QPair<QString, QString>> cases = {{"goods", "goods.dbf"},
                                                  {"goods.dbf", "goods.dbf"},
                                                  {"GOODS.DBF", "GOODS.DBF.dbf"},
                                                  {"a.dbf.old", "a.dbf.old"}};
    for (const auto &c : cases)
        EXPECT_EQ(goodsDbfExportName(c.first), c.second) << c.first.toStdString();
}

TEST(DbfTemplate, IsAnEmptyTableWithTheSevenFieldsInCodePage866)
{
    test::ScratchDir dir;
    const QString path = dir.file(QStringLiteral("dorvask.dll"));
    QString error;
    ASSERT_TRUE(writeDbfTemplate(path, &error)) << error.toStdString();
    EXPECT_EQ(static_cast<quint8>(readBytes(path).at(29)), 0x26);
    const QJsonObject t = readWithDbfread(path);
    EXPECT_EQ(t.value("encoding").toString(), QStringLiteral("cp866"));
    EXPECT_EQ(t.value("records").toArray().size(), 0);
    const QJsonArray fields = t.value("fields").toArray();
    QStringList got;
    for (const QJsonValue &f : fields)
        got << QStringLiteral("%1 %2 %3").arg(f[0].toString(), f[1].toString()).arg(f[2].toInt());
    EXPECT_EQ(got, QStringList({"PRODNAME C 28", "PRODINFO C 28", "UNITPRICE N 11", "USEBYDATE C 8", "TAREWEIGHT N 6",
                                "PRODCODE N 11", "PRODGROUP N 11"}));

    EXPECT_FALSE(writeDbfTemplate(dir.file(QStringLiteral("no/folder/t.dll")), &error));
    EXPECT_EQ(error, QStringLiteral("Cannot create file %1").arg(dir.file(QStringLiteral("no/folder/t.dll"))));
}

// --- export ----------------------------------------------------------------------------

class DbfExport : public ::testing::Test, public StoreFixture {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(writeDbfTemplate(templatePath(), &error));
    }
    QString templatePath() const { return file(QStringLiteral("dorvask.dll")); }
};

TEST_F(DbfExport, WritesEveryRowInCodePage866ThatDbfreadReads)
{
    goods().setValues(1, {{QStringLiteral("TNAME1"), QStringLiteral("Молоко")},
                          {QStringLiteral("TNAME2"), QStringLiteral("ГОСТ 3,2%")},
                          {QStringLiteral("PRICE"), 1550},
                          {QStringLiteral("UBDATE"), QStringLiteral("31.12.24")},
                          {QStringLiteral("TARA"), 12},
                          {QStringLiteral("CODE"), 321},
                          {QStringLiteral("GROUPCODE"), -7},
                          {QStringLiteral("MESSAGE"), 4}});
    const QString path = file(QStringLiteral("out.dbf"));
    exportGoodsDbf(goods(), path, templatePath());
    EXPECT_EQ(goods().currentRow(), 3999);

    const QByteArray bytes = readBytes(path);
    EXPECT_EQ(static_cast<quint8>(bytes.at(29)), 0x26);
    EXPECT_TRUE(bytes.contains(toCp866(QStringLiteral("Молоко"))));
    EXPECT_FALSE(bytes.contains(toCp1251(QStringLiteral("Молоко"))));

    const QJsonObject t = readWithDbfread(path);
    EXPECT_EQ(t.value("driver").toInt(), 0x26);
    EXPECT_EQ(t.value("encoding").toString(), QStringLiteral("cp866"));
    const QJsonArray records = t.value("records").toArray();
    ASSERT_EQ(records.size(), 4000);
    const QJsonObject milk = records[1].toObject();
    EXPECT_EQ(milk.value("PRODNAME").toString(), QStringLiteral("Молоко"));
    EXPECT_EQ(milk.value("PRODINFO").toString(), QStringLiteral("ГОСТ 3,2%"));
    EXPECT_EQ(milk.value("UNITPRICE").toInt(), 1550);
    EXPECT_EQ(milk.value("USEBYDATE").toString(), QStringLiteral("31.12.24"));
    EXPECT_EQ(milk.value("TAREWEIGHT").toInt(), 12);
    EXPECT_EQ(milk.value("PRODCODE").toInt(), 321);
    EXPECT_EQ(milk.value("PRODGROUP").toInt(), -7);
    const QJsonObject empty = records[3999].toObject();
    EXPECT_EQ(empty.value("PRODNAME").toString(), QString());
    EXPECT_EQ(empty.value("UNITPRICE").toInt(-1), 0) << "an empty price is written as 0";
    EXPECT_TRUE(empty.value("TAREWEIGHT").isNull());
}

TEST_F(DbfExport, RussianNamesComeBackAndLettersOutside866AreLost)
{
    goods().setValues(0, {{QStringLiteral("TNAME1"), QStringLiteral("Ёжик в тумане")},
                          {QStringLiteral("TNAME2"), QStringLiteral("Їжак і ґанок")}});
    const QString path = file(QStringLiteral("rt.dbf"));
    exportGoodsDbf(goods(), path, templatePath());
    StoreFixture other;
    importGoodsDbf(other.goods(), path);
    EXPECT_EQ(other.goods().count(), 4000);
    EXPECT_EQ(other.goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("Ёжик в тумане"));
    EXPECT_EQ(other.goods().text(0, QStringLiteral("TNAME2")), QStringLiteral("Їжак ? ?анок"));
    EXPECT_EQ(other.goods().text(0, QStringLiteral("PRICE")), QStringLiteral("0"));
}

TEST_F(DbfExport, MissingTemplateWritesNothing)
{
    QFile::remove(templatePath());
    const QString fresh = file(QStringLiteral("fresh.dbf"));
    try {
        exportGoodsDbf(goods(), fresh, templatePath());
        FAIL() << "no error";
    } catch (const FileError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot create file %1").arg(fresh));
    }
    EXPECT_FALSE(QFile::exists(fresh));

    // An older file of the chosen name is neither appended to nor replaced.
    const QByteArray old = layDbf(kSevenFields, {{"old", "", "1", "", "", "", ""}});
    dir.writeFile(QStringLiteral("old.dbf"), old);
    EXPECT_THROW(exportGoodsDbf(goods(), file(QStringLiteral("old.dbf")), templatePath()), FileError);
    EXPECT_EQ(dir.readFile(QStringLiteral("old.dbf")), old);
}

TEST_F(DbfExport, ReplacesAnOlderFileWhole)
{
    dir.writeFile(QStringLiteral("old.dbf"), layDbf(kSevenFields, {{"old", "", "1", "", "", "", ""}}));
    exportGoodsDbf(goods(), file(QStringLiteral("old.dbf")), templatePath());
    EXPECT_EQ(readWithDbfread(file(QStringLiteral("old.dbf"))).value("records").toArray().size(), 4000);
}

TEST_F(DbfExport, TemplateWithFieldsInAnotherOrderAndOfCharacterType)
{
    dir.writeFile(QStringLiteral("t.dbf"), layDbf({{"PRODGROUP", 'C', 6, 0},
                                                   {"NOTE", 'C', 5, 0},
                                                   {"PRODCODE", 'C', 6, 0},
                                                   {"TAREWEIGHT", 'C', 5, 0},
                                                   {"USEBYDATE", 'C', 8, 0},
                                                   {"UNITPRICE", 'N', 9, 2},
                                                   {"PRODINFO", 'C', 10, 0},
                                                   {"PRODNAME", 'C', 10, 0}},
                                                  {}));
    goods().setValues(0, {{QStringLiteral("TNAME1"), QStringLiteral("Чай")},
                          {QStringLiteral("PRICE"), 12345},
                          {QStringLiteral("CODE"), 42},
                          {QStringLiteral("GROUPCODE"), 9}});
    exportGoodsDbf(goods(), file(QStringLiteral("o.dbf")), file(QStringLiteral("t.dbf")));
    const QJsonObject first = readWithDbfread(file(QStringLiteral("o.dbf"))).value("records").toArray()[0].toObject();
    EXPECT_EQ(first.value("PRODNAME").toString(), QStringLiteral("Чай"));
    EXPECT_EQ(first.value("UNITPRICE").toDouble(), 12345.0);
    EXPECT_EQ(first.value("PRODCODE").toString(), QStringLiteral("42"));
    EXPECT_EQ(first.value("PRODGROUP").toString(), QStringLiteral("9"));
    EXPECT_EQ(first.value("NOTE").toString(), QString());
    StoreFixture other;
    importGoodsDbf(other.goods(), file(QStringLiteral("o.dbf")));
    EXPECT_EQ(other.goods().text(0, QStringLiteral("PRICE")), QStringLiteral("12345"));
    EXPECT_EQ(other.goods().text(0, QStringLiteral("CODE")), QStringLiteral("42"));
}

struct TooWideCase {
    const char *name;
    const char *column;
    QVariant value;
    const char *error;
};

class DbfExportTooWide : public ::testing::TestWithParam<TooWideCase>, public StoreFixture {};

TEST_P(DbfExportTooWide, IsAnErrorNamingTheFieldAndWritesNothing)
{
    const TooWideCase &c = GetParam();
    ASSERT_TRUE(writeDbfTemplate(file(QStringLiteral("dorvask.dll")), nullptr));
    const QByteArray old = layDbf(kSevenFields, {});
    dir.writeFile(QStringLiteral("out.dbf"), old);
    goods().setValues(2, {{QString::fromLatin1(c.column), c.value}});
    try {
        exportGoodsDbf(goods(), file(QStringLiteral("out.dbf")), file(QStringLiteral("dorvask.dll")));
        FAIL() << "no error";
    } catch (const FileError &e) {
        EXPECT_EQ(e.text(), QString::fromUtf8(c.error));
    }
    EXPECT_EQ(dir.readFile(QStringLiteral("out.dbf")), old);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DbfExportTooWide,
    ::testing::Values(
        TooWideCase{"Tare", "TARA", 1234567, "Value '1234567' of goods 3 does not fit field 'TAREWEIGHT' (6 characters)"},
        TooWideCase{"NegativeTare", "TARA", -100000,
                    "Value '-100000' of goods 3 does not fit field 'TAREWEIGHT' (6 characters)"},
        TooWideCase{"Name", "TNAME1", QString(29, QLatin1Char('x')),
                    "Value 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxx' of goods 3 does not fit field 'PRODNAME' (28 characters)"},
        TooWideCase{"ShelfLife", "UBDATE", QStringLiteral("31.12.2024"),
                    "Value '31.12.2024' of goods 3 does not fit field 'USEBYDATE' (8 characters)"}),
    [](const ::testing::TestParamInfo<TooWideCase> &info) { return std::string(info.param.name); });

TEST_F(DbfExport, TemplateLackingAFieldIsReported)
{
    QVector<RawField> six = kSevenFields;
    six.removeAt(6);
    dir.writeFile(QStringLiteral("six.dll"), layDbf(six, {}));
    try {
        exportGoodsDbf(goods(), file(QStringLiteral("o.dbf")), file(QStringLiteral("six.dll")));
        FAIL() << "no error";
    } catch (const FileError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Field 'PRODGROUP' not found"));
    }
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("o.dbf"))));
}

// --- import ----------------------------------------------------------------------------

class DbfImport : public ::testing::Test, public StoreFixture {};

TEST_F(DbfImport, ThreeRecordsLeaveThreeRows)
{
    goods().setValues(0, {{QStringLiteral("MESSAGE"), 5}, {QStringLiteral("SG"), QStringLiteral("g")}});
    dir.writeFile(QStringLiteral("in.dbf"),
                  layDbf(kSevenFields,
                         {{toCp866(QStringLiteral("Хлеб")), "", "3000", "2", "", "11", "1"},
                          {toCp866(QStringLiteral("Батон")), toCp866(QStringLiteral("нарезной")), "", "", "0", "", ""},
                          {"", "", "", "", "", "", ""}}));
    importGoodsDbf(goods(), file(QStringLiteral("in.dbf")));
    ASSERT_EQ(goods().count(), 3);
    EXPECT_EQ(goods().text(0, QStringLiteral("NPLU")), QStringLiteral("1"));
    EXPECT_EQ(goods().text(2, QStringLiteral("NPLU")), QStringLiteral("3"));
    EXPECT_EQ(goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("Хлеб"));
    EXPECT_EQ(goods().text(0, QStringLiteral("PRICE")), QStringLiteral("3000"));
    EXPECT_EQ(goods().text(0, QStringLiteral("UBDATE")), QStringLiteral("2"));
    EXPECT_EQ(goods().text(0, QStringLiteral("CODE")), QStringLiteral("11"));
    EXPECT_TRUE(goods().isNull(0, QStringLiteral("MESSAGE")));
    EXPECT_TRUE(goods().isNull(0, QStringLiteral("SG")));
    EXPECT_EQ(goods().text(1, QStringLiteral("TNAME2")), QStringLiteral("нарезной"));
    EXPECT_EQ(goods().text(1, QStringLiteral("PRICE")), QStringLiteral("0")) << "an empty price reads as 0";
    EXPECT_EQ(goods().text(1, QStringLiteral("TARA")), QStringLiteral("0"));
    EXPECT_TRUE(goods().isNull(1, QStringLiteral("CODE")));
    EXPECT_TRUE(goods().isNull(2, QStringLiteral("TNAME1")));

    // The table read anew from the database holds the same rows.
    goods().refresh();
    EXPECT_EQ(goods().count(), 3);
}

TEST_F(DbfImport, ForeignLayoutWithBlanksDeletedRecordsAndTheOther866Mark)
{
    const QVector<RawField> fields = {{"PRODCODE", 'C', 6, 0},  {"prodname", 'C', 30, 0}, {"FLAG", 'L', 1, 0},
                                      {"UNITPRICE", 'N', 9, 2}, {"PRODINFO", 'C', 20, 0}, {"USEBYDATE", 'C', 8, 0},
                                      {"PRODGROUP", 'N', 4, 0}, {"TAREWEIGHT", 'N', 5, 0}};
    const QByteArray bytes = layDbf(fields,
                                    {{"  77  ", toCp866(QStringLiteral("  Сметана 20%")), "T", "1550.00",
                                      toCp866(QStringLiteral("стакан")), "10.01.25", "3", ""},
                                     {"1", toCp866(QStringLiteral("удалённая")), "F", "1", "", "", "", ""},
                                     {"", toCp866(QStringLiteral("Масло")), "?", "", "", "", "", "  200"}},
                                    0x65, {false, true, false});
    dir.writeFile(QStringLiteral("foreign.dbf"), bytes);
    importGoodsDbf(goods(), file(QStringLiteral("foreign.dbf")));
    ASSERT_EQ(goods().count(), 2) << "the deleted record is not imported";
    EXPECT_EQ(goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("  Сметана 20%")) << "leading blanks stay";
    EXPECT_EQ(goods().text(0, QStringLiteral("TNAME2")), QStringLiteral("стакан"));
    EXPECT_EQ(goods().text(0, QStringLiteral("PRICE")), QStringLiteral("1550"));
    EXPECT_EQ(goods().text(0, QStringLiteral("UBDATE")), QStringLiteral("10.01.25"));
    EXPECT_EQ(goods().text(0, QStringLiteral("CODE")), QStringLiteral("77"));
    EXPECT_EQ(goods().text(0, QStringLiteral("GROUPCODE")), QStringLiteral("3"));
    EXPECT_TRUE(goods().isNull(0, QStringLiteral("TARA")));
    EXPECT_EQ(goods().text(1, QStringLiteral("NPLU")), QStringLiteral("2"));
    EXPECT_EQ(goods().text(1, QStringLiteral("TNAME1")), QStringLiteral("Масло"));
    EXPECT_EQ(goods().text(1, QStringLiteral("TARA")), QStringLiteral("200"));
    EXPECT_EQ(static_cast<quint8>(dir.readFile(QStringLiteral("foreign.dbf")).at(29)), 0x65)
        << "0x65 is code page 866 too";
}

TEST_F(DbfImport, SetsTheLanguageDriverMark)
{
    QByteArray bytes = layDbf(kSevenFields, {{"a", "", "1", "", "", "", ""}}, 0x00);
    dir.writeFile(QStringLiteral("in.dbf"), bytes);
    importGoodsDbf(goods(), file(QStringLiteral("in.dbf")));
    QByteArray after = dir.readFile(QStringLiteral("in.dbf"));
    EXPECT_EQ(static_cast<quint8>(after.at(29)), 0x26);
    after[29] = 0x00;
    EXPECT_EQ(after, bytes) << "nothing but the mark changes";
    EXPECT_EQ(readWithDbfread(file(QStringLiteral("in.dbf"))).value("encoding").toString(), QStringLiteral("cp866"));
}

TEST(SetDbfLanguageDriver, RefusesWhatIsNoTable)
{
    test::ScratchDir dir;
    dir.writeFile(QStringLiteral("x.dbf"), QByteArray("plain text, no table at all, long enough for a header"));
    EXPECT_THROW(setDbfLanguageDriver(dir.file(QStringLiteral("x.dbf"))), FileError);
    EXPECT_EQ(dir.readFile(QStringLiteral("x.dbf")),
              QByteArray("plain text, no table at all, long enough for a header"));
    EXPECT_THROW(setDbfLanguageDriver(dir.file(QStringLiteral("none.dbf"))), FileError);
}

struct BadDbfCase {
    const char *name;
    std::function<QByteArray()> bytes;
    const char *error; // %1 = the file's path; nullptr: any error of ours
};

QByteArray withByte(QByteArray b, int at, char value)
{
    b[at] = value;
    return b;
}

QByteArray goodFile() { return layDbf(kSevenFields, {{"a", "", "1", "", "", "", ""}, {"b", "", "2", "", "", "", ""}}); }

class DbfImportRefuses : public ::testing::TestWithParam<BadDbfCase>, public StoreFixture {};

TEST_P(DbfImportRefuses, BadFilesLeaveTheGoodsAsTheyWere)
{
    const BadDbfCase &c = GetParam();
    goods().setValues(0, {{QStringLiteral("TNAME1"), QStringLiteral("keep me")}});
    const QByteArray bytes = c.bytes();
    dir.writeFile(QStringLiteral("bad.dbf"), bytes);
    const QStringList before = goodsSnapshot();
    const QString path = file(QStringLiteral("bad.dbf"));
    try {
        importGoodsDbf(goods(), path);
        FAIL() << "no error";
    } catch (const Error &e) {
        if (c.error) {
            QString expected = QString::fromUtf8(c.error);
            expected.replace(QLatin1String("%1"), path);
            EXPECT_EQ(e.text(), expected);
        }
    }
    EXPECT_EQ(goodsSnapshot(), before);
    goods().refresh();
    EXPECT_EQ(goodsSnapshot(), before);
    EXPECT_EQ(dir.readFile(QStringLiteral("bad.dbf")), bytes) << "a refused file is not touched";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DbfImportRefuses,
    ::testing::Values(
        BadDbfCase{"Empty", [] { return QByteArray(); }, "File %1 is not a dBase table"},
        BadDbfCase{"HalfAHeader", [] { return goodFile().left(20); }, "File %1 is not a dBase table"},
        BadDbfCase{"FieldsCutOff", [] { return goodFile().left(100); },
                   "File %1 is damaged: it is shorter than its header states"},
        BadDbfCase{"RecordsCutOff", [] { return goodFile().chopped(40); },
                   "File %1 is damaged: it holds fewer records than its header states"},
        BadDbfCase{"ClaimsTwoBillionRecords",
                   [] {
                       QByteArray b = goodFile();
                       qToLittleEndian<quint32>(0x7FFFFFFF, b.data() + 4);
                       return b;
                   },
                   "File %1 is damaged: it holds fewer records than its header states"},
        BadDbfCase{"WrongVersion", [] { return withByte(goodFile(), 0, 0x02); }, "File %1 is not a dBase table"},
        BadDbfCase{"NoFieldTerminator", [] { return withByte(goodFile(), 32 + 7 * 32, 'X'); },
                   "File %1 is not a dBase table"},
        BadDbfCase{"FieldsWiderThanRecord", [] { return withByte(goodFile(), 32 + 16, char(200)); },
                   "File %1 is not a dBase table"},
        BadDbfCase{"ZeroWidthField", [] { return withByte(goodFile(), 32 + 32 + 16, 0); }, "File %1 is not a dBase table"},
        BadDbfCase{"TinyHeaderLength", [] { return withByte(withByte(goodFile(), 8, 40), 9, 0); },
                   "File %1 is not a dBase table"},
        BadDbfCase{"Binary",
                   [] {
                       QByteArray b(64 * 1024, '\0');
                       QRandomGenerator gen(11);
                       for (char &c : b)
                           c = static_cast<char>(gen.bounded(256));
                       b[0] = 0x03;
                       return b;
                   },
                   nullptr},
        BadDbfCase{"HugeTextFile", [] { return QByteArray(30 << 20, 'z'); }, "File %1 is not a dBase table"},
        BadDbfCase{"MissingField",
                   [] {
                       QVector<RawField> f = kSevenFields;
                       f[4].name = "TARE";
                       return layDbf(f, {{"a", "", "1", "", "5", "", ""}});
                   },
                   "Field 'TAREWEIGHT' not found"},
        BadDbfCase{"TareWithFraction",
                   [] {
                       QVector<RawField> f = kSevenFields;
                       f[4].decimals = 2;
                       return layDbf(f, {{"a", "", "1", "", "5.00", "", ""}, {"b", "", "1", "", "5.25", "", ""}});
                   },
                   "'5.25' is not a valid integer value for field 'TARA'"},
        BadDbfCase{"PriceNotANumber",
                   [] {
                       return layDbf(kSevenFields, {{"a", "", "12a", "", "", "", ""}});
                   },
                   "'12a' is not a valid integer value for field 'PRICE'"},
        BadDbfCase{"PriceBeyond32Bits",
                   [] {
                       return layDbf(kSevenFields, {{"a", "", "9999999999", "", "", "", ""}});
                   },
                   "'9999999999' is not a valid integer value for field 'PRICE'"}),
    [](const ::testing::TestParamInfo<BadDbfCase> &info) { return std::string(info.param.name); });

TEST_F(DbfImport, FileThatCannotBeOpenedChangesNothing)
{
    const QStringList before = goodsSnapshot();
    const QString path = file(QStringLiteral("nowhere.dbf"));
    try {
        importGoodsDbf(goods(), path);
        FAIL() << "no error";
    } catch (const FileError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot open file %1").arg(path));
    }
    EXPECT_EQ(goodsSnapshot(), before);
}

// A failure of the database half-way through the import rolls everything back.
TEST(DbfImportAtomic, DatabaseFailureHalfWayLeavesTheGoodsAsTheyWere)
{
    test::ScratchDir dir;
    test::refuseRows(dir.database(), QStringLiteral("T"), QStringLiteral("NEW.NPLU = 3"));
    Store store;
    store.openTables(dir.database());
    Table &goods = store.goods();
    goods.setValues(9, {{QStringLiteral("TNAME1"), QStringLiteral("before")}});
    dir.writeFile(QStringLiteral("in.dbf"), layDbf(kSevenFields, {{"a", "", "1", "", "", "", ""},
                                                                  {"b", "", "2", "", "", "", ""},
                                                                  {"c", "", "3", "", "", "", ""}}));
    EXPECT_THROW(importGoodsDbf(goods, dir.file(QStringLiteral("in.dbf"))), DatabaseError);
    EXPECT_EQ(goods.count(), 4000);
    EXPECT_EQ(goods.text(9, QStringLiteral("TNAME1")), QStringLiteral("before"));
    goods.refresh();
    EXPECT_EQ(goods.count(), 4000);
    EXPECT_EQ(goods.text(9, QStringLiteral("TNAME1")), QStringLiteral("before"));
    EXPECT_EQ(goods.text(0, QStringLiteral("NPLU")), QStringLiteral("1"));
}

} // namespace
