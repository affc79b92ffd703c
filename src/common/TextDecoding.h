#pragma once
// Text files that come from outside the program (goods text files, semicolon files, profile
// files): a file that starts with a UTF-8 byte-order mark, or whose bytes are all valid UTF-8
// and include non-ASCII ones, is read as UTF-8; every other file as Windows-1251.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tevo {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF).
bool isValidUtf8(const char *data, qsizetype size);

// Decodes a whole file by the rule above; a byte-order mark is dropped.
QString decodeOutsideText(const QByteArray &bytes);

// Cuts a text into lines; CR LF, a single LF and a single CR each end a line. A last line
// without an ending counts; the empty text after a final line end does not.
QStringList splitTextLines(const QString &text);

} // namespace tevo
