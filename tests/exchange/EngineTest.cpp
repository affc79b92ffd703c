// The exchange engine against simulated scales over loopback TCP and pseudo-terminals.
#include "EngineFixture.h"

#include "exchange/PacketLogLine.h"
#include "serial/TComm32.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

using namespace tevo;
using namespace tevo::test;

namespace {

// A command of the test's own that counts the requests the engine builds and keeps gathering.
class CountingCommand : public ExchangeCommand {
public:
    int requests = 0;
    bool stepDone = false; // every reply finishes the step
    QList<QByteArray> replies;
    QByteArray buildRequest(CommandState, int) override
    {
        ++requests;
        return QByteArray(1, '\x42');
    }
    StepOutcome takeReply(CommandState, int, const QByteArray &reply) override
    {
        replies << reply;
        return stepDone ? StepOutcome::StepDone : StepOutcome::Incomplete;
    }
};

ExchangePlan countingPlan(CountingCommand &command)
{
    ExchangePlan plan;
    plan.command = &command;
    plan.steps = {CommandState::LogoWrite};
    return plan;
}

} // namespace

TEST_F(EngineTest, ReadyAnswerIsALone0x80OrASecondByte0x80AndOnlyOneRequestIsOut)
{
    addTcpScale({QStringLiteral("--silent")});
    CountingCommand command;
    command.stepDone = true;
    ExchangePlan plan = countingPlan(command);
    plan.steps = {CommandState::LogoWrite, CommandState::LogoWrite, CommandState::LogoWrite};
    ASSERT_TRUE(engine->start(plan));

    engine->HandleReply(QByteArray("\x80", 1), 1);
    EXPECT_EQ(command.requests, 1);
    engine->HandleReply(QByteArray("\x01\x80", 2), 1);
    EXPECT_EQ(command.requests, 1) << "a late ready answer while the request is out sends no copy";
    engine->HandleReply(QByteArray("\xAA", 1), 1);
    ASSERT_EQ(command.replies.size(), 1);
    engine->HandleReply(QByteArray("\x80\x01", 2), 1);
    EXPECT_EQ(command.requests, 1) << "0x80 0x01 is not a ready answer";
    engine->HandleReply(QByteArray("\x05", 1), 1);
    EXPECT_EQ(command.requests, 1);
    engine->HandleReply(QByteArray(), 1);
    EXPECT_EQ(command.requests, 1);
    engine->HandleReply(QByteArray("\x01\x80", 2), 1);
    EXPECT_EQ(command.requests, 2) << "0x01 0x80 is a ready answer";
    engine->HandleReply(QByteArray("\x80\x01\x80\xAA", 4), 1);
    ASSERT_EQ(command.replies.size(), 2) << "late ready answers before the acknowledgement are passed over";
    EXPECT_EQ(command.replies.last(), QByteArray("\xAA", 1));
    EXPECT_EQ(packetsLogged.size(), 8) << "every packet is logged, the empty one too";
}

TEST_F(EngineTest, AcknowledgementStopsPollingAndPassesTheReplyOn)
{
    addTcpScale({QStringLiteral("--silent")});
    CountingCommand command;
    ASSERT_TRUE(engine->start(countingPlan(command)));
    engine->HandleReply(QByteArray("\xAA", 1), 1);
    EXPECT_TRUE(command.replies.isEmpty()) << "no request was outstanding";
    engine->HandleReply(QByteArray("\x80", 1), 1);
    EXPECT_EQ(engine->pollRows(), QVector<int>{}) << "no polls while the request is out";
    engine->HandleReply(QByteArray("\xAA\x01\x02", 3), 1);
    EXPECT_FALSE(engine->pollTimerActive()) << "no polls while the reply comes";
    EXPECT_EQ(engine->pollRows(), QVector<int>{});
    ASSERT_EQ(command.replies.size(), 1);
    EXPECT_EQ(command.replies.first(), QByteArray("\xAA\x01\x02", 3));
    engine->HandleReply(QByteArray("\xEE\x80", 2), 1);
    ASSERT_EQ(command.replies.size(), 2);
    EXPECT_EQ(command.replies.last(), QByteArray("\xAA\x01\x02\xEE\x80", 5)) << "gathered, not a refusal or ready";
}

TEST_F(EngineTest, PiecesOfAnAcceptedReadAreNeverTakenForRefusalOrAcknowledgement)
{
    // A goods read split after 11 bytes of a name that begins with "ю" (0xEE on the scale).
    addTcpScale({QStringLiteral("--silent")});
    ASSERT_TRUE(goods->startGoodsRead(QStringLiteral("7")));
    engine->HandleReply(QByteArray("\x80", 1), 1);
    QByteArray reply(102, '\0');
    reply[0] = char(0xAA);
    reply[11] = char(0xEE); // "ю"
    reply[12] = char(0xAA); // "к" … whatever; must stay text
    engine->HandleReply(reply.left(11), 1);
    engine->HandleReply(reply.mid(11, 40), 1);
    engine->HandleReply(reply.mid(51), 1);
    EXPECT_TRUE(errorsShown.isEmpty()) << errorsShown.join('\n').toStdString();
    EXPECT_EQ(store->goods().text(6, QStringLiteral("TNAME1")).left(1), QStringLiteral("ю"));
    EXPECT_EQ(messagesShown, QStringList{QStringLiteral("Запрошенные PLU успешно считаны")});
}

TEST_F(EngineTest, PacketLogLinesShowCountAndDigits)
{
    EXPECT_EQ(packetLogLine(QByteArray("\xAA\x00\x05", 3)), QStringLiteral("Get[3]: Є05"));
    EXPECT_EQ(packetLogLine(QByteArray()), QStringLiteral("Get[0]: "));
    EXPECT_EQ(packetLogLine(QByteArray("a\r\nb", 4)), QStringLiteral("Get[4]: a\r\nb"));
    EXPECT_EQ(packetLogLine(QByteArray(401, '\x07')).size(), QStringLiteral("Get[401]: ").size() + 401);
    // The log's line: that text first, then the scale and the bytes in hex.
    const struct {
        QByteArray block;
        QString scale, line;
    } lines[] = {
        {QByteArray("\xAA\x00\x05", 3), QStringLiteral("Касса 1"), QStringLiteral("Get[3]: Є05    «Касса 1»: AA 00 05")},
        {QByteArray(), QStringLiteral("Весы 2"), QStringLiteral("Get[0]:     «Весы 2»: ")},
        {QByteArray("a\r\nb", 4), QStringLiteral("К"), QStringLiteral("Get[4]: a\r\nb    «К»: 61 0D 0A 62")},
        {QByteArray("\x80\xFF", 2), QStringLiteral("x"), QStringLiteral("Get[2]: Ђя    «x»: 80 FF")},
    };
    for (const auto &l : lines)
        EXPECT_EQ(packetLogLine(l.block, l.scale), l.line);
}

TEST_F(EngineTest, WriteOverTcpRunsPollReadyRequestAcknowledgement)
{
    SimScale &sim = addTcpScale();
    store->goods().setValues(11, {{QStringLiteral("TNAME1"), QStringLiteral("Сир")}, {QStringLiteral("PRICE"), 150000}});
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("12")));
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(messagesShown, QStringList{QStringLiteral("Все PLU успешно записаны в весы 1")});
    const QJsonObject g = sim.goods(12);
    EXPECT_EQ(g.value(QStringLiteral("name1")).toString(), QStringLiteral("Сир"));
    EXPECT_EQ(g.value(QStringLiteral("price")).toString(), QStringLiteral("150000"));
    // The log holds the ready answers and the acknowledgement.
    QStringList lines;
    for (const QByteArray &p : packetsLogged)
        lines << packetLogLine(p);
    // A scale polled twice on a slow tick may have both ready answers read as one block.
    const QRegularExpression readyOnly(QStringLiteral("^Get\\[\\d+\\]: \u0402+$"));
    EXPECT_TRUE(lines.indexOf(readyOnly) >= 0) << lines.join('|').toStdString();
    EXPECT_EQ(packetScales, QList<int>(packetsLogged.size(), 1)) << "each packet tells the scale it came from";
}

TEST_F(EngineTest, WriteOverAPseudoTerminalThroughThePortsFile)
{
    SimScale &sim = addSerialScale(3);
    store->goods().setValue(4, QStringLiteral("TNAME1"), QStringLiteral("Їжак"));
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("5")));
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(sim.goods(5).value(QStringLiteral("name1")).toString(), QStringLiteral("Їжак"));
}

TEST_F(EngineTest, TwoByteReadyAnswerFromTheScaleWorks)
{
    SimScale &sim = addTcpScale({QStringLiteral("--ready-prefix")});
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("3")));
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(sim.storedGoodsNumbers(), QStringList{QStringLiteral("3")});
}

TEST_F(EngineTest, GroupRuleSkipsGoodsNoSelectedScaleTakesAndTheWriteEndsWithItsText)
{
    SimScale &sim = addTcpScale({}, {}, true, QStringLiteral("meat"));
    store->goods().setValue(0, QStringLiteral("SG"), QStringLiteral("fish"));
    store->goods().setValue(1, QStringLiteral("SG"), QStringLiteral("Meat"));
    store->goods().setValue(2, QStringLiteral("SG"), QStringLiteral("fish"));
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-3")));
    ASSERT_TRUE(waitEnded(10000));
    EXPECT_EQ(sim.storedGoodsNumbers(), QStringList{QStringLiteral("2")});
    // The last record taken by no scale ends the write like any other.
    EXPECT_EQ(messagesShown, QStringList{QStringLiteral("Все PLU успешно записаны в весы 1")});
    EXPECT_EQ(lastReport.scales.value(0).skipped, 2);
}

TEST_F(EngineTest, GroupRuleDoesNotSteerOtherCommands)
{
    SimScale &sim = addTcpScale({}, {}, true, QStringLiteral("meat"));
    store->goods().setValue(0, QStringLiteral("SG"), QStringLiteral("fish"));
    store->goods().first();
    store->messages().setValue(1, QStringLiteral("M1"), QStringLiteral("Акция"));
    ASSERT_TRUE(messages->startMessagesWrite(QStringLiteral("2")));
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(messagesShown, QStringList{QStringLiteral("Все сообщения успешно записаны")});
    EXPECT_EQ(sim.dump().value(QStringLiteral("messages")).toArray().size(), 1);
}

TEST_F(EngineTest, SettingsWriteFirstPollReachesEveryRow)
{
    addTcpScale({QStringLiteral("--silent")}, {}, true);
    addTcpScale({}, {}, false);
    ASSERT_TRUE(commands->startSettingsWrite());
    EXPECT_EQ(engine->pollRows(), (QVector<int>{0, 1}));
    ASSERT_TRUE(waitFor([&] { return engine->pollRows() == QVector<int>{0}; }, 2000)) << "one-shot";
}

TEST_F(EngineTest, ConnectionCheckMarksTheScalesThatAnswer)
{
    addTcpScale();
    addTcpScale({QStringLiteral("--silent")});
    addTcpScale();
    check->start();
    ASSERT_TRUE(waitFor([&] { return !informationShown.isEmpty(); }, 5000));
    EXPECT_EQ(informationShown.first(), QStringLiteral("Проверка связи окончена. Обнаружено включеных 2 весов."));
    Table &s = store->scales();
    EXPECT_EQ(s.text(0, QStringLiteral("W")), QStringLiteral("T"));
    EXPECT_EQ(s.text(1, QStringLiteral("W")), QStringLiteral("F"));
    EXPECT_EQ(s.text(2, QStringLiteral("W")), QStringLiteral("T"));
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(s.text(r, QStringLiteral("U")), QStringLiteral("F"));
    EXPECT_FALSE(check->isRunning());
}

TEST_F(EngineTest, ConnectionCheckOfAnEmptyListReportsNone)
{
    check->start();
    ASSERT_TRUE(waitFor([&] { return !informationShown.isEmpty(); }, 5000));
    EXPECT_EQ(informationShown.first(), QStringLiteral("Проверка связи окончена. Обнаружено включеных 0 весов."));
}

TEST_F(EngineTest, NoExchangeStartsWhileAConnectionCheckRuns)
{
    addTcpScale();
    check->start();
    EXPECT_FALSE(goods->StartGoodsWrite(QStringLiteral("1")));
    ASSERT_FALSE(errorsShown.isEmpty());
    EXPECT_TRUE(errorsShown.last().contains(QStringLiteral("проверка связи")));
    ASSERT_TRUE(waitFor([&] { return !informationShown.isEmpty(); }, 5000));
}

TEST_F(EngineTest, StopClosesTheChannels)
{
    addTcpScale({QStringLiteral("--silent")});
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-10")));
    ASSERT_TRUE(waitFor([&] { return channels->socket(0)->state() == QAbstractSocket::ConnectedState; }));
    engine->stop();
    EXPECT_FALSE(engine->isRunning());
    EXPECT_EQ(channels->socket(0)->state(), QAbstractSocket::UnconnectedState);
}

TEST_F(EngineTest, RefusedConnectionIsReportedOnceNotPerPoll)
{
    // A port nobody listens on.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 deadPort = probe.serverPort();
    probe.close();
    addScaleRow(QStringLiteral("127.0.0.1"), deadPort, true);
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1")));
    processEventsFor(400);
    engine->stop();
    EXPECT_EQ(errorsShown.size(), 1) << errorsShown.join('\n').toStdString();
    // Named by the scale and its port as stored, not by the socket ("CS0 (127.0.0.1:0)").
    ASSERT_FALSE(errorsShown.isEmpty());
    EXPECT_TRUE(errorsShown.first().startsWith(QStringLiteral("Весы «Весы 1» (127.0.0.1:%1): нет связи: ").arg(deadPort)))
        << errorsShown.first().toStdString();
}

TEST_F(EngineTest, AnAddressThatIsNeitherIpNorSerialIsNamedAtTheStart)
{
    addScaleRow(QStringLiteral("scale.local"), 5001, true);
    addScaleRow(QStringLiteral("COM12"), 9600, true);
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1")));
    engine->stop();
    ASSERT_EQ(errorsShown.size(), 1);
    EXPECT_TRUE(errorsShown.first().contains(QStringLiteral("scale.local")));
    EXPECT_TRUE(errorsShown.first().contains(QStringLiteral("COM12")));
}

TEST(ScaleAddress, SerialNamesAndChannels)
{
    EXPECT_TRUE(isSerialAddress(QStringLiteral("com5")));
    EXPECT_TRUE(isSerialAddress(QStringLiteral("xxCoMyy")));
    EXPECT_FALSE(isSerialAddress(QStringLiteral("192.168.0.7")));
    EXPECT_EQ(serialChannelNumber(QStringLiteral("com5")), 5);
    EXPECT_EQ(serialChannelNumber(QStringLiteral("COM0")), 0);
    EXPECT_EQ(serialChannelNumber(QStringLiteral("COM10")), -1);
    EXPECT_EQ(serialChannelNumber(QStringLiteral("xxCOMyy")), -1);
}

TEST_F(EngineTest, BindingFollowsRowPositionsAndSkipsUnselectedRows)
{
    addScaleRow(QStringLiteral("127.0.0.1"), 1, false); // A: TCP, not selected
    addScaleRow(QStringLiteral("COM4"), 9600, true);    // B: serial, selected
    addScaleRow(QStringLiteral("127.0.0.1"), 2, true);  // C: TCP, selected
    channels->OpenChannels(true, false);
    EXPECT_EQ(channels->socketIndex(3), 2);
    EXPECT_EQ(channels->serial(4)->tag(), 2);
    EXPECT_EQ(channels->socket(0)->state(), QAbstractSocket::UnconnectedState);
    EXPECT_EQ(channels->serial(4)->baudRate(), 9600u);
    channels->CloseChannels(false);
}
