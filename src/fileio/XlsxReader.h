#pragma once
// Excel 2007+ workbooks (.xlsx, Office Open XML) read into sheets of text cells: the zip
// package opened in memory with libzip, its parts read with Qt's QXmlStreamReader; the sheets
// in the workbook's order by name, shared strings (rich text runs joined), inline strings,
// formula results as stored, number cells as the workbook stores them (TabularCell::number),
// truth values as 0 and 1. Styles, dates and formulas are not interpreted.
// Parts are read up to a limit of their unpacked size, so a packed bomb is refused rather than
// unpacked.
#include "fileio/TabularFile.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace tevo {

// The sheets of the workbook; `fileName` names it in messages. Throws FileError (Russian).
QVector<TabularSheet> readXlsxSheets(const QByteArray &bytes, const QString &fileName);

} // namespace tevo
