// Line events worked out from the port's counters, and the thread that waits for modem line
// changes.
#include "serial/LineEvents.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace tevo;

TEST(LineEvents, ModemLinesAndTheirChangeBits)
{
    EXPECT_EQ(modemStatusFromLines(0), 0u);
    EXPECT_EQ(modemStatusFromLines(TIOCM_CTS | TIOCM_DSR | TIOCM_RNG | TIOCM_CD), 0xF0u);
    EXPECT_EQ(modemStatusFromLines(TIOCM_DTR | TIOCM_RTS | TIOCM_CTS), MS_CTS_ON);
    EXPECT_EQ(modemStatusFromLines(TIOCM_CD), MS_RLSD_ON);

    EXPECT_EQ(changeBitsForLinesOn(0), 0u);
    EXPECT_EQ(changeBitsForLinesOn(MS_CTS_ON | MS_DSR_ON), EV_CTS | EV_DSR);
    EXPECT_EQ(changeBitsForLinesOn(MS_RING_ON | MS_RLSD_ON), EV_RING | EV_RLSD);
}

TEST(LineEvents, CounterChangesGiveEventBits)
{
    quint32 pending = 0;
    quint32 reported = 0xDEAD;
    LineCounts a;
    LineCounts b = a;
    EXPECT_EQ(lineEventBits(a, b, &pending, &reported), 0u);
    EXPECT_EQ(reported, 0xDEADu); // untouched without an error

    b.cts = 3;
    b.dcd = 1;
    EXPECT_EQ(lineEventBits(a, b, &pending, &reported), EV_CTS | EV_RLSD);
    b = a;
    b.dsr = 1;
    b.rng = 2;
    EXPECT_EQ(lineEventBits(a, b, &pending, &reported), EV_DSR | EV_RING);
    EXPECT_EQ(pending, 0u);
}

TEST(LineEvents, ErrorsGatherUntilAnErrorIsReported)
{
    quint32 pending = 0;
    quint32 reported = 0;
    LineCounts a;
    LineCounts b = a;

    // A break and a receive overflow are remembered but raise no error event by themselves.
    b.brk = 1;
    EXPECT_EQ(lineEventBits(a, b, &pending, &reported), EV_BREAK);
    a = b;
    b.bufOverrun = 1;
    EXPECT_EQ(lineEventBits(a, b, &pending, &reported), 0u);
    EXPECT_EQ(pending, CE_BREAK | CE_RXOVER);
    EXPECT_EQ(reported, 0u);

    // A framing error reports everything gathered, then starts afresh.
    a = b;
    b.frame = 1;
    EXPECT_EQ(lineEventBits(a, b, &pending, &reported), EV_ERR);
    EXPECT_EQ(reported, CE_BREAK | CE_RXOVER | CE_FRAME);
    EXPECT_EQ(pending, 0u);

    a = b;
    b.overrun = 5;
    b.parity = 2;
    EXPECT_EQ(lineEventBits(a, b, &pending, &reported), EV_ERR);
    EXPECT_EQ(reported, CE_OVERRUN | CE_RXPARITY);
}

namespace {

struct Pipe {
    Pipe() { EXPECT_EQ(::pipe(fds), 0); }
    ~Pipe()
    {
        ::close(fds[0]);
        ::close(fds[1]);
    }
    int fds[2] = {-1, -1};
};

struct EventFd {
    EventFd() : fd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    ~EventFd() { ::close(fd); }
    // Waits for a notification; true when one came.
    bool wait(int timeoutMs = 10000) const
    {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) <= 0)
            return false;
        eventfd_t v;
        eventfd_read(fd, &v);
        return true;
    }
    int fd;
};

} // namespace

TEST(LineWatcher, StopInterruptsAWaitThatSleepsInTheKernel)
{
    // A blocking read on a pipe nobody writes to sleeps like a wait for a modem line change.
    Pipe pipe;
    EventFd notify;
    const int readEnd = pipe.fds[0];
    std::atomic<int> calls{0};
    LineWatcher w(
        [&] {
            ++calls;
            char c;
            return static_cast<int>(::read(readEnd, &c, 1) == 1 ? 0 : -1);
        },
        notify.fd);
    w.start();
    // A byte on the pipe is a change: the watcher tells and waits again.
    ASSERT_EQ(::write(pipe.fds[1], "x", 1), 1);
    EXPECT_TRUE(notify.wait());
    ASSERT_TRUE(test::waitFor([&] { return calls.load() >= 2; }));

    w.stop();
    EXPECT_TRUE(w.finished());
    EXPECT_FALSE(w.failed());
}

TEST(LineWatcher, ADeviceThatCannotWaitEndsQuietly)
{
    EventFd notify;
    LineWatcher w(
        [] {
            errno = ENOTTY;
            return -1;
        },
        notify.fd);
    w.start();
    ASSERT_TRUE(test::waitFor([&] { return w.finished(); }));
    EXPECT_FALSE(w.failed());
    EXPECT_FALSE(notify.wait(0));
    w.stop();
}

TEST(LineWatcher, AFailedWaitIsReported)
{
    EventFd notify;
    LineWatcher w(
        [] {
            errno = EIO;
            return -1;
        },
        notify.fd);
    w.start();
    EXPECT_TRUE(notify.wait());
    ASSERT_TRUE(test::waitFor([&] { return w.finished(); }));
    EXPECT_TRUE(w.failed());
}

TEST(LineWatcher, StoppingANeverStartedWatcherIsHarmless)
{
    EventFd notify;
    LineWatcher w([] { return 0; }, notify.fd);
    w.stop();
    EXPECT_FALSE(w.finished());
}
