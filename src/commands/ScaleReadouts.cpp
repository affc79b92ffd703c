#include "commands/ScaleReadouts.h"

#include "common/Error.h"

namespace tevo {
namespace {

quint32 unsignedAt(const QByteArray &bytes, int at, int width)
{
    quint32 v = 0;
    for (int k = width - 1; k >= 0; --k)
        v = (v << 8) | static_cast<uchar>(bytes.at(at + k));
    return v;
}

qint32 signed32At(const QByteArray &bytes, int at)
{
    return static_cast<qint32>(unsignedAt(bytes, at, 4));
}

void requireLength(const QByteArray &reply, int length, const char *what)
{
    if (reply.size() < length)
        throw InputError(QStringLiteral("A %1 reply needs %2 bytes, got %3")
                             .arg(QLatin1String(what))
                             .arg(length)
                             .arg(reply.size()));
}

} // namespace

WeighingState decodeWeighingState(const QByteArray &reply)
{
    requireLength(reply, WeighingState::kLength, "weighing state");
    WeighingState s;
    s.grams = static_cast<quint16>(unsignedAt(reply, 2, 2));
    s.price = signed32At(reply, 4);
    s.cost = signed32At(reply, 8);
    s.plu = signed32At(reply, 12);
    return s;
}

QString weightText(quint16 grams, const QLocale &locale)
{
    QString text = QString::number(grams / 1000);
    const int fraction = grams % 1000;
    if (fraction == 0)
        return text;
    QString digits = QStringLiteral("%1").arg(fraction, 3, 10, QLatin1Char('0'));
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return text + locale.decimalPoint() + digits;
}

SalesTotals decodeSalesTotals(const QByteArray &reply)
{
    requireLength(reply, SalesTotals::kLength, "sales totals");
    SalesTotals t;
    t.runCounter = signed32At(reply, 1);
    t.labelCounter = signed32At(reply, 5);
    t.totalSum = signed32At(reply, 9);
    t.salesCount = unsignedAt(reply, 13, 3);
    t.totalWeight = signed32At(reply, 16);
    t.sumAllPlu = signed32At(reply, 20);
    t.salesCountAllPlu = unsignedAt(reply, 24, 3);
    t.weightAllPlu = signed32At(reply, 27);
    t.freePlu = static_cast<quint16>(unsignedAt(reply, 37, 2));
    t.freeMessages = static_cast<quint16>(unsignedAt(reply, 39, 2));
    return t;
}

} // namespace tevo
