#include "exchange/RangeSelection.h"

#include "common/Convert.h"
#include "common/Error.h"

#include <QCoreApplication>
#include <QList>

namespace {
// The texts of this unit, translated under the context "RangeSelection".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(RangeSelection)
};
} // namespace

namespace tevo {
namespace {

struct Token {
    int a = 0;
    int b = 0;
    bool run = false; // "a-b"
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
    return Tr::tr("Номер %1 вне диапазона 1 … %2").arg(number).arg(maxNumber);
}

void RangeSelection::parseRange(const QString &text, int maxNumber)
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
        const qsizetype blank = work.indexOf(QLatin1Char(' '), pos); // the text ends with one
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

    rangeSelected = QBitArray(maxNumber + 1);
    rangeSize = 0;
    rangeFirst = maxNumber;
    rangeLast = 1;
    for (const Token &t : tokens) {
        if (t.run) {
            rangeSize += t.b - t.a + 1;
            rangeFirst = qMin(rangeFirst, t.b);
            rangeLast = qMax(rangeLast, t.b);
            for (int n = t.a; n <= t.b; ++n)
                rangeSelected.setBit(n);
        } else {
            rangeSize += 1;
            rangeSelected.setBit(t.a);
        }
        rangeFirst = qMin(rangeFirst, t.a);
        rangeLast = qMax(rangeLast, t.a);
    }
}

int RangeSelection::nextInRange(int n) const
{
    const int top = qMin<qsizetype>(rangeLast, rangeSelected.size() - 1);
    for (int k = qMax(n + 1, 1); k <= top; ++k) {
        if (rangeSelected.testBit(k))
            return k;
    }
    return rangeLast;
}

bool RangeSelection::isSelected(int n) const { return n >= 1 && n < rangeSelected.size() && rangeSelected.testBit(n); }

QVector<int> RangeSelection::records() const
{
    QVector<int> out;
    int n = rangeFirst;
    out.append(n);
    while (n < rangeLast) {
        n = nextInRange(n);
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
