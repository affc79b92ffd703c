#include "serial/LineEvents.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>

namespace tevo {

quint32 modemStatusFromLines(int lines)
{
    quint32 status = 0;
    if (lines & TIOCM_CTS)
        status |= MS_CTS_ON;
    if (lines & TIOCM_DSR)
        status |= MS_DSR_ON;
    if (lines & TIOCM_RNG)
        status |= MS_RING_ON;
    if (lines & TIOCM_CD)
        status |= MS_RLSD_ON;
    return status;
}

quint32 changeBitsForLinesOn(quint32 status)
{
    quint32 bits = 0;
    if (status & MS_CTS_ON)
        bits |= EV_CTS;
    if (status & MS_DSR_ON)
        bits |= EV_DSR;
    if (status & MS_RING_ON)
        bits |= EV_RING;
    if (status & MS_RLSD_ON)
        bits |= EV_RLSD;
    return bits;
}

quint32 lineEventBits(const LineCounts &before, const LineCounts &now, quint32 *pendingErrors, quint32 *reportErrors)
{
    quint32 bits = 0;
    if (now.cts != before.cts)
        bits |= EV_CTS;
    if (now.dsr != before.dsr)
        bits |= EV_DSR;
    if (now.rng != before.rng)
        bits |= EV_RING;
    if (now.dcd != before.dcd)
        bits |= EV_RLSD;
    if (now.brk != before.brk) {
        bits |= EV_BREAK;
        *pendingErrors |= CE_BREAK;
    }
    if (now.bufOverrun != before.bufOverrun)
        *pendingErrors |= CE_RXOVER;

    quint32 lineErrors = 0;
    if (now.frame != before.frame)
        lineErrors |= CE_FRAME;
    if (now.overrun != before.overrun)
        lineErrors |= CE_OVERRUN;
    if (now.parity != before.parity)
        lineErrors |= CE_RXPARITY;
    if (lineErrors) {
        bits |= EV_ERR;
        *reportErrors = *pendingErrors | lineErrors;
        *pendingErrors = 0;
    }
    return bits;
}

namespace {

void wakeHandler(int) {}

void installWakeHandler()
{
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction sa = {};
        sa.sa_handler = wakeHandler;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = 0; // no SA_RESTART: the interrupted wait must return EINTR
        sigaction(LineWatcher::wakeSignal(), &sa, nullptr);
    });
}

} // namespace

int LineWatcher::wakeSignal() { return SIGRTMIN + 6; }

LineWatcher::LineWatcher(std::function<int()> waitOnce, int notifyFd)
    : m_waitOnce(std::move(waitOnce)), m_notifyFd(notifyFd)
{
}

LineWatcher::~LineWatcher() { stop(); }

void LineWatcher::start()
{
    installWakeHandler();
    m_thread = std::thread([this] { run(); });
}

bool LineWatcher::finished() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_finished;
}

void LineWatcher::run()
{
    sigset_t wake;
    sigemptyset(&wake);
    sigaddset(&wake, wakeSignal());
    pthread_sigmask(SIG_UNBLOCK, &wake, nullptr);

    while (!m_stop.load()) {
        if (m_waitOnce() == 0) {
            eventfd_write(m_notifyFd, 1);
            continue;
        }
        const int err = errno;
        if (err == EINTR)
            continue;
        if (err != ENOTTY && err != EINVAL) {
            m_failed.store(true);
            eventfd_write(m_notifyFd, 1);
        }
        break;
    }

    std::lock_guard<std::mutex> lock(m_mutex);
    m_finished = true;
    m_finishedCv.notify_all();
}

void LineWatcher::stop()
{
    if (!m_thread.joinable())
        return;
    m_stop.store(true);
    // A signal that lands between the stop check and the next wait is lost, so keep sending
    // until the thread is out.
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_finished) {
        pthread_kill(m_thread.native_handle(), wakeSignal());
        m_finishedCv.wait_for(lock, std::chrono::milliseconds(5));
    }
    lock.unlock();
    m_thread.join();
}

} // namespace tevo
