#include "fileio/DbfExchange.h"

#include "common/Codepage.h"
#include "common/Convert.h"
#include "common/Error.h"
#include "common/WholeFile.h"
#include "fileio/DbfFile.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
// The texts of this unit, translated under the context "DbfExchange".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(DbfExchange)
};
} // namespace

namespace tevo {
namespace {

const QString kPrice = QStringLiteral("PRICE");

QString fieldNotFound(const QString &field) { return Tr::tr("Field '%1' not found").arg(field); }

// Index of each of the seven fields in `table`, in the order of goodsDbfFields().
QVector<int> locateFields(const DbfTable &table)
{
    QVector<int> at;
    for (const DbfGoodsField &m : goodsDbfFields()) {
        const int i = table.fieldIndex(m.field);
        if (i < 0)
            throw FileError(fieldNotFound(m.field));
        at.append(i);
    }
    return at;
}

QString doesNotFit(const QString &value, const QString &nplu, const DbfField &field)
{
    return Tr::tr("Value '%1' of goods %2 does not fit field '%3' (%4 characters)")
        .arg(value, nplu, QString::fromLatin1(field.name))
        .arg(field.width);
}

} // namespace

const QVector<DbfGoodsField> &goodsDbfFields()
{
    static const QVector<DbfGoodsField> fields = {
        {QStringLiteral("PRODNAME"), QStringLiteral("TNAME1")},
        {QStringLiteral("PRODINFO"), QStringLiteral("TNAME2")},
        {QStringLiteral("UNITPRICE"), QStringLiteral("PRICE")},
        {QStringLiteral("USEBYDATE"), QStringLiteral("UBDATE")},
        {QStringLiteral("TAREWEIGHT"), QStringLiteral("TARA")},
        {QStringLiteral("PRODCODE"), QStringLiteral("CODE")},
        {QStringLiteral("PRODGROUP"), QStringLiteral("GROUPCODE")},
    };
    return fields;
}

QString goodsDbfExportName(const QString &chosen)
{
    return chosen.contains(QLatin1String(".dbf"), Qt::CaseSensitive) ? chosen : chosen + QLatin1String(".dbf");
}

void exportGoodsDbf(Table &goods, const QString &path, const QString &templatePath)
{
    const QFileInfo templateInfo(templatePath);
    if (!templateInfo.isFile() || !templateInfo.isReadable())
        throw FileError(Tr::tr("Cannot create file %1").arg(path));
    const DbfTable layout = DbfTable::read(templatePath);
    const QVector<int> at = locateFields(layout);
    const QVector<DbfGoodsField> &map = goodsDbfFields();
    for (int k = 0; k < map.size(); ++k) {
        const DbfField &f = layout.fields().at(at[k]);
        if (f.type != 'C' && !f.isNumeric())
            throw FileError(
                Tr::tr("Field '%1' of %2 holds neither text nor numbers").arg(QString::fromLatin1(f.name), templatePath));
    }

    DbfWriter writer(layout);
    writer.setLanguageDriver(kDbfDriverDb866ru0);
    QVector<bool> integerColumn;
    for (const DbfGoodsField &m : map)
        integerColumn.append(goods.columns().at(goods.columnIndex(m.column)).type == ColumnType::Integer);

    for (int row = 0; row < goods.count(); ++row) {
        writer.appendRecord();
        for (int k = 0; k < map.size(); ++k) {
            const DbfField &f = layout.fields().at(at[k]);
            const QVariant v = goods.value(row, map[k].column);
            QString text = v.isNull() ? QString() : v.toString();
            if (text.isEmpty() && map[k].column == kPrice)
                text = QStringLiteral("0");
            QByteArray laidOut;
            if (text.isEmpty()) {
                laidOut = dbfBlank(f);
            } else if (f.isNumeric()) {
                std::optional<qint64> n;
                if (integerColumn[k] && !v.isNull())
                    n = v.toLongLong();
                else if (const auto parsed = tryStrToInt(text))
                    n = *parsed;
                if (!n)
                    throw ConversionError(notAnIntegerForFieldText(text, QString::fromLatin1(f.name)));
                laidOut = dbfNumberText(f, *n);
            } else {
                laidOut = dbfCharacterText(f, toCp866(text));
            }
            if (laidOut.isEmpty())
                throw FileError(doesNotFit(text, goods.text(row, QStringLiteral("NPLU")), f));
            writer.setField(at[k], laidOut);
        }
    }
    goods.last();

    if (!replaceFileWhole(path, writer.bytes()))
        throw FileError(Tr::tr("Cannot create file %1").arg(path));
}

QVector<FieldValues> goodsFromDbf(const DbfTable &table)
{
    const QVector<int> at = locateFields(table);
    const QVector<DbfGoodsField> &map = goodsDbfFields();
    const QVector<ColumnDef> &columns = goodsColumns();
    QVector<bool> integerColumn;
    for (const DbfGoodsField &m : map) {
        bool integer = false;
        for (const ColumnDef &c : columns)
            if (c.name == m.column)
                integer = c.type == ColumnType::Integer;
        integerColumn.append(integer);
    }

    QVector<FieldValues> rows;
    rows.reserve(table.recordCount());
    for (int r = 0; r < table.recordCount(); ++r) {
        if (table.isDeleted(r))
            continue;
        FieldValues values;
        values.reserve(map.size() + 1);
        values.append({QStringLiteral("NPLU"), QVariant(qlonglong(rows.size() + 1))});
        for (int k = 0; k < map.size(); ++k) {
            const DbfField &f = table.fields().at(at[k]);
            const QByteArray raw = table.rawValue(r, at[k]);
            QString text = f.isNumeric() ? dbfReadNumber(raw) : dbfReadCharacter(raw);
            if (!integerColumn[k]) {
                values.append({map[k].column, text.isEmpty() ? QVariant() : QVariant(text)});
                continue;
            }
            if (text.isEmpty()) {
                values.append({map[k].column, map[k].column == kPrice ? QVariant(qlonglong(0)) : QVariant()});
                continue;
            }
            const auto n = tryStrToInt(text);
            if (!n)
                throw ConversionError(notAnIntegerForFieldText(text, map[k].column));
            values.append({map[k].column, QVariant(qlonglong(*n))});
        }
        rows.append(std::move(values));
    }
    return rows;
}

int countGoodsDbf(const QString &path) { return int(goodsFromDbf(DbfTable::read(path)).size()); }

void importGoodsDbf(Table &goods, const QString &path)
{
    const DbfTable table = DbfTable::read(path);
    const QVector<FieldValues> rows = goodsFromDbf(table);

    const quint8 driver = table.languageDriver();
    if (driver != kDbfDriverDb866ru0 && driver != kDbfDriverCp866) {
        try {
            setDbfLanguageDriver(path);
        } catch (const FileError &) {
            // A table on a read-only medium is still read as code page 866.
        }
    }

    Database &db = goods.database();
    goods.setDetached(true);
    try {
        db.atomically(
            [&] {
                goods.deleteAll();
                goods.appendRows(rows);
            },
            [&] {
                goods.setDetached(false);
                goods.refresh();
            });
    } catch (...) {
        goods.setDetached(false);
        throw;
    }
    goods.setDetached(false);
    goods.first();
}

} // namespace tevo
