#pragma once
// Semicolon-separated goods and messages files. Every field is ended by ";": whatever follows
// the last ";" of a line beyond the listed fields is ignored, and a line without ";" changes
// nothing; but a value of a listed field without its ";" (a line as spreadsheet programs write
// it, "12;Молоко;;1550") refuses the whole file before anything changes, since it would be
// lost, and so does an empty file or one without any line with ";". No quoting; blanks
// belong to the field; an empty field empties its column. Lines end with CR LF, LF or CR.
// Files are read as UTF-8 or Windows-1251 (see TextDecoding.h).
//   goods:    number;TNAME1;TNAME2;PRICE;UBDATE;TARA;CODE;GROUPCODE;  (fields 9 and on ignored)
//   messages: number;text;  (the text cut into the lines M1 … M8 of 24 characters)
#include <QString>
#include <QStringList>

namespace tevo {

class Table;

inline constexpr int kMessageLineLength = 24;
inline constexpr int kMessageLines = 8;

// The fields of one line: the texts each ended by ";".
QStringList csvFields(const QString &line);

// The columns that goods fields 2 … 8 set, in order.
const QStringList &goodsCsvColumns();

// The message lines a text fills: line n (0-based) gets characters 24n … 24n+23; only as
// many lines as the text reaches (at most 8); characters after the 192nd are dropped.
QStringList messageLines(const QString &text);

// Goods import: for each line, field 1 selects the row at that position and fields 2 … 8 set
// its columns (only the fields the line has). Re-reads `goods` first. Stops at the first bad
// line; lines before stay stored. Before anything is stored, throws FileError "Файл «%s»
// пуст…" for an empty file, FileError "Файл «%s» не текстовый…" for one with NUL bytes,
// InputError "Файл «%s», строка %d: значение «%s» поля %s не закончено знаком «;»…" for an
// unended value of a listed field, InputError "В файле «%s» нет ни одной строки с полями…" for
// a file without ";". Throws FileError "Cannot open file %s",
// ConversionError "'%s' is not a valid integer value" (field 1, a header line for example),
// InputError for a number outside the table, ConversionError "'%s' is not a valid integer
// value for field '%s'" (that line's row is left unchanged), DatabaseError.
void importGoodsCsv(Table &goods, const QString &path);

// Messages import: field 1 selects the row of `messages`, field 2 fills M1 … M8 by
// messageLines; lines beyond the text keep their content. Errors as for the goods.
void importMessagesCsv(Table &messages, const QString &path);

} // namespace tevo
