// Exact reading of prices and whole numbers written by people and spreadsheets (MoneyText.h).
#include "fileio/MoneyText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {
// The texts of this unit, translated under the context "MoneyText".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(MoneyText)
};
} // namespace

namespace tevo {
namespace {

// A number as digits: the whole part, the decimals, the sign.
struct Decimal {
    bool negative = false;
    QString whole;    // digits, at least one
    QString decimals; // digits, maybe none
};

constexpr int kMostWholeDigits = 15;
constexpr int kSignificantDigits = 15;

QString quoted(const QString &text) { return QStringLiteral("«%1»").arg(text); }

bool isGroupBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009)
           || c == QLatin1Char('\'') || c == QChar(0x2019);
}

bool allDigits(const QString &s)
{
    for (const QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !s.isEmpty();
}

// Drops leading zeros (keeping one digit) and trailing zeros of the decimals.
void tidy(Decimal &d)
{
    qsizetype lead = 0;
    while (lead + 1 < d.whole.size() && d.whole.at(lead) == QLatin1Char('0'))
        ++lead;
    d.whole.remove(0, lead);
    while (d.decimals.endsWith(QLatin1Char('0')))
        d.decimals.chop(1);
}

// A workbook's stored number: [-]digits[.digits][E[+-]digits], to 15 significant digits.
std::optional<Decimal> storedNumber(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([+-]?)([0-9]*)(?:\\.([0-9]*))?(?:[eE]([+-]?[0-9]{1,4}))?$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return std::nullopt;
    Decimal d;
    d.negative = m.captured(1) == QLatin1String("-");
    QString digits = m.captured(2) + m.captured(3);
    qsizetype point = m.captured(2).size() + (m.captured(4).isEmpty() ? 0 : m.captured(4).toInt());
    // Leading zeros do not count as significant digits.
    qsizetype lead = 0;
    while (lead < digits.size() && digits.at(lead) == QLatin1Char('0'))
        ++lead;
    digits.remove(0, lead);
    point -= lead;
    if (digits.isEmpty())
        return Decimal{false, QStringLiteral("0"), {}};
    if (digits.size() > kSignificantDigits) {
        const bool up = digits.at(kSignificantDigits) >= QLatin1Char('5');
        digits.truncate(kSignificantDigits);
        if (up) {
            qsizetype k = digits.size() - 1;
            while (k >= 0 && digits.at(k) == QLatin1Char('9'))
                digits[k--] = QLatin1Char('0');
            if (k >= 0) {
                digits[k] = QChar(digits.at(k).unicode() + 1);
            } else {
                digits.prepend(QLatin1Char('1'));
                ++point;
            }
        }
    }
    if (point > 40 || point < -40) // far beyond any price; the whole part check below refuses it
        point = point > 0 ? 40 : -40;
    if (point <= 0) {
        d.whole = QStringLiteral("0");
        d.decimals = QString(-point, QLatin1Char('0')) + digits;
    } else if (point >= digits.size()) {
        d.whole = digits + QString(point - digits.size(), QLatin1Char('0'));
    } else {
        d.whole = digits.left(point);
        d.decimals = digits.mid(point);
    }
    tidy(d);
    return d;
}

// Thousands groups: the first of 1 to 3 digits, the others of 3.
bool wellGrouped(const QStringList &groups)
{
    for (int k = 0; k < groups.size(); ++k) {
        const QString &g = groups.at(k);
        if (!allDigits(g) || g.size() > 3 || (k > 0 && g.size() != 3))
            return false;
    }
    return true;
}

// A number as people type it; `currency` allows a currency word or sign around it.
std::optional<Decimal> typedNumber(QString s, bool currency)
{
    s = s.trimmed();
    if (currency) {
        // not translated: currency words read in a file
        static const QRegularExpression mark(
            QStringLiteral("^(?:(?:грн|руб|uah|rub|р|₴|₽)\\.?)?\\s*(.*?)\\s*(?:(?:грн|гривен|"
                           "гривень|гривны|гривня|"
                           "руб|рублей|рубля|uah|rub|р|₴|₽)\\.?)?$"),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
        const QRegularExpressionMatch m = mark.match(s);
        if (m.hasMatch())
            s = m.captured(1);
    }
    Decimal d;
    if (s.startsWith(QLatin1Char('-')) || s.startsWith(QChar(0x2212))) {
        d.negative = true;
        s.remove(0, 1);
    } else if (s.startsWith(QLatin1Char('+'))) {
        s.remove(0, 1);
    }
    s = s.trimmed();
    if (s.isEmpty())
        return std::nullopt;
    const qsizetype commas = s.count(QLatin1Char(','));
    const qsizetype points = s.count(QLatin1Char('.'));
    QChar decimal;
    if (commas > 0 && points > 0)
        decimal = s.lastIndexOf(QLatin1Char(',')) > s.lastIndexOf(QLatin1Char('.')) ? QLatin1Char(',') : QLatin1Char('.');
    else if (commas == 1)
        decimal = QLatin1Char(',');
    else if (points == 1)
        decimal = QLatin1Char('.');
    QString whole = s;
    if (!decimal.isNull()) {
        const qsizetype at = s.lastIndexOf(decimal);
        whole = s.left(at);
        d.decimals = s.mid(at + 1);
        if (!d.decimals.isEmpty() && !allDigits(d.decimals))
            return std::nullopt;
    }
    // What is left in the whole part besides digits groups thousands, one kind of mark only.
    QChar group;
    for (const QChar c : whole) {
        if (c.isDigit() && c.unicode() < 0x80)
            continue;
        const bool mark = isGroupBlank(c) || c == QLatin1Char(',') || c == QLatin1Char('.');
        if (!mark || c == decimal || (!group.isNull() && c != group && !(isGroupBlank(c) && isGroupBlank(group))))
            return std::nullopt;
        group = c;
    }
    if (!group.isNull()) {
        QStringList groups;
        QString current;
        for (const QChar c : whole) {
            if (c.isDigit()) {
                current.append(c);
            } else {
                groups.append(current);
                current.clear();
            }
        }
        groups.append(current);
        if (!wellGrouped(groups))
            return std::nullopt;
        whole = groups.join(QString());
    }
    if (whole.isEmpty() && d.decimals.isEmpty())
        return std::nullopt;
    d.whole = whole.isEmpty() ? QStringLiteral("0") : whole;
    if (!allDigits(d.whole))
        return std::nullopt;
    tidy(d);
    return d;
}

std::optional<qint64> wholeValue(const QString &digits, qint64 factor)
{
    if (digits.size() > kMostWholeDigits)
        return std::nullopt;
    return digits.toLongLong() * factor;
}

} // namespace

NumberReading readMoney(const QString &text, MoneyUnit unit, bool numberCell)
{
    const std::optional<Decimal> d = numberCell ? storedNumber(text) : typedNumber(text, true);
    if (!d)
        return {std::nullopt, Tr::tr("%1 — не число").arg(quoted(text))};
    if (unit == MoneyUnit::Kopecks && !d->decimals.isEmpty())
        return {std::nullopt, Tr::tr("%1: цена в копейках — целое число").arg(quoted(text))};
    if (d->decimals.size() > 2)
        return {std::nullopt,
                Tr::tr("%1: больше двух знаков после запятой, это не целое число копеек").arg(quoted(text))};
    const qint64 factor = unit == MoneyUnit::Kopecks ? 1 : 100;
    const std::optional<qint64> whole = wholeValue(d->whole, factor);
    if (!whole)
        return {std::nullopt, Tr::tr("%1: слишком большое число").arg(quoted(text))};
    qint64 kopecks = *whole;
    if (!d->decimals.isEmpty())
        kopecks += d->decimals.leftJustified(2, QLatin1Char('0')).toLongLong();
    return {d->negative ? -kopecks : kopecks, {}};
}

NumberReading readWholeNumber(const QString &text, bool numberCell)
{
    const std::optional<Decimal> d = numberCell ? storedNumber(text) : typedNumber(text, false);
    if (!d)
        return {std::nullopt, Tr::tr("%1 — не число").arg(quoted(text))};
    if (!d->decimals.isEmpty())
        return {std::nullopt, Tr::tr("%1 — не целое число").arg(quoted(text))};
    const std::optional<qint64> whole = wholeValue(d->whole, 1);
    if (!whole)
        return {std::nullopt, Tr::tr("%1: слишком большое число").arg(quoted(text))};
    return {d->negative ? -*whole : *whole, {}};
}

} // namespace tevo
