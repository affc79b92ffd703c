#pragma once
// A report as a sheet: titles and rows of values, written as an Excel workbook (.xlsx, one sheet,
// a bold frozen title row, whole numbers as number cells, the rest as text) or as semicolon text
// (UTF-8 with its byte-order mark, so that Excel opens the Cyrillic as it is; a value holding
// ";", a quote or a line break is quoted). The journal window and tevo-cli save the journal, the
// revaluation list and the other answers of the history this way. Each file is made under a
// temporary name and replaces an existing one only when whole.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace tevo {

struct ReportSheet {
    QString name; // the sheet's name (at most 31 characters in a workbook)
    QStringList titles;
    QVector<QVector<QVariant>> rows; // a qint64 is a number cell; null an empty cell
    QVector<int> widths;             // characters per column; empty: 14 each
};

// Throws FileError "Не удаётся записать файл «%1»: …".
void writeReportXlsx(const ReportSheet &sheet, const QString &path);
void writeReportCsv(const ReportSheet &sheet, const QString &path);

} // namespace tevo
