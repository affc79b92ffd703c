#pragma once
// Pseudo-terminal pairs standing in for a serial line, a recorder of the driver's signals,
// and a window into the driver's private state for the tests that need one.
#include "serial/CommThreads.h"
#include "serial/TComm32.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace tevo {

class TComm32TestAccess {
public:
    static int handle(const TComm32 &c) { return c.m_handle; }
    static quint64 postedNotices(const TComm32 &c) { return c.m_postedNotices.load(); }
    // Hands the driver a line-event notice as the reader would post it.
    static void deliverEventNotice(TComm32 &c, quint32 lParam, quint32 commErrors)
    {
        CommNotice notice(CommEventNotice, 0, lParam, QByteArray(), commErrors);
        c.handleNotice(notice);
    }
};

namespace test {

// The master side plays the scale; the driver opens slavePath.
class PtyPair {
public:
    PtyPair()
    {
        int slave = -1;
        char name[128] = {};
        if (::openpty(&m_master, &slave, name, nullptr, nullptr) != 0)
            return;
        termios t;
        ::tcgetattr(slave, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(slave, TCSANOW, &t);
        ::close(slave);
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        m_slavePath = QString::fromLocal8Bit(name);
    }
    ~PtyPair() { closeMaster(); }
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool ok() const { return m_master >= 0 && !m_slavePath.isEmpty(); }
    int master() const { return m_master; }
    QString slavePath() const { return m_slavePath; }

    void closeMaster()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

    // Writes all bytes, waiting for room as needed; false on an error or after timeoutMs
    // without progress.
    bool write(const QByteArray &bytes, int timeoutMs = 10000) const
    {
        const char *p = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(m_master, p, static_cast<size_t>(left));
            if (n > 0) {
                p += n;
                left -= n;
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return false;
            pollfd pfd{m_master, POLLOUT, 0};
            if (::poll(&pfd, 1, timeoutMs) <= 0)
                return false;
        }
        return true;
    }

    // Reads until `count` bytes are in, or timeoutMs pass without a byte.
    QByteArray read(qsizetype count, int timeoutMs = 10000) const
    {
        QByteArray out;
        char buf[4096];
        while (out.size() < count) {
            pollfd pfd{m_master, POLLIN, 0};
            if (::poll(&pfd, 1, timeoutMs) <= 0)
                break;
            const ssize_t n =
                ::read(m_master, buf, std::min<size_t>(sizeof buf, static_cast<size_t>(count - out.size())));
            if (n > 0)
                out.append(buf, n);
            else if (n == 0 || (errno != EAGAIN && errno != EINTR))
                break;
        }
        return out;
    }

    // Reads whatever arrives until the line stays quiet for quietMs.
    QByteArray drain(int quietMs = 100) const { return read(1 << 30, quietMs); }

private:
    int m_master = -1;
    QString m_slavePath;
};

// Everything a driver emits, in order.
class SignalLog : public QObject {
public:
    explicit SignalLog(TComm32 &c)
    {
        connect(&c, &TComm32::receiveData, this, [this](const QByteArray &b) {
            blocks.append(b);
            received.append(b);
        });
        connect(&c, &TComm32::requestHangup, this, [this] { ++hangups; });
        connect(&c, &TComm32::lineError, this, [this](quint32 code) {
            events << QStringLiteral("Error");
            errorCodes << code;
        });
        const struct {
            void (TComm32::*signal)();
            const char *name;
        } plain[] = {
            {&TComm32::commEvent, "CommEvent"},    {&TComm32::eventCharReceived, "EventChar"},
            {&TComm32::breakReceived, "Break"},    {&TComm32::txEmpty, "TXEMPTY"},
            {&TComm32::rx80Full, "RX80FULL"},      {&TComm32::printerError, "PERR"},
            {&TComm32::ctsChanged, "ChangeCTS"},   {&TComm32::ctsSet, "SetCTS"},
            {&TComm32::ctsCleared, "ClearCTS"},    {&TComm32::dsrChanged, "ChangeDSR"},
            {&TComm32::dsrSet, "SetDSR"},          {&TComm32::dsrCleared, "ClearDSR"},
            {&TComm32::ringChanged, "ChangeRing"}, {&TComm32::ringSet, "SetRing"},
            {&TComm32::ringCleared, "ClearRing"},  {&TComm32::rlsdChanged, "ChangeRLSD"},
            {&TComm32::rlsdSet, "SetRLSD"},        {&TComm32::rlsdCleared, "ClearRLSD"},
        };
        for (const auto &p : plain) {
            const QString name = QString::fromLatin1(p.name);
            connect(&c, p.signal, this, [this, name] { events << name; });
        }
    }

    QList<QByteArray> blocks;
    QByteArray received;
    QStringList events;
    QList<quint32> errorCodes;
    int hangups = 0;
};

// Waits, without running the event loop, until the driver's threads have posted `count`
// notices in all.
inline bool waitForPosted(const TComm32 &c, quint64 count, int timeoutMs = 10000)
{
    for (int waited = 0; waited < timeoutMs; waited += 2) {
        if (TComm32TestAccess::postedNotices(c) >= count)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return TComm32TestAccess::postedNotices(c) >= count;
}

// Bytes 0, 1, 2, … 255, 0, 1, … with the block number mixed in, so that order and
// boundaries show.
inline QByteArray patternBlock(int number, int size)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = static_cast<char>((i + number * 7) & 0xFF);
    if (size >= 2) {
        b[0] = static_cast<char>(number & 0xFF);
        b[1] = static_cast<char>((number >> 8) & 0xFF);
    }
    return b;
}

} // namespace test
} // namespace tevo
