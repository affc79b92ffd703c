// Faults during exchanges: scales that drop the line, answer junk, vanish, acknowledge twice or
// stay silent, and many scales at once. The program must never crash or hang, the stop must
// always work, and the write's end text comes only when every selected scale acknowledged
// every record.
#include "EngineFixture.h"

#include "common/AppPaths.h"
#include "store/ScaleLedger.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtEndian>
#include <functional>

using namespace tevo;
using namespace tevo::test;

namespace {

const QString kWriteDone = QStringLiteral("Все PLU успешно записаны в весы %1");

bool anySuccess(const QStringList &shown)
{
    for (const QString &t : shown)
        if (t.startsWith(QStringLiteral("Все PLU успешно записаны")))
            return true;
    return false;
}

// A scale on loopback TCP that answers a poll with 0x80 and every goods write with two 0xAA,
// the second a little later than the first. It counts the records it took by PLU.
class DoubleAckScale : public QObject {
public:
    DoubleAckScale()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, this, [this, s] { take(s); });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    quint16 port() const { return m_server.serverPort(); }
    QList<int> records;

private:
    void take(QTcpSocket *s)
    {
        QByteArray &buf = m_buffers[s];
        buf += s->readAll();
        while (!buf.isEmpty()) {
            const uchar b = static_cast<uchar>(buf.at(0));
            if (b == 0x01) {
                buf.remove(0, 1);
                s->write("\x80", 1);
            } else if (b == 0x82) {
                if (buf.size() < 85)
                    return;
                // The goods number: four little-endian bytes after the command byte.
                records << qFromLittleEndian<qint32>(buf.constData() + 1);
                buf.remove(0, 85);
                s->write("\xAA", 1);
                s->flush();
                QPointer<QTcpSocket> guard(s);
                QTimer::singleShot(3, this, [guard] {
                    if (guard && guard->state() == QAbstractSocket::ConnectedState)
                        guard->write("\xAA", 1);
                });
            } else {
                buf.remove(0, 1);
                s->write("\xEE", 1);
            }
        }
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

} // namespace

TEST_F(EngineTest, ScaleThatDropsTheLineMidWriteIsCalledAgainAndTakesEveryRecord)
{
    SimScale &sim = addTcpScale({QStringLiteral("--drop-after"), QStringLiteral("4")});
    nameGoods(store->goods(), 1, 12);
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-12")));
    const bool ended = waitEnded(60000);
    if (ended) {
        EXPECT_EQ(sim.storedGoodsNumbers(), numbersFrom(1, 12));
        EXPECT_EQ(messagesShown, QStringList{kWriteDone.arg(12)});
    } else {
        ADD_FAILURE() << "the write did not end; the scale holds "
                      << sim.storedGoodsNumbers().join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(anySuccess(messagesShown));
    }
    engine->stop();
    EXPECT_FALSE(engine->isRunning());
}

TEST_F(EngineTest, ScaleThatAnswersJunkNeverGetsASuccessAndStopWorks)
{
    SimScale &sim = addTcpScale({QStringLiteral("--garbage")});
    nameGoods(store->goods(), 1, 3);
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-3")));
    processEventsFor(1200);
    EXPECT_FALSE(anySuccess(messagesShown));
    EXPECT_EQ(ended, 0);
    EXPECT_FALSE(packetsLogged.isEmpty());           // the junk did arrive and was looked at
    EXPECT_TRUE(sim.storedGoodsNumbers().isEmpty()); // never ready, so never sent a record
    engine->stop();
    EXPECT_FALSE(engine->isRunning());
    EXPECT_EQ(channels->socket(0)->state(), QAbstractSocket::UnconnectedState);
    processEventsFor(200);
    EXPECT_FALSE(anySuccess(messagesShown));
}

TEST_F(EngineTest, SerialScaleWhoseTerminalVanishesMidWriteNeitherCrashesNorHangs)
{
    SimScale &sim = addSerialScale(1, {QStringLiteral("--ack-delay"), QStringLiteral("20")});
    nameGoods(store->goods(), 1, 100);
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-100")));
    ASSERT_TRUE(waitFor([&] { return sim.storedGoodsNumbers().size() >= 3; }, 10000));
    sim.kill();
    QElapsedTimer clock;
    clock.start();
    processEventsFor(800);
    EXPECT_LT(clock.elapsed(), 3000); // the event loop kept turning
    EXPECT_FALSE(anySuccess(messagesShown));
    engine->stop();
    EXPECT_FALSE(engine->isRunning());
    processEventsFor(200);
    EXPECT_FALSE(anySuccess(messagesShown));
    EXPECT_LT(sim.storedGoodsNumbers().size(), 100);
}

TEST_F(EngineTest, ScaleThatAcknowledgesTwiceDoesNotHurryTheOtherScale)
{
    DoubleAckScale twice;
    addScaleRow(QStringLiteral("127.0.0.1"), twice.port(), true);
    SimScale &normal = addTcpScale({QStringLiteral("--ack-delay"), QStringLiteral("15")});
    nameGoods(store->goods(), 1, 10);
    QStringList heldAtSuccess;
    QObject::connect(exchange.get(), &ScaleExchange::notice, [&](const Notice &n) {
        if (n.kind == Notice::Kind::Plain)
            heldAtSuccess = normal.storedGoodsNumbers();
    });
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-10")));
    ASSERT_TRUE(waitEnded(15000));
    EXPECT_EQ(messagesShown, QStringList{kWriteDone.arg(10)});
    EXPECT_EQ(heldAtSuccess, numbersFrom(1, 10));
    EXPECT_EQ(normal.storedGoodsNumbers(), numbersFrom(1, 10));
    for (int n = 1; n <= 10; ++n)
        EXPECT_TRUE(twice.records.contains(n)) << n;
    processEventsFor(100);
    EXPECT_EQ(messagesShown.size(), 1);
}

TEST_F(EngineTest, TwoSilentScalesOfThreeNeverGetASuccessAndStopClosesEveryChannel)
{
    SimScale &answering = addTcpScale();
    addTcpScale({QStringLiteral("--silent")});
    addTcpScale({QStringLiteral("--silent")});
    nameGoods(store->goods(), 1, 5);
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-5")));
    // The answering scale is held back by nobody.
    ASSERT_TRUE(waitFor([&] { return answering.storedGoodsNumbers() == numbersFrom(1, 5); }, 5000));
    processEventsFor(300);
    EXPECT_FALSE(anySuccess(messagesShown));
    EXPECT_EQ(ended, 0);
    engine->stop();
    EXPECT_FALSE(engine->isRunning());
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(channels->socket(n)->state(), QAbstractSocket::UnconnectedState) << n;
    processEventsFor(200);
    EXPECT_FALSE(anySuccess(messagesShown));
}

TEST_F(EngineTest, TenScalesTcpAndSerialTakeAHundredGoodsEach)
{
    for (int n = 0; n < 7; ++n)
        addTcpScale();
    for (int com = 1; com <= 3; ++com)
        addSerialScale(com);
    ASSERT_EQ(engine->selectedScaleCount(), 10);
    nameGoods(store->goods(), 1, 100);
    engine->setPollInterval(5);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-100")));
    ASSERT_TRUE(waitEnded(60000));
    const qint64 took = clock.elapsed();
    EXPECT_EQ(messagesShown, QStringList{kWriteDone.arg(100)});
    for (size_t i = 0; i < sims.size(); ++i)
        EXPECT_EQ(sims[i]->storedGoodsNumbers(), numbersFrom(1, 100)) << "scale " << i + 1;
    RecordProperty("write_ms", static_cast<int>(took));
    std::printf("ten scales, 100 goods: %lld ms\n", static_cast<long long>(took));
}

TEST_F(EngineTest, GoodsReadIntoALockedDatabaseStopsWithTheErrorAndKeepsTheRows)
{
    TEVO_SQLITE_FILE_ONLY("another program's lock on the file");
    const QString load = writeLoadFile(R"({"goods":[{"plu":1,"name1":"Молоко"},{"plu":2,"name1":"Сыр"}]})");
    addTcpScale({}, load);
    store->goods().setValue(0, QStringLiteral("TNAME1"), QStringLiteral("старое"));
    store->database().commitNow();
    const QString otherName = QStringLiteral("other-process");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), otherName);
        other.setDatabaseName(dir->databasePath());
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        ASSERT_TRUE(goods->startGoodsRead(QStringLiteral("1-2")));
        ASSERT_TRUE(waitEnded(15000));
        processEventsFor(100);
        EXPECT_FALSE(messagesShown.contains(QStringLiteral("Запрошенные PLU успешно считаны")));
        ASSERT_FALSE(errorsShown.isEmpty());
        EXPECT_TRUE(errorsShown.last().contains(QStringLiteral("locked"), Qt::CaseInsensitive))
            << errorsShown.join(QLatin1Char('|')).toStdString();
        EXPECT_FALSE(engine->isRunning());
        EXPECT_EQ(store->goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("старое"));
        ASSERT_TRUE(lock.exec(QStringLiteral("ROLLBACK")));
        lock.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(otherName);
    store->goods().refresh();
    EXPECT_EQ(store->goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("старое"));
    EXPECT_EQ(store->goods().text(1, QStringLiteral("TNAME1")), QString());
}

TEST_F(EngineTest, EachChannelFaultIsNamedAtTheStartAndTheOtherScalesGoOn)
{
    TEVO_SQLITE_FILE_ONLY("a PORT that is not a number is stored as SQLite keeps any text");
    auto mapPort = [this](const QString &name, const QString &device) {
        QByteArray ini = dir->readFile(QLatin1String(kSerialPortsFileName));
        if (ini.isEmpty())
            ini = "[Ports]\r\n";
        dir->writeFile(QLatin1String(kSerialPortsFileName), ini + QStringLiteral("%1=%2\r\n").arg(name, device).toUtf8());
    };
    auto setPort = [this](const QString &sqlValue) {
        store->database().commitNow();
        execOn(dir->database(),
               {QStringLiteral("UPDATE S SET PORT = %1 WHERE NAME = 'Весы %2'").arg(sqlValue).arg(store->scales().count())});
        store->scales().refresh();
    };
    dir->writeFile(QStringLiteral("plain-file"), "not a terminal");
    struct Case {
        const char *what;
        // Adds the good scales, then the faulty row last; returns part of the text that names why.
        std::function<QString()> addRows;
    };
    const QString tcpPortRule = QStringLiteral("номер порта TCP должен быть целым числом от 1 до 65535");
    const std::vector<Case> cases = {
        {"a serial port whose device does not exist",
         [&] {
             addTcpScale();
             mapPort(QStringLiteral("COM5"), dir->file(QStringLiteral("no-such-tty")));
             addScaleRow(QStringLiteral("COM5"), 9600, true);
             return QStringLiteral("порт COM5: нет устройства ") + dir->file(QStringLiteral("no-such-tty"));
         }},
        {"a serial port that cannot be opened",
         [&] {
             addTcpScale();
             mapPort(QStringLiteral("COM6"), dir->file(QStringLiteral("plain-file")));
             addScaleRow(QStringLiteral("COM6"), 9600, true);
             return QStringLiteral("порт COM6 (%1) не открывается").arg(dir->file(QStringLiteral("plain-file")));
         }},
        {"a line speed the driver lacks",
         [&] {
             addTcpScale();
             addScaleRow(QStringLiteral("COM4"), 12345, true);
             return QStringLiteral("скорость линии «12345»");
         }},
        {"an address that is neither IPv4 nor COM",
         [&] {
             addTcpScale();
             addScaleRow(QStringLiteral("scale-1"), 5001, true);
             return QStringLiteral("«scale-1» — это не IP-адрес");
         }},
        {"the port of another scale + 65536",
         [&] {
             const int port = addTcpScale().port() + 65536;
             addScaleRow(QStringLiteral("127.0.0.1"), port, true);
             return QStringLiteral("порт «%1» — ").arg(port) + tcpPortRule;
         }},
        {"port -1",
         [&] {
             addTcpScale();
             addScaleRow(QStringLiteral("127.0.0.1"), -1, true);
             return QStringLiteral("порт «-1» — ") + tcpPortRule;
         }},
        {"a port that is text, which the table reads as 0",
         [&] {
             addTcpScale();
             addScaleRow(QStringLiteral("127.0.0.1"), 1, true);
             setPort(QStringLiteral("'abc'"));
             return QStringLiteral("порт «0» — ") + tcpPortRule;
         }},
        {"no port",
         [&] {
             addTcpScale();
             addScaleRow(QStringLiteral("127.0.0.1"), 1, true);
             setPort(QStringLiteral("NULL"));
             return QStringLiteral("порт TCP (PORT) не указан");
         }},
        {"the address and port of another row",
         [&] {
             const int port = addTcpScale().port();
             addScaleRow(QStringLiteral("127.0.0.1"), port, true);
             return QStringLiteral("127.0.0.1:%1 — этот адрес и порт уже у строки 1 «Весы 1»").arg(port);
         }},
        {"the serial port of another row",
         [&] {
             addSerialScale(3);
             addScaleRow(QStringLiteral("com3"), 9600, true);
             return QStringLiteral("«com3» — это тот же последовательный порт");
         }},
        {"COM0, which is COM1, beside COM1",
         [&] {
             addSerialScale(1);
             addScaleRow(QStringLiteral("COM0"), 9600, true);
             return QStringLiteral("«COM0» — это тот же последовательный порт");
         }},
        {"a TCP row past the tenth",
         [&] {
             addTcpScale();
             for (int n = 2; n <= 10; ++n)
                 addScaleRow(QStringLiteral("127.0.0.1"), 1, false);
             addScaleRow(QStringLiteral("127.0.0.2"), 5001, true);
             return QStringLiteral("в обмене участвуют только первые 10 весов списка");
         }},
    };
    nameGoods(store->goods(), 1, 3);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        newCase();
        const QString reason = c.addRows();
        const int faulty = store->scales().count();
        ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-3")));
        // Named at once, in the scale's own line; the others are under way.
        const ScaleStatus at = engine->status(faulty);
        EXPECT_TRUE(at.unreachable.contains(reason)) << at.unreachable.toStdString();
        EXPECT_TRUE(scaleLine(at, CommandState::GoodsWrite).contains(reason));
        ASSERT_TRUE(waitEnded());
        for (const auto &sim : sims)
            EXPECT_EQ(sim->storedGoodsNumbers(), numbersFrom(1, 3));
        EXPECT_FALSE(lastReport.complete());
        EXPECT_EQ(lastReport.scales.last().unreachable, at.unreachable);
        ASSERT_EQ(warningsShown.size(), 1);
        EXPECT_TRUE(warningsShown.first().contains(QStringLiteral("Весы «Весы %1» (%2) в строке %1 недоступны: ")
                                                       .arg(faulty)
                                                       .arg(ScaleLedger::addressOf(store->scales(), faulty - 1))
                                                   + reason))
            << warningsShown.first().toStdString();
        EXPECT_TRUE(messagesShown.isEmpty());
        // The error box of the start says it too.
        ASSERT_EQ(errorsShown.size(), 1);
        EXPECT_TRUE(errorsShown.first().contains(reason)) << errorsShown.first().toStdString();
    }

    // When no scale can be reached the exchange ends at once (the window waits for no silence).
    newCase();
    addScaleRow(QStringLiteral("scale-1"), 5001, true);
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-3")));
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(lastReport.end, ExchangeReport::End::Finished);
    ASSERT_EQ(warningsShown.size(), 1);
    EXPECT_TRUE(warningsShown.first().startsWith(
        QStringLiteral("Весы «Весы 1» (scale-1:5001) в строке 1 недоступны: «scale-1»")));
}
