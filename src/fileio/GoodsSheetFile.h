#pragma once
// The goods spreadsheet: a worksheet stream of BIFF records (start of sheet, the code page
// Windows-1251, one title row with the grid's column titles, one row per goods row, end of
// sheet) that spreadsheet programs open as an .xls file.
#include "store/Schema.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVector>

namespace tevo {

class Table;

// BIFF record types written.
inline constexpr quint16 kBiffBof = 0x0809;
inline constexpr quint16 kBiffCodePage = 0x0042;
inline constexpr quint16 kBiffLabel = 0x0204;
inline constexpr quint16 kBiffRk = 0x027E;
inline constexpr quint16 kBiffNumber = 0x0203;
inline constexpr quint16 kBiffBlank = 0x0201;
inline constexpr quint16 kBiffEof = 0x000A;

// Text cells hold at most this many bytes (what spreadsheet programs take in one cell
// record); longer text is cut.
inline constexpr int kSheetMaxTextBytes = 255;
// Rows a sheet can address (16-bit row numbers), the title row included.
inline constexpr int kSheetMaxRows = 65536;

// The chosen name with ".xls" appended unless it contains ".xls" anywhere (case-sensitive).
QString goodsSheetExportName(const QString &chosen);

// A column of the sheet: the table column it shows, its type and its title.
struct SheetColumn {
    QString name;
    ColumnType type;
    QString title;
};

// The sheet of `rows` (values by column, null = empty cell) under the titles of `columns`:
// whole-number columns give whole-number cells (floating-point cells for values outside the
// 30-bit range of that cell), text columns text cells in Windows-1251. Throws FileError when
// there are more rows than a sheet can address.
QByteArray goodsSheetBytes(const QVector<SheetColumn> &columns, const QVector<QVector<QVariant>> &rows);

// Writes the goods table, all rows in NPLU order, as a sheet at `path` (an existing file is
// replaced whole; a failure leaves it as it was). Leaves `goods` on its last row. Throws
// FileError "Cannot create file %s", or the row-count error of goodsSheetBytes.
void exportGoodsXls(Table &goods, const QString &path);

} // namespace tevo
