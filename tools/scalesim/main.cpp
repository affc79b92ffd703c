// tevo-scalesim: a label scale on a TCP port or a pseudo-terminal, for trying the program
// and for the tests. See README.md beside this file.
#include "ScaleModel.h"

#include "common/Error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QPointer>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <functional>
#include <pty.h>
#include <sys/timerfd.h>
#include <termios.h>
#include <unistd.h>

using tevo::sim::ScaleModel;
using tevo::sim::ScaleOptions;

namespace {

constexpr int kSplitPauseMs = 5;

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(g_signalPipe[1], &c, 1);
}

void printLine(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void fail(const QString &text)
{
    std::fprintf(stderr, "tevo-scalesim: %s\n", text.toUtf8().constData());
    std::exit(2);
}

// Sends answers in order, honouring the delay of every answer (from the moment the bytes it
// answers came in), the ack delay before an answer to a request and the split pauses between
// pieces. A slow answer holds back everything after it, as a busy scale would.
class Outbox : public QObject {
public:
    std::function<void(const QByteArray &)> write;
    std::function<void()> drained;

    Outbox(int split, int ackDelayMs, int delayMs) : m_split(split), m_ackDelayMs(ackDelayMs), m_delayMs(delayMs)
    {
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this] { pump(); });
        m_clock.start();
    }

    void add(const ScaleModel::Reply &reply)
    {
        const bool slow = reply.kind == ScaleModel::Reply::Answer && m_ackDelayMs > 0;
        const qint64 due = m_delayMs > 0 ? m_clock.elapsed() + m_delayMs : 0;
        const int piece = m_split > 0 ? m_split : static_cast<int>(reply.bytes.size());
        for (qsizetype at = 0; at < reply.bytes.size(); at += piece) {
            int pause = at > 0 ? kSplitPauseMs : 0;
            if (at == 0 && slow)
                pause = m_ackDelayMs;
            m_queue.append({reply.bytes.mid(at, piece), pause, at == 0 ? due : 0});
        }
        pump();
    }

    bool idle() const { return m_queue.isEmpty(); }

    void clear()
    {
        m_queue.clear();
        m_timer.stop();
    }

private:
    struct Piece {
        QByteArray bytes;
        int pauseBefore;
        qint64 dueAt; // not before this moment (m_clock), 0: no such limit
    };

    void pump()
    {
        if (m_timer.isActive())
            return;
        while (!m_queue.isEmpty()) {
            Piece &p = m_queue.first();
            if (p.dueAt > 0) {
                const qint64 wait = p.dueAt - m_clock.elapsed();
                p.dueAt = 0;
                if (wait > 0) {
                    m_timer.start(int(wait));
                    return;
                }
            }
            if (p.pauseBefore > 0) {
                const int pause = p.pauseBefore;
                p.pauseBefore = 0;
                m_timer.start(pause);
                return;
            }
            const QByteArray bytes = p.bytes;
            m_queue.removeFirst();
            if (write)
                write(bytes);
        }
        if (drained)
            drained();
    }

    int m_split;
    int m_ackDelayMs;
    int m_delayMs;
    QList<Piece> m_queue;
    QTimer m_timer;
    QElapsedTimer m_clock;
};

class Simulator : public QObject {
public:
    Simulator(ScaleModel &model, Outbox &outbox, QString dumpFile, bool dumpAtExitOnly, bool log, int dropAfter,
              int cutEvery)
        : m_model(model),
          m_outbox(outbox),
          m_dumpFile(std::move(dumpFile)),
          m_dumpAtExitOnly(dumpAtExitOnly),
          m_log(log),
          m_dropAfter(dropAfter),
          m_cutEvery(cutEvery)
    {
    }

    // Bytes from the PC on the current link; returns true when the link is to be closed
    // once everything due is sent.
    bool take(const QByteArray &bytes)
    {
        const int before = m_model.requestCount();
        const int changesBefore = m_model.changeCount();
        const QList<ScaleModel::Reply> replies = m_model.feedReplies(bytes);
        // The log and the dump are written before the answers go out, so whoever sees an
        // answer finds them up to date.
        const QStringList log = m_model.takeLog();
        if (m_log) {
            for (const QString &line : log)
                printLine(line);
        }
        if (m_model.changeCount() != changesBefore && !m_dumpAtExitOnly)
            dump();
        for (ScaleModel::Reply r : replies) {
            if (r.kind == ScaleModel::Reply::Answer && m_cutEvery > 0 && ++m_answers % m_cutEvery == 0) {
                // The line goes down half-way through this answer; nothing after it is sent.
                r.bytes.truncate(r.bytes.size() / 2);
                m_outbox.add(r);
                m_linkRequests += m_model.requestCount() - before;
                return true;
            }
            m_outbox.add(r);
        }
        m_linkRequests += m_model.requestCount() - before;
        return m_dropAfter > 0 && m_linkRequests >= m_dropAfter;
    }

    void newLink()
    {
        m_model.resetLink();
        m_outbox.clear();
        m_linkRequests = 0;
    }

    void dump()
    {
        if (m_dumpFile.isEmpty())
            return;
        QSaveFile file(m_dumpFile);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(QJsonDocument(m_model.toJson()).toJson());
        file.commit();
    }

private:
    ScaleModel &m_model;
    Outbox &m_outbox;
    QString m_dumpFile;
    bool m_dumpAtExitOnly;
    bool m_log;
    int m_dropAfter;
    int m_cutEvery;
    int m_linkRequests = 0;
    int m_answers = 0;
};

// One connection at a time; the next waiting one is taken when it ends.
class TcpLink : public QObject {
public:
    TcpLink(Simulator &sim, Outbox &outbox) : m_sim(sim), m_outbox(outbox)
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] { takeNext(); });
        m_outbox.write = [this](const QByteArray &bytes) {
            if (m_socket)
                m_socket->write(bytes);
        };
        m_outbox.drained = [this] {
            if (m_socket && m_closeWhenDrained)
                closeCurrent();
        };
    }

    quint16 listen(quint16 port)
    {
        if (!m_server.listen(QHostAddress::LocalHost, port))
            fail(QStringLiteral("cannot listen on 127.0.0.1:%1: %2").arg(port).arg(m_server.errorString()));
        return m_server.serverPort();
    }

private:
    void takeNext()
    {
        if (m_socket || !m_server.hasPendingConnections())
            return;
        m_socket = m_server.nextPendingConnection();
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_closeWhenDrained = false;
        m_sim.newLink();
        connect(m_socket, &QTcpSocket::readyRead, this, [this] {
            if (!m_socket || m_closeWhenDrained)
                return;
            if (m_sim.take(m_socket->readAll())) {
                m_closeWhenDrained = true;
                if (m_outbox.idle())
                    closeCurrent();
            }
        });
        connect(m_socket, &QTcpSocket::disconnected, this, [this] {
            if (m_socket) {
                m_socket->deleteLater();
                m_socket = nullptr;
            }
            m_outbox.clear();
            QTimer::singleShot(0, this, [this] { takeNext(); });
        });
    }

    void closeCurrent()
    {
        if (!m_socket)
            return;
        m_socket->flush();
        m_socket->disconnectFromHost();
    }

    Simulator &m_sim;
    Outbox &m_outbox;
    QTcpServer m_server;
    QPointer<QTcpSocket> m_socket;
    bool m_closeWhenDrained = false;
};

// The pace of a serial line: at N bit/s and 10 bits a byte (8N1) every byte takes 10/N s on
// the wire, one after another in each direction. Bytes are handed on when their last bit is
// in, so a line's timing is seen over a pseudo-terminal, which has none of its own. A timerfd
// wakes the simulator at each byte's time to the microsecond, where a millisecond timer would
// add its rounding to every answer.
class LinePace : public QObject {
public:
    std::function<void(const QByteArray &)> deliver;

    explicit LinePace(int baud) : m_byteNs(baud > 0 ? 10'000'000'000LL / baud : 0)
    {
        if (m_byteNs == 0)
            return;
        m_timerFd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (m_timerFd < 0)
            fail(QStringLiteral("timerfd_create failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
        m_notifier = new QSocketNotifier(m_timerFd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            quint64 expirations = 0;
            [[maybe_unused]] const auto n = ::read(m_timerFd, &expirations, sizeof expirations);
            pump();
        });
    }

    ~LinePace() override
    {
        if (m_timerFd >= 0)
            ::close(m_timerFd);
    }

    // Bytes put on the line now; they arrive one after another behind what is still underway.
    void send(const QByteArray &bytes)
    {
        if (m_byteNs == 0) {
            deliver(bytes);
            return;
        }
        qint64 at = std::max(nowNs(), m_lineFree);
        for (char c : bytes) {
            at += m_byteNs;
            m_queue.push_back({at, c});
        }
        m_lineFree = at;
        pump();
    }

private:
    static qint64 nowNs()
    {
        timespec t{};
        ::clock_gettime(CLOCK_MONOTONIC, &t);
        return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    }

    void pump()
    {
        const qint64 t = nowNs();
        QByteArray due;
        while (!m_queue.empty() && m_queue.front().first <= t) {
            due.append(m_queue.front().second);
            m_queue.pop_front();
        }
        if (!due.isEmpty())
            deliver(due);
        if (m_queue.empty())
            return;
        const qint64 next = m_queue.front().first;
        itimerspec wake{};
        wake.it_value.tv_sec = time_t(next / 1'000'000'000);
        wake.it_value.tv_nsec = long(next % 1'000'000'000);
        ::timerfd_settime(m_timerFd, TFD_TIMER_ABSTIME, &wake, nullptr);
    }

    qint64 m_byteNs;
    int m_timerFd = -1;
    QSocketNotifier *m_notifier = nullptr;
    qint64 m_lineFree = 0;
    std::deque<std::pair<qint64, char>> m_queue;
};

// A pseudo-terminal in raw mode; the program opens the slave side as its serial port.
class PtyLink : public QObject {
public:
    PtyLink(Simulator &sim, Outbox &outbox, int baud) : m_sim(sim), m_toPc(baud), m_fromPc(baud)
    {
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
            fail(QStringLiteral("openpty failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
        termios tio{};
        ::tcgetattr(m_slave, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(m_slave, TCSANOW, &tio);
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        m_slaveName = QString::fromLocal8Bit(name);

        m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] { readMaster(); });
        outbox.write = [this](const QByteArray &bytes) { m_toPc.send(bytes); };
        m_toPc.deliver = [this](const QByteArray &bytes) { writeMaster(bytes); };
        m_fromPc.deliver = [this](const QByteArray &bytes) { m_sim.take(bytes); }; // a line cannot be dropped
    }

    ~PtyLink() override
    {
        ::close(m_master);
        ::close(m_slave); // held open so the master never sees a hang-up between users
    }

    QString slaveName() const { return m_slaveName; }

private:
    void readMaster()
    {
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                break;
            m_fromPc.send(QByteArray(buffer, static_cast<int>(n)));
        }
    }

    void writeMaster(const QByteArray &bytes)
    {
        qsizetype done = 0;
        int tries = 0;
        while (done < bytes.size() && tries < 1000) {
            const ssize_t n = ::write(m_master, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
            if (n > 0) {
                done += n;
            } else if (errno == EAGAIN || errno == EINTR) {
                ++tries;
                ::usleep(1000);
            } else {
                break;
            }
        }
    }

    Simulator &m_sim;
    LinePace m_toPc;
    LinePace m_fromPc;
    int m_master = -1;
    int m_slave = -1;
    QString m_slaveName;
    QSocketNotifier *m_notifier = nullptr;
};

int positiveNumber(const QCommandLineParser &parser, const QString &name, int fallback)
{
    if (!parser.isSet(name))
        return fallback;
    bool ok = false;
    const int v = parser.value(name).toInt(&ok);
    if (!ok || v < 0)
        fail(QStringLiteral("--%1 takes a whole number of 0 or more").arg(name));
    return v;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tevo-scalesim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TEVO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A label scale for trying the exchange: TCP on 127.0.0.1 or a pseudo-terminal."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("port"), QStringLiteral("Listen on 127.0.0.1:N (0 = any free port); prints \"port N\" first."),
         QStringLiteral("N")},
        {QStringLiteral("pty"), QStringLiteral("Make a pseudo-terminal; prints its slave path first.")},
        {QStringLiteral("split"), QStringLiteral("Send answers in pieces of N bytes, 5 ms apart."), QStringLiteral("N")},
        {QStringLiteral("ready-prefix"), QStringLiteral("Answer a poll with 0x01 0x80 instead of 0x80.")},
        {QStringLiteral("silent"), QStringLiteral("Never answer.")},
        {QStringLiteral("drop-after"), QStringLiteral("Close each connection after its N-th request (TCP)."),
         QStringLiteral("N")},
        {QStringLiteral("ack-delay"), QStringLiteral("Wait MS milliseconds before answering a request."),
         QStringLiteral("MS")},
        {QStringLiteral("cut-reply"), QStringLiteral("Send half of every N-th answer and drop the connection (TCP)."),
         QStringLiteral("N")},
        {QStringLiteral("delay"),
         QStringLiteral(
             "Send every answer, the ready answer to a poll too, MS milliseconds after what it answers came in."),
         QStringLiteral("MS")},
        {QStringLiteral("never-answer"),
         QStringLiteral("Take a request in and never answer it, e.g. logo or goods:5; repeatable."),
         QStringLiteral("WHAT")},
        {QStringLiteral("garbage"), QStringLiteral("Answer with junk the program must ignore.")},
        {QStringLiteral("refuse"), QStringLiteral("Refuse (0xEE) a request, e.g. goods:3,17 or header; repeatable."),
         QStringLiteral("WHAT")},
        {QStringLiteral("refuse-once"), QStringLiteral("The same, the first time only (per number)."),
         QStringLiteral("WHAT")},
        {QStringLiteral("load"), QStringLiteral("Start with the contents of a JSON file."), QStringLiteral("FILE")},
        {QStringLiteral("dump"), QStringLiteral("Write the contents as JSON on each change and at exit."),
         QStringLiteral("FILE")},
        {QStringLiteral("log"), QStringLiteral("Print one line per request taken.")},
        {QStringLiteral("dump-at-exit"), QStringLiteral("With --dump: write the file at start and exit only.")},
        {QStringLiteral("ignore-polls"), QStringLiteral("Leave every N-th poll unanswered (a busy scale)."),
         QStringLiteral("N")},
        {QStringLiteral("baud"), QStringLiteral("With --pty: send and take bytes at N bit/s, 10 bits a byte."),
         QStringLiteral("N")},
    });
    parser.process(app);

    if (parser.isSet(QStringLiteral("port")) == parser.isSet(QStringLiteral("pty")))
        fail(QStringLiteral("give either --port N or --pty"));

    ScaleOptions options;
    options.readyPrefix = parser.isSet(QStringLiteral("ready-prefix"));
    options.silent = parser.isSet(QStringLiteral("silent"));
    options.garbage = parser.isSet(QStringLiteral("garbage"));
    options.ignorePolls = positiveNumber(parser, QStringLiteral("ignore-polls"), 0);
    const int baud = positiveNumber(parser, QStringLiteral("baud"), 0);
    if (baud > 0 && !parser.isSet(QStringLiteral("pty")))
        fail(QStringLiteral("--baud works with --pty only"));
    ScaleModel model(options);
    try {
        for (const QString &r : parser.values(QStringLiteral("refuse")))
            model.addRefusal(tevo::sim::parseRefusal(r, false));
        for (const QString &r : parser.values(QStringLiteral("refuse-once")))
            model.addRefusal(tevo::sim::parseRefusal(r, true));
        for (const QString &r : parser.values(QStringLiteral("never-answer")))
            model.addUnanswered(tevo::sim::parseRefusal(r, false));
    } catch (const tevo::Error &e) {
        fail(e.text());
    }

    if (parser.isSet(QStringLiteral("load"))) {
        QFile file(parser.value(QStringLiteral("load")));
        if (!file.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot read %1").arg(file.fileName()));
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
        if (!doc.isObject())
            fail(QStringLiteral("%1 is not a JSON object: %2").arg(file.fileName(), error.errorString()));
        try {
            model.loadJson(doc.object());
        } catch (const tevo::Error &e) {
            fail(e.text());
        }
    }

    Outbox outbox(positiveNumber(parser, QStringLiteral("split"), 0),
                  positiveNumber(parser, QStringLiteral("ack-delay"), 0),
                  positiveNumber(parser, QStringLiteral("delay"), 0));
    Simulator sim(model, outbox, parser.value(QStringLiteral("dump")), parser.isSet(QStringLiteral("dump-at-exit")),
                  parser.isSet(QStringLiteral("log")), positiveNumber(parser, QStringLiteral("drop-after"), 0),
                  positiveNumber(parser, QStringLiteral("cut-reply"), 0));

    if (::pipe(g_signalPipe) == 0) {
        auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::quit(); });
        std::signal(SIGTERM, onSignal);
        std::signal(SIGINT, onSignal);
    }

    std::unique_ptr<TcpLink> tcp;
    std::unique_ptr<PtyLink> pty;
    if (parser.isSet(QStringLiteral("port"))) {
        bool ok = false;
        const int port = parser.value(QStringLiteral("port")).toInt(&ok);
        if (!ok || port < 0 || port > 65535)
            fail(QStringLiteral("--port takes 0 … 65535"));
        tcp = std::make_unique<TcpLink>(sim, outbox);
        printLine(QStringLiteral("port %1").arg(tcp->listen(static_cast<quint16>(port))));
    } else {
        pty = std::make_unique<PtyLink>(sim, outbox, baud);
        printLine(pty->slaveName());
    }
    sim.dump();

    const int rc = app.exec();
    sim.dump();
    return rc;
}
