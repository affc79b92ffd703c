#pragma once
// Setting a scale's clock: the date packet 0x99 and the time packet 0x9A, each followed by
// six digit values (0 … 9, tens first). The century is not sent; milliseconds are dropped.
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <functional>

namespace tevo {

inline constexpr uchar kDateCommand = 0x99;
inline constexpr uchar kTimeCommand = 0x9A;
inline constexpr int kClockPacketLength = 7;

// 0x99, day tens, day units, month tens, month units, year tens, year units.
QByteArray buildDatePacket(const QDate &date);
// 0x9A, hour tens, hour units, minute tens, minute units, second tens, second units.
QByteArray buildTimePacket(const QTime &time);

// Where "now" comes from. The packets are built from the moment the scale answers the poll,
// so the engine asks the clock then; tests put a clock of their own in its place.
class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time: the test clock's when one is set, else the machine's.
    virtual QDateTime now() const;
};

// The clock the program uses.
const Clock &appClock();

// Makes appClock().now() answer with the given function; an empty function brings the
// machine's clock back.
void setClockForTesting(std::function<QDateTime()> now);

// Sets a test clock for the lifetime of the object.
class ScopedTestClock {
public:
    explicit ScopedTestClock(std::function<QDateTime()> now) { setClockForTesting(std::move(now)); }
    ~ScopedTestClock() { setClockForTesting({}); }
    ScopedTestClock(const ScopedTestClock &) = delete;
    ScopedTestClock &operator=(const ScopedTestClock &) = delete;
};

} // namespace tevo
