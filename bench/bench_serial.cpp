// The serial driver through a pseudo-terminal pair: the benchmark holds the master side and
// plays the scale.
#include "serial/TComm32.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

class ScaleSide {
public:
    ScaleSide()
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
        m_path = QString::fromLocal8Bit(name);
    }
    ~ScaleSide()
    {
        if (m_master >= 0)
            ::close(m_master);
    }

    bool ok() const { return m_master >= 0; }
    QString path() const { return m_path; }

    bool readExactly(char *buf, size_t count) const
    {
        size_t got = 0;
        while (got < count) {
            pollfd p{m_master, POLLIN, 0};
            if (::poll(&p, 1, 10000) <= 0)
                return false;
            const ssize_t n = ::read(m_master, buf + got, count - got);
            if (n <= 0 && errno != EINTR && errno != EAGAIN)
                return false;
            if (n > 0)
                got += static_cast<size_t>(n);
        }
        return true;
    }

    bool writeAll(const char *buf, size_t count) const
    {
        size_t done = 0;
        while (done < count) {
            const ssize_t n = ::write(m_master, buf + done, count - done);
            if (n < 0 && errno != EINTR && errno != EAGAIN)
                return false;
            if (n > 0)
                done += static_cast<size_t>(n);
        }
        return true;
    }

private:
    int m_master = -1;
    QString m_path;
};

// Sleeps in the event loop until `done` holds.
template <class Done> void runEventsUntil(Done done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool openPort(tevo::TComm32 &comm, benchmark::State &state)
{
    try {
        if (comm.openPort())
            return true;
        state.SkipWithError("port not opened");
    } catch (const tevo::ECommsError &e) {
        state.SkipWithError(e.what());
    }
    return false;
}

} // namespace

// One request/reply exchange as a scale read makes it: the program sends 513 bytes, the scale
// answers 401 bytes, the reply reaches the user-interface thread as received blocks. The 1 ms
// quiet time that ends a block is part of every round trip.
static void BM_SerialRoundTrip(benchmark::State &state)
{
    ScaleSide scale;
    if (!scale.ok()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    tevo::TComm32 comm;
    comm.setCommPort(scale.path());
    comm.setBaudRate(115200);
    if (!openPort(comm, state))
        return;

    qsizetype received = 0;
    QObject::connect(&comm, &tevo::TComm32::receiveData, [&](const QByteArray &b) { received += b.size(); });

    const QByteArray request(513, '\x82');
    const QByteArray reply(401, '\xAA');
    char buf[513];
    for (auto _ : state) {
        received = 0;
        comm.queueWrite(request);
        if (!scale.readExactly(buf, sizeof buf)) {
            state.SkipWithError("request lost");
            break;
        }
        scale.writeAll(reply.constData(), static_cast<size_t>(reply.size()));
        runEventsUntil([&] { return received >= reply.size(); });
    }
    comm.closePort();
}
BENCHMARK(BM_SerialRoundTrip)->Unit(benchmark::kMillisecond)->UseRealTime();

// 4000 goods records of 85 bytes queued at once, until the last byte is on the other side.
static void BM_SerialQueued4000(benchmark::State &state)
{
    ScaleSide scale;
    if (!scale.ok()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    tevo::TComm32 comm;
    comm.setCommPort(scale.path());
    if (!openPort(comm, state))
        return;

    const QByteArray record(85, '\x82');
    std::vector<char> sink(4000 * 85);
    for (auto _ : state) {
        for (int i = 0; i < 4000; ++i)
            comm.queueWrite(record.constData(), static_cast<quint16>(record.size()));
        if (!scale.readExactly(sink.data(), sink.size())) {
            state.SkipWithError("records lost");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 4000 * 85);
    comm.closePort();
}
BENCHMARK(BM_SerialQueued4000)->Unit(benchmark::kMillisecond)->UseRealTime();
