#pragma once
// Number conversions with the program's standard messages.
#include <QString>
#include <optional>

namespace tevo {

// Parses a whole number the way the program's users know it: optional leading blanks, an
// optional sign, decimal digits, or hexadecimal after "$" or "0x". Fits 32 bits.
std::optional<qint32> tryStrToInt(const QString &text);

// As tryStrToInt; throws ConversionError "'%s' is not a valid integer value" on failure.
qint32 strToInt(const QString &text);

// As tryStrToInt, but failures give the default value.
qint32 strToIntDef(const QString &text, qint32 defaultValue);

// "'%s' is not a valid integer value"
QString notAnIntegerText(const QString &text);
// "'%s' is not a valid integer value for field '%s'"
QString notAnIntegerForFieldText(const QString &text, const QString &field);

// A count with its noun ("1 товар", "3 товара", "5 товаров"). `numerus` is a source text with
// "%n" and plural forms, marked with QT_TRANSLATE_N_NOOP(context, …): its translation when the
// program has one; otherwise (Russian, the language of the sources) the Russian form of n among
// `one` (1, 21, …), `few` (2 … 4, 22 … 24, …) and `many` (the rest), after the number.
QString countText(const char *context, const char *numerus, int n, const char *one, const char *few, const char *many);

} // namespace tevo
