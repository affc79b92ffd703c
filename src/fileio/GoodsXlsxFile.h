#pragma once
// The goods table as an Excel 2007+ workbook (.xlsx), written with libxlsxwriter: one sheet
// "Товары", a bold header row with the grid's column titles (frozen), one row per goods row in
// NPLU order; whole-number columns and the shelf life as number cells, the other text columns
// as text (UTF-8, so Cyrillic names stay as they are). Excel and LibreOffice open it; the
// tabular import reads it back (the titles map to their columns, "Цена (коп.)" in kopecks).
#include <QString>

namespace tevo {

class Table;

// The chosen name with ".xlsx" appended unless it ends with ".xlsx" (letter case aside).
QString goodsXlsxExportName(const QString &chosen);

// Writes the goods table to `path`; the file is made under a temporary name and replaces an
// existing one only when whole. Leaves `goods` on its last row. Throws FileError
// "Не удаётся записать файл «%1»…".
void exportGoodsXlsx(Table &goods, const QString &path);

} // namespace tevo
