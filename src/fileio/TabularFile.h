#pragma once
// A tabular file from another program read into sheets of text cells, whatever its format, so
// that one import reads them all: delimited text (CSV, TXT; ";", "," or tab, quotes), Excel
// workbooks (.xlsx, .xls: every sheet by its name) and dBase tables (field names as the first
// row). The format is found from the file's first bytes (a dBase table by its name ".dbf"),
// never from a name alone, so a workbook chosen as "CSV" is still read as a workbook.
// Every row keeps where it came from (the line, the sheet and row, the record), so that each
// message can name it. A file that is empty, binary, damaged or unreadable is refused with a
// Russian text naming the file (FileError); nothing is shown of its bytes.
#include "fileio/TextEncoding.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace tevo {

struct TabularCell {
    QString text;
    bool number = false; // a workbook's number cell: `text` is the number as the workbook stores it
};

struct TabularRow {
    int number = 0; // 1-based: the text line the record starts on, the sheet's row, the record
    QVector<TabularCell> cells;
    QString text(int column) const { return column >= 0 && column < cells.size() ? cells[column].text : QString(); }
    bool isNumber(int column) const { return column >= 0 && column < cells.size() && cells[column].number; }
};

struct TabularSheet {
    QString name;             // the workbook's sheet name; empty for text and dBase files
    QVector<TabularRow> rows; // rows without any text are left out
};

enum class TabularKind { Text, Xlsx, Xls, Dbf };

// What the reader was told (the import window's choices, tevo-cli's options); unset: found.
struct TabularReadOptions {
    std::optional<TextEncoding> encoding;
    std::optional<QChar> separator;
};

struct TabularFile {
    QString path;
    TabularKind kind = TabularKind::Text;
    TextEncoding encoding = TextEncoding::Utf8; // text files: as found or told
    QChar separator = QLatin1Char(';');         // text files
    QVector<TabularSheet> sheets;               // text and dBase files: one

    QString fileName() const;
    // The sheet of that name (letter case aside), -1 when none.
    int sheetIndex(const QString &name) const;
    QStringList sheetNames() const;
    // Where a cell is, in the words of messages: "строка 5", "лист «Цены», ячейка C5",
    // "запись 5"; `column` -1 names the row alone ("лист «Цены», строка 5").
    QString place(const TabularSheet &sheet, const TabularRow &row, int column) const;
};

// Files longer than this are refused rather than read into memory.
inline constexpr qint64 kMostTabularFileBytes = 256LL * 1024 * 1024;
// Workbook cells beyond this column are refused (goods lists have a few dozen columns).
inline constexpr int kMostTabularColumns = 1024;

// Reads the whole file. Throws FileError with the Russian text.
TabularFile readTabularFile(const QString &path, const TabularReadOptions &options = {});

// The same for bytes in memory; `path` names the file in messages and, for dBase, tells the kind.
TabularFile parseTabularBytes(const QByteArray &bytes, const QString &path, const TabularReadOptions &options = {});

// "A", "B", …, "Z", "AA", … for the 0-based column.
QString columnLetters(int column);

} // namespace tevo
