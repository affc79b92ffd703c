// Date and time packets and the clock they are taken from.
#include "Bytes.h"
#include "commands/ClockPackets.h"

#include <gtest/gtest.h>

using namespace tevo;
using tevo::test::bytes;

TEST(ClockPackets, DatesAsDigitValues)
{
    struct Case {
        QDate date;
        QByteArray packet;
    } cases[] = {
        {QDate(2024, 3, 5), bytes({0x99, 0, 5, 0, 3, 2, 4})},
        {QDate(1924, 3, 5), bytes({0x99, 0, 5, 0, 3, 2, 4})},
        {QDate(1999, 12, 31), bytes({0x99, 3, 1, 1, 2, 9, 9})},
        {QDate(2000, 1, 1), bytes({0x99, 0, 1, 0, 1, 0, 0})},
    };
    for (const Case &c : cases)
        EXPECT_EQ(buildDatePacket(c.date), c.packet) << c.date.toString(Qt::ISODate).toStdString();
}

TEST(ClockPackets, TimesAsDigitValues)
{
    struct Case {
        QTime time;
        QByteArray packet;
    } cases[] = {
        {QTime(9, 7, 3), bytes({0x9A, 0, 9, 0, 7, 0, 3})},
        {QTime(9, 7, 3, 999), bytes({0x9A, 0, 9, 0, 7, 0, 3})},
        {QTime(23, 59, 59), bytes({0x9A, 2, 3, 5, 9, 5, 9})},
        {QTime(0, 0, 0), bytes({0x9A, 0, 0, 0, 0, 0, 0})},
    };
    for (const Case &c : cases)
        EXPECT_EQ(buildTimePacket(c.time), c.packet) << c.time.toString().toStdString();
}

TEST(Clock, TestClockStandsInForTheMachineClock)
{
    const QDateTime fixed(QDate(2001, 2, 3), QTime(4, 5, 6));
    {
        ScopedTestClock clock([fixed] { return fixed; });
        EXPECT_EQ(appClock().now(), fixed);
        EXPECT_EQ(buildDatePacket(appClock().now().date()), bytes({0x99, 0, 3, 0, 2, 0, 1}));
    }
    EXPECT_GT(appClock().now().date().year(), 2001);
}
