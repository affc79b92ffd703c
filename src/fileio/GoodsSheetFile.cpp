#include "fileio/GoodsSheetFile.h"

#include "common/Codepage.h"
#include "common/Error.h"
#include "common/PacketBytes.h"
#include "common/WholeFile.h"
#include "fileio/ColumnTitles.h"
#include "store/Table.h"

#include <cstring>

#include <QCoreApplication>

namespace {
// The texts of this unit, translated under the context "GoodsSheetFile".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(GoodsSheetFile)
};
} // namespace

namespace tevo {
namespace {

class BiffStream {
public:
    explicit BiffStream(qsizetype reserve) { m_bytes.reserve(reserve); }

    void record(quint16 type, quint16 length)
    {
        put16(type);
        put16(length);
    }
    void put16(quint16 v) { appendLe(m_bytes, v, 2); }
    void put32(quint32 v) { appendLe(m_bytes, v, 4); }
    void putDouble(double d)
    {
        quint64 bits;
        std::memcpy(&bits, &d, sizeof bits);
        appendLe(m_bytes, bits, 8);
    }
    void cellHead(quint16 type, quint16 length, int row, int column, quint16 format)
    {
        record(type, length);
        put16(quint16(row));
        put16(quint16(column));
        put16(format);
    }

    void text(int row, int column, const QString &s)
    {
        QByteArray bytes = toCp1251(s);
        if (bytes.size() > kSheetMaxTextBytes)
            bytes.truncate(kSheetMaxTextBytes);
        cellHead(kBiffLabel, quint16(bytes.size() + 8), row, column, 0);
        put16(quint16(bytes.size()));
        m_bytes.append(bytes);
    }
    void number(int row, int column, qint64 v)
    {
        // The whole-number cell holds a 30-bit signed value shifted left by two, bit 1 set.
        constexpr qint64 kLow = -(qint64(1) << 29), kHigh = (qint64(1) << 29) - 1;
        if (v >= kLow && v <= kHigh) {
            cellHead(kBiffRk, 10, row, column, 0);
            put32(static_cast<quint32>(v) * 4u + 2u);
        } else {
            cellHead(kBiffNumber, 14, row, column, 0);
            putDouble(static_cast<double>(v));
        }
    }
    void blank(int row, int column) { cellHead(kBiffBlank, 6, row, column, 0x0017); }

    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
};

} // namespace

QString goodsSheetExportName(const QString &chosen)
{
    return chosen.contains(QLatin1String(".xls"), Qt::CaseSensitive) ? chosen : chosen + QLatin1String(".xls");
}

QByteArray goodsSheetBytes(const QVector<SheetColumn> &columns, const QVector<QVector<QVariant>> &rows)
{
    if (rows.size() + 1 > kSheetMaxRows)
        throw FileError(
            Tr::tr("The goods table has %1 rows; a spreadsheet holds at most %2").arg(rows.size()).arg(kSheetMaxRows - 1));
    BiffStream s(64 + qsizetype(rows.size() + 1) * columns.size() * 16);
    s.record(kBiffBof, 8);
    s.put16(0x0000);
    s.put16(0x0010); // worksheet
    s.put16(0x0000);
    s.put16(0x0000);
    s.record(kBiffCodePage, 2);
    s.put16(1251);
    for (int c = 0; c < columns.size(); ++c)
        s.text(0, c, columns[c].title);
    for (int r = 0; r < rows.size(); ++r) {
        const QVector<QVariant> &values = rows[r];
        for (int c = 0; c < columns.size(); ++c) {
            const QVariant v = c < values.size() ? values[c] : QVariant();
            if (v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty())) {
                s.blank(r + 1, c);
            } else if (columns[c].type == ColumnType::Integer) {
                bool ok = false;
                const qint64 n = v.toLongLong(&ok);
                if (ok)
                    s.number(r + 1, c, n);
                else
                    s.text(r + 1, c, v.toString());
            } else {
                s.text(r + 1, c, v.toString());
            }
        }
    }
    s.record(kBiffEof, 0);
    return s.take();
}

void exportGoodsXls(Table &goods, const QString &path)
{
    // The grid's columns: every goods column has its table column.
    QVector<SheetColumn> columns;
    for (const ColumnDef &c : goodsColumns())
        columns.append({c.name, c.type, columnTitle(goods.tableName(), c.name).fileTitle});
    QVector<QVector<QVariant>> rows;
    rows.reserve(goods.count());
    for (int r = 0; r < goods.count(); ++r) {
        QVector<QVariant> values;
        values.reserve(columns.size());
        for (const SheetColumn &c : columns)
            values.append(goods.value(r, c.name));
        rows.append(std::move(values));
    }
    const QByteArray bytes = goodsSheetBytes(columns, rows);
    goods.last();
    if (!replaceFileWhole(path, bytes))
        throw FileError(Tr::tr("Cannot create file %1").arg(path));
}

} // namespace tevo
