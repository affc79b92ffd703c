// Scales that answer later than the poll interval, polls included: one request in flight per
// scale, so every record lands where it belongs and every end text says what each scale holds.
// And scales that keep answering without finishing a step, and lines that drop in a reply.
#include "EngineFixture.h"

#include "commands/ClockPackets.h"

#include <QJsonArray>

using namespace tevo;
using namespace tevo::test;

namespace {

enum class Command { Goods, Messages, Settings, Clock, Logo };

QStringList slowOptions(int delayMs, const QStringList &more)
{
    return QStringList{QStringLiteral("--delay"), QString::number(delayMs)} + more;
}

} // namespace

TEST_F(EngineTest, ASlowScaleGetsEachRequestOnceAndHoldsWhatTheEndTextSays)
{
    const struct {
        const char *what;
        Command command;
        bool fast;
        int delayMs;
        bool withQuickScale;
        QStringList slowRefuses;
        QStringList slowHolds; // goods or message numbers
        int slowRequests;      // requests the slow scale took in: none twice
        QString success;
        QString warning;
    } cases[] = {
        {"goods 1-10 fast, 300 ms, PLU 5 refused",
         Command::Goods,
         true,
         300,
         false,
         {"--refuse", "goods:5"},
         numbersFrom(1, 10, {5}),
         10,
         {},
         QStringLiteral("Весы «Весы 1» (127.0.0.1:%1) отказались принять PLU: 5")},
        {"goods 1-6 fast, 300 ms beside a quick scale, PLU 3 refused once",
         Command::Goods,
         true,
         300,
         true,
         {"--refuse-once", "goods:3"},
         numbersFrom(1, 6, {3}),
         6,
         {},
         QStringLiteral("Весы «Весы 1» (127.0.0.1:%1) отказались принять PLU: 3")},
        {"goods 1-6 at the normal pace, 600 ms beside a quick scale",
         Command::Goods,
         false,
         600,
         true,
         {},
         numbersFrom(1, 6),
         6,
         QStringLiteral("Все PLU успешно записаны в весы 6"),
         {}},
        {"goods 1-5 at the normal pace, 300 ms, PLU 4 refused",
         Command::Goods,
         false,
         300,
         false,
         {"--refuse", "goods:4"},
         numbersFrom(1, 5, {4}),
         5,
         {},
         QStringLiteral("Весы «Весы 1» (127.0.0.1:%1) отказались принять PLU: 4")},
        {"messages 1-4 fast, 300 ms beside a quick scale",
         Command::Messages,
         true,
         300,
         true,
         {},
         numbersFrom(1, 4),
         4,
         QStringLiteral("Все сообщения успешно записаны"),
         {}},
        {"messages 1-4 at the normal pace, 600 ms, message 2 refused once",
         Command::Messages,
         false,
         600,
         false,
         {"--refuse-once", "messages:2"},
         numbersFrom(1, 4, {2}),
         4,
         {},
         QStringLiteral("Весы «Весы 1» (127.0.0.1:%1) отказались принять сообщения: 2")},
        {"settings and header at the normal pace, 300 ms beside a quick scale",
         Command::Settings,
         false,
         300,
         true,
         {},
         {},
         2,
         QStringLiteral("Настройки пользователя успешно переданы."),
         {}},
        {"settings and header fast, 600 ms",
         Command::Settings,
         true,
         600,
         false,
         {},
         {},
         2,
         QStringLiteral("Настройки пользователя успешно переданы."),
         {}},
        {"clock at the normal pace, 600 ms beside a quick scale",
         Command::Clock,
         false,
         600,
         true,
         {},
         {},
         2,
         QStringLiteral("Дата и время синхронизированы с компьютером."),
         {}},
        {"logo fast, 300 ms", Command::Logo, true, 300, false, {}, {}, 1, QStringLiteral("Логотип успешно записан."), {}},
    };
    for (int n = 1; n <= 10; ++n) {
        store->goods().setValue(n - 1, QStringLiteral("TNAME1"), QStringLiteral("Товар %1").arg(n));
        store->messages().setValue(n - 1, QStringLiteral("M1"), QStringLiteral("Сообщение %1").arg(n));
    }
    host.shopHeader = {QStringLiteral("Рынок"), QStringLiteral("ул. Мира, 1")};
    host.logoDots.set(4, 6, true);
    ScopedTestClock clock([] { return QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3)); });
    for (const auto &c : cases) {
        newCase();
        SimScale &slow = addTcpScale(slowOptions(c.delayMs, c.slowRefuses));
        SimScale *quick = c.withQuickScale ? &addTcpScale() : nullptr;
        engine->setFastExchange(c.fast);
        bool started = false;
        switch (c.command) {
        case Command::Goods:
            started = goods->StartGoodsWrite(QStringLiteral("1-%1").arg(c.slowRequests));
            break;
        case Command::Messages:
            started = messages->startMessagesWrite(QStringLiteral("1-%1").arg(c.slowRequests));
            break;
        case Command::Settings:
            started = commands->startSettingsWrite();
            break;
        case Command::Clock:
            started = commands->startClockWrite();
            break;
        case Command::Logo:
            started = commands->startLogoWrite();
            break;
        }
        ASSERT_TRUE(started) << c.what;
        // The real pace: polls every 200 ms, while the slow scale answers each after c.delayMs.
        engine->setPollInterval(ExchangeEngine::kDefaultPollMs);
        ASSERT_TRUE(waitEnded(120000)) << c.what;
        const QJsonObject held = slow.dump();
        EXPECT_EQ(held.value(QStringLiteral("requests")).toInt(), c.slowRequests) << c.what;
        switch (c.command) {
        case Command::Goods:
            EXPECT_EQ(slow.storedGoodsNumbers(), c.slowHolds) << c.what;
            EXPECT_EQ(slow.goods(2).value(QStringLiteral("name1")).toString(), QStringLiteral("Товар 2")) << c.what;
            if (quick) {
                EXPECT_EQ(quick->storedGoodsNumbers(), numbersFrom(1, c.slowRequests)) << c.what;
            }
            break;
        case Command::Messages:
            EXPECT_EQ(slow.storedMessageNumbers(), c.slowHolds) << c.what;
            if (quick) {
                EXPECT_EQ(quick->storedMessageNumbers(), numbersFrom(1, c.slowRequests)) << c.what;
            }
            break;
        case Command::Settings:
            EXPECT_EQ(held.value(QStringLiteral("header")).toObject().value(QStringLiteral("line1")).toString(),
                      QStringLiteral("Рынок"))
                << c.what;
            break;
        case Command::Clock:
            EXPECT_EQ(held.value(QStringLiteral("date")).toString(), QStringLiteral("05.03.24")) << c.what;
            EXPECT_EQ(held.value(QStringLiteral("time")).toString(), QStringLiteral("09:07:03")) << c.what;
            break;
        case Command::Logo:
            EXPECT_EQ(held.value(QStringLiteral("logo")).toArray().at(5).toString().at(3), QLatin1Char('#')) << c.what;
            break;
        }
        EXPECT_EQ(messagesShown, c.success.isEmpty() ? QStringList{} : QStringList{c.success}) << c.what;
        EXPECT_EQ(warningsShown, c.warning.isEmpty() ? QStringList{} : QStringList{c.warning.arg(slow.port())}) << c.what;
    }
}

TEST_F(EngineTest, ReadsFromASlowScaleOrOneWhoseLineDropsStoreEachRecordAtItsOwnNumber)
{
    const struct {
        const char *what;
        Command command; // Goods, Messages or Settings (with the header and the logo)
        bool fast;
        QStringList options;
        QString success;
    } cases[] = {
        {"goods 1-4 at the normal pace, 300 ms",
         Command::Goods,
         false,
         {"--delay", "300"},
         QStringLiteral("Запрошенные PLU успешно считаны")},
        {"goods 1-4 fast, 600 ms",
         Command::Goods,
         true,
         {"--delay", "600"},
         QStringLiteral("Запрошенные PLU успешно считаны")},
        {"goods 1-4, the line dropping half-way through every third reply",
         Command::Goods,
         false,
         {"--cut-reply", "3"},
         QStringLiteral("Запрошенные PLU успешно считаны")},
        {"messages 1-3 at the normal pace, 300 ms",
         Command::Messages,
         false,
         {"--delay", "300"},
         QStringLiteral("Запрошенные сообщения успешно считаны")},
        {"settings, header and logo at the normal pace, 600 ms",
         Command::Settings,
         false,
         {"--delay", "600"},
         QStringLiteral("Настройки пользователя успешно считаны.")},
    };
    const QString load = writeLoadFile(R"({
        "goods": [{"plu": 1, "name1": "Масло", "price": "10000"}, {"plu": 2, "name1": "Сыр", "price": "20000"},
                  {"plu": 3, "name1": "Хлеб", "price": "3000"}, {"plu": 4, "name1": "Молоко", "price": "4000"}],
        "messages": [{"number": 1, "lines": ["Первое"]}, {"number": 2, "lines": ["Второе"]},
                     {"number": 3, "lines": ["Третье"]}],
        "settings": {"department": 5},
        "header": {"line1": "Рынок", "line2": "ул. Мира, 1"}})");
    const QStringList names = {QStringLiteral("Масло"), QStringLiteral("Сыр"), QStringLiteral("Хлеб"),
                               QStringLiteral("Молоко")};
    const QStringList lines = {QStringLiteral("Первое"), QStringLiteral("Второе"), QStringLiteral("Третье")};
    for (const auto &c : cases) {
        newCase();
        for (int n = 1; n <= 4; ++n) {
            store->goods().setValue(n - 1, QStringLiteral("TNAME1"), QString());
            store->messages().setValue(n - 1, QStringLiteral("M1"), QString());
        }
        host.readHeader.reset();
        host.readSettings.reset();
        addTcpScale(c.options, load);
        engine->setFastExchange(c.fast);
        const bool started = c.command == Command::Goods      ? goods->startGoodsRead(QStringLiteral("1-4"))
                             : c.command == Command::Messages ? messages->startMessagesRead(QStringLiteral("1-3"))
                                                              : commands->startSettingsRead();
        ASSERT_TRUE(started) << c.what;
        engine->setPollInterval(ExchangeEngine::kDefaultPollMs);
        ASSERT_TRUE(waitEnded(120000)) << c.what;
        EXPECT_EQ(messagesShown, QStringList{c.success}) << c.what;
        EXPECT_TRUE(warningsShown.isEmpty()) << c.what << ": " << warningsShown.join('|').toStdString();
        // A dropped line is told (once per drop) and called again; nothing else is an error.
        for (const QString &e : errorsShown)
            EXPECT_TRUE(e.contains(QLatin1String("closed the connection"))) << c.what << ": " << e.toStdString();
        if (c.command == Command::Goods) {
            for (int n = 1; n <= 4; ++n) {
                EXPECT_EQ(store->goods().text(n - 1, QStringLiteral("TNAME1")), names[n - 1]) << c.what << n;
                EXPECT_EQ(store->goods().text(n - 1, QStringLiteral("PRICE")), QString::number(n == 1   ? 10000
                                                                                               : n == 2 ? 20000
                                                                                               : n == 3 ? 3000
                                                                                                        : 4000))
                    << c.what << n;
            }
        } else if (c.command == Command::Messages) {
            for (int n = 1; n <= 3; ++n)
                EXPECT_EQ(store->messages().text(n - 1, QStringLiteral("M1")), lines[n - 1]) << c.what << n;
        } else {
            ASSERT_TRUE(host.readSettings && host.readHeader) << c.what;
            EXPECT_EQ(host.readSettings->department, 5) << c.what;
            EXPECT_EQ(host.readHeader->line1, QStringLiteral("Рынок")) << c.what;
        }
    }
}

TEST_F(EngineTest, AScaleThatTalksButNeverFinishesItsStepLeavesWithItsOwnLine)
{
    const struct {
        const char *what;
        QStringList options;
        int stepTimeoutMs; // 0: as in the window
        QString warning;
        QString line;
    } cases[] = {
        {"the logo never answered, as in the window",
         {"--never-answer", "logo"},
         0,
         QStringLiteral("Весы «Весы 1» (127.0.0.1:%1) не отвечают на команду «запись логотипа»: сделано 0 из 1."),
         QStringLiteral(
             "Весы «Весы 1» (127.0.0.1:%1): 0 из 1 — не отвечает на команду «запись логотипа», обмен с ними закончен")},
        {"the logo never answered, with a step timeout",
         {"--never-answer", "logo"},
         2000,
         QStringLiteral("Весы «Весы 1» (127.0.0.1:%1) не отвечают: сделано 0 из 1."),
         QStringLiteral("Весы «Весы 1» (127.0.0.1:%1): 0 из 1 — не отвечает, обмен с ними закончен")},
        {"junk between polls, with a step timeout",
         {"--garbage"},
         2000,
         QStringLiteral("Весы «Весы 1» (127.0.0.1:%1) не отвечают: сделано 0 из 1."),
         QStringLiteral("Весы «Весы 1» (127.0.0.1:%1): 0 из 1 — не отвечает, обмен с ними закончен")},
    };
    for (const auto &c : cases) {
        newCase();
        SimScale &scale = addTcpScale(c.options);
        engine->setStepTimeout(c.stepTimeoutMs);
        ASSERT_TRUE(commands->startLogoWrite()) << c.what;
        engine->setPollInterval(ExchangeEngine::kDefaultPollMs);
        ASSERT_TRUE(waitEnded(120000)) << c.what;
        EXPECT_EQ(lastReport.end, ExchangeReport::End::Finished) << c.what;
        EXPECT_FALSE(lastReport.complete()) << c.what;
        EXPECT_EQ(warningsShown, QStringList{c.warning.arg(scale.port())}) << c.what;
        EXPECT_TRUE(messagesShown.isEmpty()) << c.what;
        EXPECT_EQ(scaleLine(lastReport.scales.value(0), lastReport.command), c.line.arg(scale.port())) << c.what;
        // The logo went out once per answer deadline, never once per poll.
        EXPECT_LE(scale.dump().value(QStringLiteral("requests")).toInt(), ExchangeEngine::kResends + 1) << c.what;
    }
}

TEST_F(EngineTest, AStopInTheMiddleOfASlowQuickAndSilentWriteShowsNoSuccessAndCountsOnlyWhatWasAcknowledged)
{
    for (int n = 1; n <= 8; ++n)
        store->goods().setValue(n - 1, QStringLiteral("TNAME1"), QStringLiteral("Товар %1").arg(n));
    SimScale &slow = addTcpScale(slowOptions(300, {QStringLiteral("--refuse"), QStringLiteral("goods:2")}));
    SimScale &quick = addTcpScale();
    addTcpScale({QStringLiteral("--silent")});
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-8")));
    engine->setPollInterval(ExchangeEngine::kDefaultPollMs);
    ASSERT_TRUE(waitFor([&] { return engine->status(1).done >= 3; }, 60000));
    engine->stop();
    ASSERT_EQ(lastReport.end, ExchangeReport::End::Stopped);
    EXPECT_TRUE(messagesShown.isEmpty()) << messagesShown.join('|').toStdString();
    // What each scale holds is what it acknowledged, and at most the one request that was on
    // its way when the stop came.
    const ScaleStatus &s = lastReport.scales.value(0);
    EXPECT_EQ(s.refused, QVector<int>{2});
    const int slowHolds = int(slow.storedGoodsNumbers().size());
    EXPECT_GE(slowHolds, s.taken);
    EXPECT_LE(slowHolds, s.taken + 1);
    EXPECT_FALSE(slow.storedGoodsNumbers().contains(QStringLiteral("2")));
    EXPECT_EQ(int(quick.storedGoodsNumbers().size()), lastReport.scales.value(1).taken);
    EXPECT_EQ(lastReport.scales.value(2).taken, 0);
    EXPECT_TRUE(lastReport.scales.value(2).stopped);
}
