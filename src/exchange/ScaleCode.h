#pragma once
// The scales keep and print text in a one-byte DOS Cyrillic code page (the letters of the
// Ukrainian DOS page 1125); the program keeps text in Windows-1251. Every character that goes
// to a scale passes toScaleCode, every byte that comes back passes fromScaleCode. Both work
// byte for byte and never change the length of a text. Anything the scale page cannot show
// becomes the asterisk 0x2A.
//
// The label-format list of the settings tab numbers the formats 1 … 46; the scale knows them
// by other codes, see labelFormatCode.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace tevo {

inline constexpr uchar kScaleUnmappable = 0x2A; // '*'

// Windows-1251 byte → scale byte.
uchar toScaleCode(uchar cp1251);
// Scale byte → Windows-1251 byte.
uchar fromScaleCode(uchar scale);

// Text → scale bytes, one byte per character. A character that Windows-1251 has no place for
// (or that the scale page lacks) becomes 0x2A; a character outside the basic plane counts as
// one character.
QByteArray encodeScaleText(const QString &text);

// Scale bytes → text, one character per byte. Padding is not removed: which bytes are padding
// is up to the field (0x00 bytes come back as U+0000).
QString decodeScaleText(const QByteArray &bytes);

// A fixed-width field: the text converted, cut at width bytes, then 0x00 up to width.
QByteArray encodeScaleField(const QString &text, int width);

// List position 1 … 46 → scale code (1 … 28 same, 29 … 44 → 41 … 56, 45 → 58, 46 → 60).
// Any other position (0 = nothing chosen) → -1.
int labelFormatCode(int position);

// Scale code → list position, the inverse of labelFormatCode; a code the list does not have
// (29 … 40, 57, 59, 0, above 60) → -1.
int labelFormatPosition(int code);

} // namespace tevo
