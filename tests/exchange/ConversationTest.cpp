// One conversation per scale: refusals per scale and record, scales that answer late or not
// at all, late bytes, and end texts that say what each scale holds.
#include "EngineFixture.h"

#include "commands/ClockPackets.h"

#include <QJsonArray>

using namespace tevo;
using namespace tevo::test;

namespace {

void nameRecords(Store &store, int to)
{
    for (int n = 1; n <= to; ++n) {
        store.goods().setValue(n - 1, QStringLiteral("TNAME1"), QStringLiteral("Товар %1").arg(n));
        store.messages().setValue(n - 1, QStringLiteral("M1"), QStringLiteral("Сообщение %1").arg(n));
    }
}

} // namespace

TEST_F(EngineTest, ARefusedRecordIsSkippedForThatScaleAloneAndNamedAtTheEnd)
{
    const struct {
        const char *what;
        bool messagesWrite;
        QStringList refuse; // options of the second scale
        bool priceChange;
        QStringList secondHolds;
        QString warning;
    } cases[] = {
        {"goods, PLU 3 refused once",
         false,
         {"--refuse-once", "goods:3"},
         false,
         numbersFrom(1, 6, {3}),
         QStringLiteral("Весы «Весы 2» (127.0.0.1:%1) отказались принять PLU: 3")},
        {"messages, message 3 refused once",
         true,
         {"--refuse-once", "messages:3"},
         false,
         numbersFrom(1, 6, {3}),
         QStringLiteral("Весы «Весы 2» (127.0.0.1:%1) отказались принять сообщения: 3")},
        {"\"Изменение цены\" ticked, the last record refused every time",
         false,
         {"--refuse", "goods:5,6"},
         true,
         numbersFrom(1, 4),
         QStringLiteral("Весы «Весы 2» (127.0.0.1:%1) отказались принять PLU: 5-6")},
    };
    nameRecords(*store, 6);
    for (const auto &c : cases) {
        newCase();
        SimScale &first = addTcpScale();
        SimScale &second = addTcpScale(c.refuse);
        engine->setPriceChange(c.priceChange);
        ASSERT_TRUE(c.messagesWrite ? messages->startMessagesWrite(QStringLiteral("1-6"))
                                    : goods->StartGoodsWrite(QStringLiteral("1-6")))
            << c.what;
        ASSERT_TRUE(waitEnded(20000)) << c.what;
        auto held = [&](const SimScale &s) {
            return c.messagesWrite ? s.storedMessageNumbers() : s.storedGoodsNumbers();
        };
        EXPECT_EQ(held(first), numbersFrom(1, 6)) << c.what;
        EXPECT_EQ(held(second), c.secondHolds) << c.what;
        EXPECT_EQ(warningsShown, QStringList{c.warning.arg(second.port())}) << c.what;
        EXPECT_TRUE(messagesShown.isEmpty()) << c.what << ": " << messagesShown.join('|').toStdString();
        // Each record went out from the row of its own number.
        if (c.messagesWrite)
            EXPECT_EQ(second.dump()
                          .value(QStringLiteral("messages"))
                          .toArray()
                          .at(2)
                          .toObject()
                          .value(QStringLiteral("lines"))
                          .toArray()
                          .at(0)
                          .toString(),
                      QStringLiteral("Сообщение 4"));
        else
            EXPECT_EQ(second.goods(4).value(QStringLiteral("name1")).toString(), QStringLiteral("Товар 4")) << c.what;
    }
}

TEST_F(EngineTest, SettingsAndClockReachEveryScaleBeforeTheSuccessText)
{
    const struct {
        const char *what;
        bool clock;
        QStringList secondOptions;
        QString success;
        QString warning;
    } cases[] = {
        {"settings, the second scale 150 ms late",
         false,
         {"--ack-delay", "150"},
         QStringLiteral("Настройки пользователя успешно переданы."),
         {}},
        {"clock, the second scale 150 ms late",
         true,
         {"--ack-delay", "150"},
         QStringLiteral("Дата и время синхронизированы с компьютером."),
         {}},
        {"settings, the second scale refusing the header",
         false,
         {"--refuse", "header"},
         {},
         QStringLiteral("Весы «Весы 2» (127.0.0.1:%1) отказались принять заголовок магазина")},
    };
    host.shopHeader = {QStringLiteral("Рынок"), QStringLiteral("ул. Мира, 1")};
    host.department = QStringLiteral("7");
    ScopedTestClock clock([] { return QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3)); });
    for (const auto &c : cases) {
        newCase();
        SimScale &first = addTcpScale();
        SimScale &second = addTcpScale(c.secondOptions);
        QList<QJsonObject> heldAtTheEnd;
        const auto connection = QObject::connect(exchange.get(), &ScaleExchange::ended, [&] {
            heldAtTheEnd = {first.dump(), second.dump()};
        });
        ASSERT_TRUE(c.clock ? commands->startClockWrite() : commands->startSettingsWrite()) << c.what;
        engine->setPollInterval(20);
        ASSERT_TRUE(waitEnded(20000)) << c.what;
        QObject::disconnect(connection);
        ASSERT_EQ(heldAtTheEnd.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const QJsonObject &held = heldAtTheEnd[i];
            if (c.clock) {
                EXPECT_EQ(held.value(QStringLiteral("date")).toString(), QStringLiteral("05.03.24")) << c.what << i;
                EXPECT_EQ(held.value(QStringLiteral("time")).toString(), QStringLiteral("09:07:03")) << c.what << i;
            } else {
                EXPECT_EQ(held.value(QStringLiteral("settings")).toObject().value(QStringLiteral("department")).toInt(), 7)
                    << c.what << i;
                const QString line1 =
                    held.value(QStringLiteral("header")).toObject().value(QStringLiteral("line1")).toString();
                EXPECT_EQ(line1, i == 1 && !c.warning.isEmpty() ? QString() : QStringLiteral("Рынок")) << c.what << i;
            }
        }
        EXPECT_EQ(messagesShown, c.success.isEmpty() ? QStringList{} : QStringList{c.success}) << c.what;
        EXPECT_EQ(warningsShown, c.warning.isEmpty() ? QStringList{} : QStringList{c.warning.arg(second.port())})
            << c.what;
    }
}

TEST_F(EngineTest, ASilentScaleHoldsNobodyBackIsShownAsNotAnsweringAndStopEndsIt)
{
    nameRecords(*store, 5);
    SimScale &a = addTcpScale();
    SimScale &b = addTcpScale({QStringLiteral("--ack-delay"), QStringLiteral("10")});
    SimScale &silent = addTcpScale({QStringLiteral("--silent")});
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-5")));
    ASSERT_TRUE(waitFor([&] { return engine->status(1).finished && engine->status(2).finished; }, 10000));
    EXPECT_EQ(a.storedGoodsNumbers(), numbersFrom(1, 5));
    EXPECT_EQ(b.storedGoodsNumbers(), numbersFrom(1, 5));
    EXPECT_TRUE(engine->isRunning()) << "the silent scale is still polled";
    EXPECT_EQ(engine->pollRows(), QVector<int>{2});
    ASSERT_TRUE(waitFor([&] { return engine->status(3).silent; }, 4000));
    EXPECT_EQ(scaleLine(engine->status(3), CommandState::GoodsWrite),
              QStringLiteral("Весы «Весы 3» (127.0.0.1:%1): 0 из 5 — не отвечает").arg(silent.port()));
    EXPECT_EQ(scaleLine(engine->status(1), CommandState::GoodsWrite),
              QStringLiteral("Весы «Весы 1» (127.0.0.1:%1): 5 из 5").arg(a.port()));
    EXPECT_EQ(ended, 0);

    engine->stop();
    EXPECT_FALSE(engine->isRunning());
    EXPECT_EQ(lastReport.end, ExchangeReport::End::Stopped);
    EXPECT_EQ(
        scaleLine(lastReport.scales.value(2), lastReport.command),
        QStringLiteral("Весы «Весы 3» (127.0.0.1:%1): 0 из 5 — не ответили ни разу, обмен прекращён").arg(silent.port()));
    EXPECT_TRUE(messagesShown.isEmpty() && warningsShown.isEmpty()) << "a stop shows no box";
    silent.kill(); // it writes what it saw on the way out
    EXPECT_GE(silent.dump().value(QStringLiteral("polls")).toInt(), 20) << "polled all the while";
}

TEST_F(EngineTest, TheSilenceTimeoutEndsASilentScalesPart)
{
    SimScale &answering = addTcpScale();
    const SimScale &silent = addTcpScale({QStringLiteral("--silent")});
    engine->setStepTimeout(500);
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-3")));
    ASSERT_TRUE(waitEnded(5000));
    EXPECT_EQ(answering.storedGoodsNumbers(), numbersFrom(1, 3));
    EXPECT_EQ(lastReport.end, ExchangeReport::End::Finished);
    EXPECT_TRUE(lastReport.scales.value(1).timedOut);
    EXPECT_EQ(warningsShown,
              QStringList{QStringLiteral("Весы «Весы 2» (127.0.0.1:%1) не отвечают: сделано 0 из 3.").arg(silent.port())});
    EXPECT_TRUE(messagesShown.isEmpty());
}

TEST_F(EngineTest, LateBytesAfterAStopOrAnEndChangeNothing)
{
    const QString load = writeLoadFile(R"({"goods":[{"plu":1,"name1":"Молоко"}]})");
    addTcpScale({}, load);
    ASSERT_TRUE(goods->startGoodsRead(QStringLiteral("1")));
    ASSERT_TRUE(waitEnded());
    ASSERT_EQ(messagesShown, QStringList{QStringLiteral("Запрошенные PLU успешно считаны")});
    // A trailing reply after the end: logged, nothing stored, no second end text.
    QByteArray reply(102, '\0');
    reply[0] = char(0xAA);
    reply.replace(11, 4, QByteArray("\xC1\xC1\xC1\xC1", 4));
    const int logged = packetsLogged.size();
    engine->HandleReply(reply, 1);
    engine->HandleReply(QByteArray("\x80", 1), 1);
    EXPECT_EQ(packetsLogged.size(), logged + 2);
    EXPECT_EQ(store->goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("Молоко"));
    EXPECT_EQ(messagesShown.size(), 1);
    EXPECT_EQ(ended, 1);

    // An acknowledgement after "Прекратить обмен с весами": no poll starts again.
    newCase();
    addTcpScale({QStringLiteral("--silent")});
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-3")));
    engine->HandleReply(QByteArray("\x80", 1), 1);
    engine->stop();
    engine->HandleReply(QByteArray("\xAA", 1), 1);
    engine->HandleReply(QByteArray("\x80", 1), 1);
    EXPECT_FALSE(engine->isRunning());
    EXPECT_FALSE(engine->pollTimerActive());
    EXPECT_EQ(engine->status(1).done, 0);
    processEventsFor(100);
    EXPECT_TRUE(messagesShown.isEmpty());
    EXPECT_TRUE(warningsShown.isEmpty());
}

TEST_F(EngineTest, RowsPastTheEndOfAShortenedTableAreRefusedBeforeAnythingIsSent)
{
    SimScale &sim = addTcpScale();
    store->database().exec(QStringLiteral("DELETE FROM T WHERE NPLU > 5"));
    store->database().exec(QStringLiteral("DELETE FROM M WHERE NPLU > 5"));
    store->goods().refresh();
    store->messages().refresh();
    const struct {
        const char *what;
        std::function<bool()> start;
    } cases[] = {
        {"goods write", [&] { return goods->StartGoodsWrite(QStringLiteral("4-8")); }},
        {"goods read", [&] { return goods->startGoodsRead(QStringLiteral("4-8")); }},
        {"messages write", [&] { return messages->startMessagesWrite(QStringLiteral("2, 6")); }},
        {"messages read", [&] { return messages->startMessagesRead(QStringLiteral("4-8")); }},
    };
    for (const auto &c : cases) {
        errorsShown.clear();
        EXPECT_FALSE(c.start()) << c.what;
        ASSERT_EQ(errorsShown.size(), 1) << c.what;
        EXPECT_TRUE(errorsShown.first().contains(QStringLiteral("нет строки № 6"))) << errorsShown.first().toStdString();
        EXPECT_FALSE(engine->isRunning()) << c.what;
    }
    processEventsFor(100);
    EXPECT_EQ(sim.dump().value(QStringLiteral("polls")).toInt(), 0);
    EXPECT_TRUE(goods->StartGoodsWrite(QStringLiteral("4-5"))) << "the rows that are there still go";
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(sim.storedGoodsNumbers(), numbersFrom(4, 5));
}

TEST_F(EngineTest, TheRowCurrentInTheGridIsNeverSentInPlaceOfARecord)
{
    nameRecords(*store, 6);
    SimScale &sim = addTcpScale({QStringLiteral("--ack-delay"), QStringLiteral("20")});
    QList<int> followed;
    QObject::connect(engine, &ExchangeEngine::followRecord, [&](ProgressBar, int n) {
        followed << n;
        store->goods().moveToRecNo(100); // the user clicks a row
    });
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-6")));
    ASSERT_TRUE(waitEnded(20000));
    EXPECT_EQ(sim.storedGoodsNumbers(), numbersFrom(1, 6));
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(sim.goods(n).value(QStringLiteral("name1")).toString(), QStringLiteral("Товар %1").arg(n));
    EXPECT_EQ(followed, (QList<int>{1, 2, 3, 4, 5, 6})) << "the grid follows the transfer";
}

TEST_F(EngineTest, ConnectionCheckDuringAnExchangeIsRefusedAndTheExchangeGoesOn)
{
    addTcpScale({QStringLiteral("--silent")});
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-3")));
    check->start();
    ASSERT_EQ(errorsShown.size(), 1);
    EXPECT_TRUE(errorsShown.first().contains(QStringLiteral("Идет обмен с весами")));
    EXPECT_FALSE(check->isRunning());
    EXPECT_TRUE(engine->isRunning());
    EXPECT_EQ(store->scales().text(0, QStringLiteral("U")), QStringLiteral("T"));
}
