#pragma once
// Delimited text as spreadsheet and accounting programs write it (RFC 4180 and its everyday
// variants): records of fields separated by ";", "," or a tab; a field in double quotes may
// hold the separator, line ends and doubled quotes ("" stands for one "); a quote inside an
// unquoted field is an ordinary character; lines end with CR LF, LF or CR. The separator is
// found from the text itself.
#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tevo {

struct DelimitedRecord {
    int line = 0; // 1-based line of the text where the record starts
    QStringList fields;
};

struct DelimitedText {
    QVector<DelimitedRecord> records; // blank lines give no record
    // The line where a quoted field opened that no quote closes before the end of the text
    // (the text after it is then one field); 0 when every quote is closed.
    int unclosedQuoteLine = 0;
};

// Cuts the text into records by the separator.
DelimitedText parseDelimitedText(const QString &text, QChar separator);

// The separator among ';', '\t' and ',' that cuts the first lines of the text most evenly into
// more than one field: the one with which most records have the same number of fields, ';'
// before a tab before ',' when that is even. ';' when none gives a second field.
QChar detectSeparator(const QString &text);

} // namespace tevo
