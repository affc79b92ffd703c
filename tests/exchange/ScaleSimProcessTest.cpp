// The simulator as a program: its TCP and pseudo-terminal links and its options.
#include "TestSupport.h"

#include "exchange/GoodsRecord.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <memory>

using namespace tevo;

namespace {

const QByteArray kPoll(1, char(0x01));

class Sim {
public:
    explicit Sim(const QStringList &args)
    {
        m_process.setProgram(test::binDir() + QStringLiteral("/tevo-scalesim"));
        m_process.setArguments(args);
        m_process.start();
        EXPECT_TRUE(m_process.waitForStarted(5000)) << m_process.errorString().toStdString();
        EXPECT_TRUE(test::waitFor([this] { return m_process.canReadLine(); }, 5000)) << "no first line";
        m_firstLine = QString::fromUtf8(m_process.readLine()).trimmed();
    }

    ~Sim()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000))
                m_process.kill();
        }
    }

    QString firstLine() const { return m_firstLine; }
    quint16 port() const { return m_firstLine.mid(5).toUShort(); }
    QProcess &process() { return m_process; }

    // Lines of the --log output seen so far.
    QStringList logLines()
    {
        while (m_process.canReadLine())
            m_log.append(QString::fromUtf8(m_process.readLine()).trimmed());
        return m_log;
    }

private:
    QProcess m_process;
    QString m_firstLine;
    QStringList m_log;
};

struct Client {
    QTcpSocket socket;
    QByteArray received;
    int reads = 0;

    explicit Client(quint16 port)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            received += socket.readAll();
            ++reads;
        });
        socket.connectToHost(QHostAddress::LocalHost, port);
        EXPECT_TRUE(socket.waitForConnected(5000));
    }

    // Sends and waits until `count` more bytes have arrived.
    QByteArray ask(const QByteArray &bytes, int count)
    {
        received.clear();
        reads = 0;
        socket.write(bytes);
        EXPECT_TRUE(test::waitFor([&] { return received.size() >= count; }, 5000))
            << "got " << received.size() << " of " << count;
        return received;
    }
};

QJsonObject readJson(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

GoodsFields goods(int plu, const QString &name)
{
    GoodsFields f;
    f.NPLU = QString::number(plu);
    f.TNAME1 = name;
    f.PRICE = QStringLiteral("1999");
    return f;
}

} // namespace

TEST(ScaleSim, TcpExchangeIsLoggedAndDumped)
{
    QTemporaryDir dir;
    const QString dump = dir.filePath(QStringLiteral("scale.json"));
    Sim sim({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--dump"), dump, QStringLiteral("--log")});
    ASSERT_TRUE(sim.firstLine().startsWith(QStringLiteral("port "))) << sim.firstLine().toStdString();
    ASSERT_GT(sim.port(), 0);

    Client c(sim.port());
    EXPECT_EQ(c.ask(kPoll, 1), QByteArray(1, char(0x80)));
    EXPECT_EQ(c.ask(buildGoodsRecord(goods(7, QStringLiteral("Сир")), nullptr), 1), QByteArray(1, char(0xAA)));

    // The dump is written before the acknowledgement leaves.
    const QJsonArray stored = readJson(dump).value(QStringLiteral("goods")).toArray();
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.at(0).toObject().value(QStringLiteral("plu")).toInt(), 7);
    EXPECT_EQ(stored.at(0).toObject().value(QStringLiteral("name1")).toString(), QStringLiteral("Сир"));
    EXPECT_EQ(stored.at(0).toObject().value(QStringLiteral("price")).toString(), QStringLiteral("1999"));

    c.ask(kPoll, 1);
    const QByteArray reply = c.ask(buildGoodsReadRequest(7), 102);
    EXPECT_EQ(reply.size(), 102);
    EXPECT_EQ(decodeGoodsReply(reply).TNAME1, QStringLiteral("Сир"));
    c.ask(kPoll, 1);
    EXPECT_EQ(c.ask(buildGoodsReadRequest(8), 1), QByteArray(1, char(0xEE)));

    EXPECT_TRUE(test::waitFor([&] { return sim.logLines().size() >= 3; }));
    EXPECT_EQ(sim.logLines(), (QStringList{QStringLiteral("stored goods 7"), QStringLiteral("read goods 7"),
                                           QStringLiteral("read goods 8 refused")}));
}

TEST(ScaleSim, ReadyPrefixAndSplitAnswers)
{
    Sim sim({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--ready-prefix"), QStringLiteral("--split"),
             QStringLiteral("5")});
    Client c(sim.port());
    EXPECT_EQ(c.ask(kPoll, 2), QByteArray("\x01\x80", 2));
    // 103 pieces over half a second: only a stalled reader could see them as one.
    c.ask(QByteArray(1, char(0x97)), 513);
    EXPECT_EQ(c.received.size(), 513);
    EXPECT_GT(c.reads, 1) << "the logo reply came in one piece";
}

TEST(ScaleSim, DropsAfterNRequestsAndTakesTheNextConnection)
{
    Sim sim({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--drop-after"), QStringLiteral("2")});
    {
        Client c(sim.port());
        c.ask(kPoll, 1);
        c.ask(buildGoodsRecord(goods(3, QStringLiteral("one")), nullptr), 1);
        c.ask(kPoll, 1);
        EXPECT_EQ(c.ask(buildGoodsReadRequest(3), 102).size(), 102);
        EXPECT_TRUE(test::waitFor([&] { return c.socket.state() == QAbstractSocket::UnconnectedState; }))
            << "not closed after two requests";
    }
    Client again(sim.port());
    again.ask(kPoll, 1);
    EXPECT_EQ(decodeGoodsReply(again.ask(buildGoodsReadRequest(3), 102)).TNAME1, QStringLiteral("one"))
        << "what it holds outlives a connection";
}

TEST(ScaleSim, SilentAndGarbage)
{
    {
        Sim sim({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--silent")});
        Client c(sim.port());
        c.socket.write(kPoll);
        test::processEventsFor(300);
        EXPECT_TRUE(c.received.isEmpty());
    }
    {
        Sim sim({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--garbage")});
        Client c(sim.port());
        const QByteArray answer = c.ask(kPoll, 1);
        ASSERT_EQ(answer.size(), 1);
        EXPECT_NE(answer.at(0), char(0x80));
    }
}

TEST(ScaleSim, AckDelayHoldsTheAnswerBack)
{
    Sim sim({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--ack-delay"), QStringLiteral("300")});
    Client c(sim.port());
    c.ask(kPoll, 1);
    c.received.clear();
    c.socket.write(QByteArray(1, char(0x95)));
    test::processEventsFor(100);
    EXPECT_TRUE(c.received.isEmpty()) << "answered before the delay";
    EXPECT_TRUE(test::waitFor([&] { return c.received.size() == 10; }));
}

TEST(ScaleSim, LoadsAFileAndDumpsOnTerminate)
{
    QTemporaryDir dir;
    const QString load = dir.filePath(QStringLiteral("in.json"));
    const QString dump = dir.filePath(QStringLiteral("out.json"));
    {
        QFile f(load);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"({"goods": [{"plu": 12, "name1": "Loaded", "count": 4}], "state": {"grams": 1500}})");
    }
    Sim sim({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--load"), load, QStringLiteral("--dump"),
             dump});
    Client c(sim.port());
    c.ask(kPoll, 1);
    const GoodsReplyFields g = decodeGoodsReply(c.ask(buildGoodsReadRequest(12), 102));
    EXPECT_EQ(g.TNAME1, QStringLiteral("Loaded"));
    EXPECT_EQ(g.OCOUNTPROD, QStringLiteral("4"));
    c.ask(kPoll, 1);
    c.ask(QByteArray("\x99\x00\x05\x00\x03\x02\x04", 7), 1);

    QFile::remove(dump);
    sim.process().terminate();
    ASSERT_TRUE(sim.process().waitForFinished(60000));
    EXPECT_EQ(sim.process().exitStatus(), QProcess::NormalExit);
    const QJsonObject out = readJson(dump);
    EXPECT_EQ(out.value(QStringLiteral("date")).toString(), QStringLiteral("05.03.24"));
    EXPECT_EQ(out.value(QStringLiteral("state")).toObject().value(QStringLiteral("grams")).toInt(), 1500);
    EXPECT_EQ(out.value(QStringLiteral("goods")).toArray().size(), 1);
}

TEST(ScaleSim, RefusesABadCommandLine)
{
    for (const QStringList &args :
         {QStringList{}, QStringList{QStringLiteral("--port"), QStringLiteral("x")},
          QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--pty")},
          QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--baud"), QStringLiteral("9600")},
          QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--load"),
                      QStringLiteral("/nonexistent/file.json")}}) {
        QProcess p;
        p.start(test::binDir() + QStringLiteral("/tevo-scalesim"), args);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_NE(p.exitCode(), 0) << args.join(QLatin1Char(' ')).toStdString();
    }
}

namespace {

// The slave side of a simulator's pseudo-terminal in raw mode, as a serial port is opened.
int openRawLine(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return fd;
    termios tio{};
    ::tcgetattr(fd, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(fd, TCSANOW, &tio);
    return fd;
}

// Writes the bytes and reads until `count` bytes have come (or 5 s pass without any).
QByteArray askLine(int fd, const QByteArray &out, int count)
{
    EXPECT_EQ(::write(fd, out.constData(), static_cast<size_t>(out.size())), out.size());
    QByteArray in;
    while (in.size() < count) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 5000) <= 0)
            break;
        char buffer[1024];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        in.append(buffer, static_cast<int>(n));
    }
    return in;
}

} // namespace

TEST(ScaleSim, PseudoTerminalAtALineSpeedTakesAndSendsEachByteInItsTime)
{
    // 1200 bit/s, 10 bits a byte: 8.3 ms a byte each way.
    Sim sim({QStringLiteral("--pty"), QStringLiteral("--baud"), QStringLiteral("1200")});
    const int fd = openRawLine(sim.firstLine().toLocal8Bit());
    ASSERT_GE(fd, 0);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(askLine(fd, kPoll, 1), QByteArray(1, char(0x80)));
    const qint64 ready = clock.restart();
    EXPECT_EQ(askLine(fd, buildGoodsRecord(goods(1, QStringLiteral("line")), nullptr), 1), QByteArray(1, char(0xAA)));
    const qint64 ack = clock.elapsed();
    EXPECT_GE(ready, 16) << "the poll in, the ready answer out";
    EXPECT_GE(ack, 86 * 10 * 1000 / 1200) << "85 bytes in, one out";
    EXPECT_LT(ack, 3000);
    ::close(fd);
}

TEST(ScaleSim, PseudoTerminal)
{
    Sim sim({QStringLiteral("--pty")});
    const QByteArray path = sim.firstLine().toLocal8Bit();
    ASSERT_TRUE(path.startsWith("/dev/pts/")) << path.constData();
    const int fd = openRawLine(path);
    ASSERT_GE(fd, 0);

    auto ask = [fd](const QByteArray &out, int count) { return askLine(fd, out, count); };
    EXPECT_EQ(ask(kPoll, 1), QByteArray(1, char(0x80)));
    EXPECT_EQ(ask(buildGoodsRecord(goods(1, QStringLiteral("pty")), nullptr), 1), QByteArray(1, char(0xAA)));
    EXPECT_EQ(ask(kPoll, 1), QByteArray(1, char(0x80)));
    EXPECT_EQ(decodeGoodsReply(ask(buildGoodsReadRequest(1), 102)).TNAME1, QStringLiteral("pty"));
    ::close(fd);

    // A second user of the line finds the scale still there.
    const int again = openRawLine(path);
    ASSERT_GE(again, 0);
    EXPECT_EQ(::write(again, "\x01", 1), 1);
    pollfd p{again, POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 5000), 1);
    char b = 0;
    EXPECT_EQ(::read(again, &b, 1), 1);
    EXPECT_EQ(b, char(0x80));
    ::close(again);
}
