#include "commands/ScaleReadouts.h"

#include "common/PacketBytes.h"

namespace tevo {

WeighingState decodeWeighingState(const QByteArray &bytes)
{
    const PacketReader reply(bytes, WeighingState::kLength, "weighing state");
    WeighingState s;
    s.grams = reply.unsigned16(2);
    s.price = reply.signed32(4);
    s.cost = reply.signed32(8);
    s.plu = reply.signed32(12);
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

SalesTotals decodeSalesTotals(const QByteArray &bytes)
{
    const PacketReader reply(bytes, SalesTotals::kLength, "sales totals");
    SalesTotals t;
    t.runCounter = reply.signed32(1);
    t.labelCounter = reply.signed32(5);
    t.totalSum = reply.signed32(9);
    t.salesCount = reply.unsignedLe(13, 3);
    t.totalWeight = reply.signed32(16);
    t.sumAllPlu = reply.signed32(20);
    t.salesCountAllPlu = reply.unsignedLe(24, 3);
    t.weightAllPlu = reply.signed32(27);
    t.freePlu = reply.unsigned16(37);
    t.freeMessages = reply.unsigned16(39);
    return t;
}

} // namespace tevo
