#include "serial/CommThreads.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace tevo {

// --- notices ----------------------------------------------------------------------------

QEvent::Type CommNotice::eventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

CommNotice::CommNotice(int notice_, quint32 wParam_, quint32 lParam_, QByteArray block_, quint32 commErrors_)
    : QEvent(eventType()),
      notice(notice_),
      wParam(wParam_),
      lParam(lParam_),
      block(std::move(block_)),
      commErrors(commErrors_)
{
}

namespace {

void postTo(const CommThreadLink &link, CommNotice *notice)
{
    if (link.postedNotices)
        link.postedNotices->fetch_add(1);
    QCoreApplication::postEvent(link.notifyWindow, notice);
}

bool readable(int fd)
{
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & POLLIN);
}

LineCounts toCounts(const serial_icounter_struct &ic)
{
    LineCounts c;
    c.cts = ic.cts;
    c.dsr = ic.dsr;
    c.rng = ic.rng;
    c.dcd = ic.dcd;
    c.frame = ic.frame;
    c.overrun = ic.overrun;
    c.parity = ic.parity;
    c.brk = ic.brk;
    c.bufOverrun = ic.buf_overrun;
    return c;
}

} // namespace

// --- reader -----------------------------------------------------------------------------

TReadThread::TReadThread(const CommThreadLink &link) : m_link(link) {}

TReadThread::~TReadThread() { join(); }

void TReadThread::start()
{
    ReaderBuffer.reset(new char[kCommReadBlockSize]);
    m_thread = std::thread([this] { run(); });
}

void TReadThread::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void TReadThread::post(CommNotice *notice) { postTo(m_link, notice); }

void TReadThread::run()
{
    if (!body())
        post(new CommNotice(CommFailureNotice, 0, 0));
    if (m_watcher) {
        m_watcher->stop();
        m_watcher.reset();
    }
    if (m_lineFd >= 0) {
        ::close(m_lineFd);
        m_lineFd = -1;
    }
    tcflush(m_link.handle, TCIFLUSH);
}

quint32 TReadThread::modemStatus() const
{
    int lines = 0;
    if (::ioctl(m_link.handle, TIOCMGET, &lines) != 0)
        return 0;
    return modemStatusFromLines(lines);
}

bool TReadThread::body()
{
    const int h = m_link.handle;

    // Only a port with interrupt counters can tell line changes, breaks and errors.
    serial_icounter_struct ic;
    std::memset(&ic, 0, sizeof ic);
    if (::ioctl(h, TIOCGICOUNT, &ic) == 0) {
        m_hasCounts = true;
        m_counts = toCounts(ic);
        m_lineFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        if (m_lineFd < 0)
            return false;
        m_watcher = std::make_unique<LineWatcher>(
            [h] { return ::ioctl(h, TIOCMIWAIT, TIOCM_RNG | TIOCM_DSR | TIOCM_CD | TIOCM_CTS); }, m_lineFd);
        try {
            m_watcher->start();
        } catch (...) {
            m_watcher.reset();
            return false;
        }
    }

    // The lines that are on at open reach the user-interface side as changes.
    const quint32 status = modemStatus();
    if (status != 0)
        post(new CommNotice(CommEventNotice, 0, changeBitsForLinesOn(status) | (status << 16)));

    post(new CommNotice(CommThreadReadyNotice, 0, 0));

    for (;;) {
        pollfd fds[3] = {{m_link.stopEvent, POLLIN, 0}, {h, POLLIN, 0}, {m_lineFd, POLLIN, 0}};
        const nfds_t count = m_lineFd >= 0 ? 3 : 2;
        if (::poll(fds, count, -1) < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (fds[0].revents)
            return true;
        if (count == 3 && fds[2].revents) {
            eventfd_t ignored;
            eventfd_read(m_lineFd, &ignored);
            if (m_watcher->failed())
                return false;
            if (!checkLine(0))
                return false;
        }
        if (fds[1].revents & POLLNVAL)
            return false;
        if (fds[1].revents) {
            switch (readBurst()) {
            case Burst::Delivered:
                break;
            case Burst::Stopped:
                return true;
            case Burst::Failed:
                return false;
            }
        }
    }
}

TReadThread::Burst TReadThread::readBurst()
{
    const int h = m_link.handle;
    char *buffer = ReaderBuffer.get();

    ssize_t n = ::read(h, buffer, kCommReadBlockSize);
    if (n < 0)
        return (errno == EAGAIN || errno == EINTR) ? Burst::Delivered : Burst::Failed;
    if (n == 0)
        return Burst::Failed; // the other side hung up

    // Keep gathering while the next byte follows within 1 ms.
    qsizetype total = n;
    bool failAfterDelivery = false;
    while (total < kCommReadBlockSize) {
        pollfd fds[2] = {{m_link.stopEvent, POLLIN, 0}, {h, POLLIN, 0}};
        const int ready = ::poll(fds, 2, 1);
        if (ready == 0)
            break;
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            failAfterDelivery = true;
            break;
        }
        if (fds[0].revents)
            return Burst::Stopped;
        n = ::read(h, buffer + total, kCommReadBlockSize - total);
        if (n > 0) {
            total += n;
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            continue;
        } else {
            failAfterDelivery = true;
            break;
        }
    }

    quint32 extraBits = 0;
    const int evtChar = m_link.evtChar ? m_link.evtChar->load() : -1;
    if (evtChar >= 0 && std::memchr(buffer, evtChar, static_cast<size_t>(total)))
        extraBits |= EV_RXFLAG;
    if (!checkLine(extraBits))
        failAfterDelivery = true;

    post(new CommNotice(CommDataNotice, static_cast<quint32>(total), 0, QByteArray(buffer, total)));
    return failAfterDelivery ? Burst::Failed : Burst::Delivered;
}

bool TReadThread::checkLine(quint32 bits)
{
    if (m_hasCounts) {
        serial_icounter_struct ic;
        std::memset(&ic, 0, sizeof ic);
        if (::ioctl(m_link.handle, TIOCGICOUNT, &ic) != 0)
            return false;
        const LineCounts now = toCounts(ic);
        bits |= lineEventBits(m_counts, now, &m_pendingErrors, &m_lastCommErrors);
        m_counts = now;
    }
    if (bits != 0)
        post(new CommNotice(CommEventNotice, 0, (bits & 0xFFFF) | (modemStatus() << 16), QByteArray(),
                            (bits & EV_ERR) ? m_lastCommErrors : 0));
    return true;
}

// --- writer -----------------------------------------------------------------------------

TWriteThread::TWriteThread(const CommThreadLink &link) : m_link(link) {}

TWriteThread::~TWriteThread()
{
    join();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

void TWriteThread::start()
{
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0)
        throw std::system_error(errno, std::generic_category(), "eventfd");
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_accepting = true;
    }
    try {
        m_thread = std::thread([this] { run(); });
    } catch (...) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_accepting = false;
        throw;
    }
}

void TWriteThread::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

bool TWriteThread::post(QByteArray block)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_accepting)
            return false;
        m_queue.push_back(std::move(block));
    }
    eventfd_write(m_wakeFd, 1);
    return true;
}

void TWriteThread::post(CommNotice *notice) { postTo(m_link, notice); }

bool TWriteThread::stopSignalled() const { return readable(m_link.stopEvent); }

void TWriteThread::run()
{
    post(new CommNotice(CommThreadReadyNotice, 1, 0));

    bool failed = false;
    for (;;) {
        QByteArray block;
        bool have = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_queue.empty()) {
                block = std::move(m_queue.front());
                m_queue.pop_front();
                have = true;
            }
        }
        if (!have) {
            pollfd fds[2] = {{m_link.stopEvent, POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
            if (::poll(fds, 2, -1) < 0) {
                if (errno == EINTR)
                    continue;
                failed = true;
                break;
            }
            if (fds[0].revents)
                break;
            if (fds[1].revents & POLLIN) {
                eventfd_t ignored;
                eventfd_read(m_wakeFd, &ignored);
                continue;
            }
            failed = true;
            break;
        }
        if (stopSignalled())
            break;
        const Sent sent = send(block);
        if (sent != Sent::Ok) {
            failed = sent == Sent::Failed;
            break;
        }
    }

    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_accepting = false;
        m_queue.clear();
    }
    if (failed)
        post(new CommNotice(CommFailureNotice, 0, 0));
    tcflush(m_link.handle, TCOFLUSH);
}

TWriteThread::Sent TWriteThread::send(const QByteArray &block)
{
    const int h = m_link.handle;
    const char *p = block.constData();
    size_t remaining = static_cast<size_t>(block.size());
    while (remaining > 0) {
        const ssize_t written = ::write(h, p, remaining);
        if (written > 0) {
            p += written;
            remaining -= static_cast<size_t>(written);
            continue;
        }
        if (written < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EBADF)
                return Sent::Quiet;
            if (errno != EAGAIN)
                return Sent::Failed;
        }
        // The port's output buffer is full: sleep until it takes more or we must stop.
        pollfd fds[2] = {{m_link.stopEvent, POLLIN, 0}, {h, POLLOUT, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return Sent::Failed;
        }
        if (fds[0].revents)
            return Sent::Quiet;
        if (fds[1].revents & POLLNVAL)
            return Sent::Quiet;
    }
    return Sent::Ok;
}

} // namespace tevo
