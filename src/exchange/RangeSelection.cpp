#include "exchange/RangeSelection.h"

#include "common/Convert.h"
#include "common/Error.h"

#include <QList>

namespace tevo {
namespace {

struct Token {
    int a = 0;
    int b = 0;
    bool run = false;   // "a-b"
};

void checkNumber(int number, int maxNumber)
{
    if (number < 1 || number > maxNumber)
        throw InputError(numberOutOfRangeText(number, maxNumber));
}

bool isBlankOrControl(QChar c) { return c.unicode() <= 0x20; }

} // namespace

QString numberOutOfRangeText(int number, int maxNumber)
{
    return QStringLiteral("Номер %1 вне диапазона 1 … %2").arg(number).arg(maxNumber);
}

void RangeSelection::ParseRange(const QString &text, int maxNumber)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlankOrControl(text.at(from)))
        ++from;
    while (to > from && isBlankOrControl(text.at(to - 1)))
        --to;
    const QString trimmed = text.mid(from, to - from);

    // Everything is read and checked first, so a refused text leaves the state untouched.
    const QString work = trimmed + QLatin1Char(' ');
    QList<Token> tokens;
    qsizetype pos = 0;
    while (pos < work.size()) {
        const qsizetype blank = work.indexOf(QLatin1Char(' '), pos);   // the text ends with one
        QString token = work.mid(pos, blank - pos);
        pos = blank + 1;
        if (token.endsWith(QLatin1Char(',')))
            token.chop(1);
        Token t;
        const qsizetype dash = token.indexOf(QLatin1Char('-'));
        if (dash >= 0) {
            const QString left = token.left(dash);
            const QString right = token.mid(dash + 1);
            t.a = strToInt(left);
            t.b = strToInt(right);
            checkNumber(t.a, maxNumber);
            checkNumber(t.b, maxNumber);
            t.run = true;
        } else {
            t.a = strToInt(token);
            checkNumber(t.a, maxNumber);
        }
        tokens.append(t);
    }

    RangeSelected = QBitArray(maxNumber + 1);
    RangeSize = 0;
    RangeFirst = maxNumber;
    RangeLast = 1;
    for (const Token &t : tokens) {
        if (t.run) {
            RangeSize += t.b - t.a + 1;
            RangeFirst = qMin(RangeFirst, t.b);
            RangeLast = qMax(RangeLast, t.b);
            for (int n = t.a; n <= t.b; ++n)
                RangeSelected.setBit(n);
        } else {
            RangeSize += 1;
            RangeSelected.setBit(t.a);
        }
        RangeFirst = qMin(RangeFirst, t.a);
        RangeLast = qMax(RangeLast, t.a);
    }
}

int RangeSelection::NextInRange(int n) const
{
    const int top = qMin<qsizetype>(RangeLast, RangeSelected.size() - 1);
    for (int k = qMax(n + 1, 1); k <= top; ++k) {
        if (RangeSelected.testBit(k))
            return k;
    }
    return RangeLast;
}

bool RangeSelection::isSelected(int n) const
{
    return n >= 1 && n < RangeSelected.size() && RangeSelected.testBit(n);
}

QVector<int> RangeSelection::records() const
{
    QVector<int> out;
    int n = RangeFirst;
    out.append(n);
    while (n < RangeLast) {
        n = NextInRange(n);
        out.append(n);
    }
    return out;
}

QString rowsPastTheEndText(const QVector<int> &numbers, int rowCount, const QString &text)
{
    int past = 0;
    for (int n : numbers)
        if (n > rowCount && (past == 0 || n < past))
            past = n;
    if (past == 0)
        return {};
    return text.arg(past).arg(rowCount);
}

} // namespace tevo
