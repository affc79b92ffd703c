#include "commands/ClockPackets.h"

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
    QByteArray out(kClockPacketLength, '\0');
    out[0] = static_cast<char>(command);
    const int values[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        out[1 + 2 * i] = static_cast<char>((values[i] % 100) / 10);
        out[2 + 2 * i] = static_cast<char>(values[i] % 10);
    }
    return out;
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

void setClockForTesting(std::function<QDateTime()> now)
{
    testNow() = std::move(now);
}

} // namespace tevo
