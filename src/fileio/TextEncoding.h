#pragma once
// The text encodings of tabular files from other programs (accounting exports, spreadsheet
// programs' "CSV" and "Unicode text"): which one a file is in, found from its bytes, and the
// file decoded by it. The user may overrule the guess (the import window, `--encoding`).
//  - A byte-order mark decides: UTF-8, UTF-16 little or big endian (Excel's "Unicode text").
//  - Otherwise a file with a zero in every other byte of its start is UTF-16 without the mark.
//  - Otherwise bytes that are valid UTF-8 are UTF-8 (ASCII alone counts as UTF-8).
//  - Otherwise the file is in one of the two Cyrillic single-byte code pages, Windows-1251 or
//    DOS 866; the one whose decoding reads more like Russian or Ukrainian text wins (by the
//    frequency of the letters it gives), Windows-1251 when they are even.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tevo {

enum class TextEncoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Cp1251, Cp866 };

TextEncoding guessTextEncoding(const QByteArray &bytes);

// The bytes decoded; a byte-order mark of the encoding is dropped. UTF-16 of an odd number of
// bytes loses its last byte.
QString decodeText(const QByteArray &bytes, TextEncoding encoding);

// The name shown to the user: "UTF-8", "UTF-8 с BOM", "UTF-16", "Windows-1251", "DOS 866".
QString textEncodingName(TextEncoding encoding);

// The encoding a user names ("utf-8", "utf8", "cp1251", "windows-1251", "1251", "cp866", "866",
// "dos", "utf-16"), letter case aside; nothing for an unknown name.
std::optional<TextEncoding> textEncodingNamed(const QString &name);

// The names textEncodingNamed knows, one for each encoding, for help texts.
QStringList textEncodingNames();

} // namespace tevo
