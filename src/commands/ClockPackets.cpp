#include "commands/ClockPackets.h"

#include "common/PacketBytes.h"

#include <cstdlib>

namespace tevo {
namespace {

std::function<QDateTime()> &testNow()
{
    static std::function<QDateTime()> now;
    return now;
}

QByteArray packet(uchar command, int a, int b, int c)
{
    PacketWriter out(kClockPacketLength);
    out.putByte(0, command);
    const int values[3] = {a, b, c};
    for (int i = 0; i < 3; ++i)
        out.putDigits(1 + 2 * i, values[i] % 100, 2, DigitOrder::MostSignificantFirst);
    return out.take();
}

} // namespace

QByteArray buildDatePacket(const QDate &date)
{
    // Two-digit year; a year before the common era is taken by its digits.
    return packet(kDateCommand, date.day(), date.month(), std::abs(date.year()) % 100);
}

QByteArray buildTimePacket(const QTime &time)
{
    return packet(kTimeCommand, time.hour(), time.minute(), time.second());
}

QDateTime Clock::now() const
{
    if (const auto &f = testNow())
        return f();
    return QDateTime::currentDateTime();
}

const Clock &appClock()
{
    static const Clock machineClock{};
    return machineClock;
}

void setClockForTesting(std::function<QDateTime()> now) { testNow() = std::move(now); }

} // namespace tevo
