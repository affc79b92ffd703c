#include "common/Convert.h"
#include "common/Error.h"

#include <QCoreApplication>

namespace {
// The texts of this unit, translated under the context "Convert".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Convert)
};
} // namespace

namespace tevo {
std::optional<qint32> tryStrToInt(const QString &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text.at(i) == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text.at(i) == QLatin1Char('0')
               && (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;
    qint64 value = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        int digit;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digit = c.unicode() - '0';
        else if (base == 16 && c >= QLatin1Char('a') && c <= QLatin1Char('f'))
            digit = c.unicode() - 'a' + 10;
        else if (base == 16 && c >= QLatin1Char('A') && c <= QLatin1Char('F'))
            digit = c.unicode() - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL)
            return std::nullopt;
    }
    if (base == 16) {
        // Hexadecimal texts give the 32-bit pattern, as the users' tools write them; a sign
        // negates the pattern modulo 2^32, so "-$80000000" is the smallest integer again.
        const quint32 pattern = static_cast<quint32>(value);
        return static_cast<qint32>(negative ? 0u - pattern : pattern);
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<qint32>(value);
}

qint32 strToInt(const QString &text)
{
    if (auto v = tryStrToInt(text))
        return *v;
    throw ConversionError(notAnIntegerText(text));
}

qint32 strToIntDef(const QString &text, qint32 defaultValue) { return tryStrToInt(text).value_or(defaultValue); }

QString countText(const char *context, const char *numerus, int n, const char *one, const char *few, const char *many)
{
    const QString translated = QCoreApplication::translate(context, numerus, nullptr, n);
    if (translated != QString::fromUtf8(numerus).replace(QLatin1String("%n"), QString::number(n)))
        return translated;
    const int tens = n % 100, units = n % 10;
    const char *word = units == 1 && tens != 11                               ? one
                       : units >= 2 && units <= 4 && (tens < 12 || tens > 14) ? few
                                                                              : many;
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(word));
}

QString notAnIntegerText(const QString &text) { return Tr::tr("'%1' is not a valid integer value").arg(text); }

QString notAnIntegerForFieldText(const QString &text, const QString &field)
{
    return Tr::tr("'%1' is not a valid integer value for field '%2'").arg(text, field);
}

} // namespace tevo
