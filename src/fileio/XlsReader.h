#pragma once
// Excel 97-2003 workbooks (.xls, BIFF in a compound document) read into sheets of text cells
// with libfreexl: every worksheet by name, text cells as text, number cells through the
// 15 significant digits a spreadsheet shows (TabularCell::number), dates as the library gives
// them ("2024-05-31"). The program's own goods export, a bare BIFF worksheet stream without the
// compound document (GoodsSheetFile), is read here too, record by record.
#include "fileio/TabularFile.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace tevo {

// The sheets of the workbook at `path`. Throws FileError (Russian, naming `fileName`).
QVector<TabularSheet> readXlsSheets(const QString &path, const QString &fileName);

// The one sheet of a bare BIFF worksheet stream (starting with the BOF record 0x0809).
QVector<TabularSheet> readBiffStreamSheets(const QByteArray &bytes, const QString &fileName);

} // namespace tevo
