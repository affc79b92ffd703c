#pragma once
// Line events of a serial port: the event bits and modem status bits the driver reports, how
// they are worked out from the kernel's per-port counters, and the helper thread that sleeps
// until a modem line changes.
#include <QtGlobal>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace tevo {

// Event bits of a line-event notice.
inline constexpr quint32 EV_RXFLAG = 0x0002; // the event character was received
inline constexpr quint32 EV_TXEMPTY = 0x0004;
inline constexpr quint32 EV_CTS = 0x0008;  // CTS changed
inline constexpr quint32 EV_DSR = 0x0010;  // DSR changed
inline constexpr quint32 EV_RLSD = 0x0020; // carrier detect changed
inline constexpr quint32 EV_BREAK = 0x0040;
inline constexpr quint32 EV_ERR = 0x0080; // framing, overrun or parity error
inline constexpr quint32 EV_RING = 0x0100;
inline constexpr quint32 EV_PERR = 0x0200;
inline constexpr quint32 EV_RX80FULL = 0x0400;

// Modem status bits.
inline constexpr quint32 MS_CTS_ON = 0x10;
inline constexpr quint32 MS_DSR_ON = 0x20;
inline constexpr quint32 MS_RING_ON = 0x40;
inline constexpr quint32 MS_RLSD_ON = 0x80;

// Line error flags handed to the error event.
inline constexpr quint32 CE_RXOVER = 0x0001;  // receive buffer overflow
inline constexpr quint32 CE_OVERRUN = 0x0002; // character lost in the UART
inline constexpr quint32 CE_RXPARITY = 0x0004;
inline constexpr quint32 CE_FRAME = 0x0008;
inline constexpr quint32 CE_BREAK = 0x0010;

// The kernel's interrupt counters of a port (TIOCGICOUNT), the fields the driver uses.
struct LineCounts {
    int cts = 0;
    int dsr = 0;
    int rng = 0;
    int dcd = 0;
    int frame = 0;
    int overrun = 0;
    int parity = 0;
    int brk = 0;
    int bufOverrun = 0;
};

// TIOCM_* line bits → modem status bits.
quint32 modemStatusFromLines(int tiocmLines);

// The change bits that report the lines that are on as changes (the first notice after
// open): CTS on → EV_CTS, DSR on → EV_DSR, ring on → EV_RING, carrier on → EV_RLSD.
quint32 changeBitsForLinesOn(quint32 modemStatus);

// Event bits for what the counters show between two readings. Error flags seen since the
// last reported error (the break and receive-overflow flags among them) gather in
// *pendingErrors; when EV_ERR is returned, *reportErrors gets them and *pendingErrors is
// cleared, as reading and clearing a port's error state does.
quint32 lineEventBits(const LineCounts &before, const LineCounts &now, quint32 *pendingErrors, quint32 *reportErrors);

// Runs waitOnce() over and over on a thread of its own and tells the owner about each
// return through an eventfd: a return of 0 is a change, -1 with EINTR is only a wake-up, -1
// with ENOTTY or EINVAL means the device cannot wait for changes (the thread ends quietly),
// any other failure ends the thread with failed() true. stop() interrupts a waitOnce() that
// sleeps in the kernel with a signal the driver owns, and joins.
class LineWatcher {
public:
    LineWatcher(std::function<int()> waitOnce, int notifyFd);
    ~LineWatcher();
    LineWatcher(const LineWatcher &) = delete;
    LineWatcher &operator=(const LineWatcher &) = delete;

    void start(); // throws std::system_error when the thread cannot be made
    void stop();
    bool failed() const { return m_failed.load(); }
    bool finished() const;

    // The signal used to interrupt the wait; its handler is installed on first start.
    static int wakeSignal();

private:
    void run();

    std::function<int()> m_waitOnce;
    int m_notifyFd;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_failed{false};
    mutable std::mutex m_mutex;
    std::condition_variable m_finishedCv;
    bool m_finished = false;
};

} // namespace tevo
