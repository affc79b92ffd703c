// The ledger of what each scale holds, against real simulators on loopback TCP: a write of the
// changed records only sends each scale exactly what it lacks, a check ("Сверить с весами")
// finds a scale that was reset or holds another price and brings the ledger up to it without
// touching T, refusals and a silent scale leave the ledger true, and the ledger outlives the
// program and is seen by a second one (on the server: another connection).
#include "EngineFixture.h"

#include "commands/ExchangeTexts.h"

#include <QRegularExpression>

using namespace tevo;
using namespace tevo::test;

namespace {

class LedgerTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        QObject::connect(exchange.get(), &ScaleExchange::verified, [this](const VerifyReport &r) { verify = r; });
    }

    // Runs an exchange to its end; false when it did not start or end.
    bool run(CommandState command, const QString &range)
    {
        const int before = ended;
        const bool started = command == CommandState::GoodsWrite      ? goods->StartGoodsWrite(range, changedOnly)
                             : command == CommandState::GoodsVerify   ? goods->startGoodsVerify(range)
                             : command == CommandState::MessagesWrite ? messages->startMessagesWrite(range, changedOnly)
                                                                      : messages->startMessagesVerify(range);
        return started && waitFor([&] { return ended > before; }, 30000);
    }

    // The goods numbers a simulator stored since the last look, sorted; waits for `count` of them.
    QStringList storedSince(SimScale &sim, int count)
    {
        QStringList stored;
        waitFor(
            [&] {
                for (const QString &line : sim.takeLog())
                    if (line.startsWith(QLatin1String("stored goods ")))
                        stored << line.section(QLatin1Char(' '), 2);
                return stored.size() >= count;
            },
            10000);
        std::sort(stored.begin(), stored.end(), [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
        return stored;
    }

    QString address(int row) { return ScaleLedger::addressOf(store->scales(), row); }

    VerifyReport verify;
    bool changedOnly = false; // the writes of run() send changed records only
};

const QStringList kLog = {QStringLiteral("--log")};

TEST_F(LedgerTest, ChangedOnlySendsEachScaleWhatItLacksAndTheCheckFindsAResetScale)
{
    SimScale &first = addTcpScale(kLog);
    addTcpScale(kLog);
    nameGoods(store->goods(), 1, 20);
    ASSERT_TRUE(run(CommandState::GoodsWrite, QStringLiteral("1-20")));
    EXPECT_EQ(storedSince(first, 20), numbersFrom(1, 20));
    EXPECT_EQ(storedSince(*sims[1], 20), numbersFrom(1, 20));

    for (int n : {3, 7, 12})
        store->goods().setValue(n - 1, QStringLiteral("PRICE"), 5000 + n);
    store->goods().setValue(8, QStringLiteral("TNAME1"), QStringLiteral("Новое имя"));
    changedOnly = true;
    messagesShown.clear();
    ASSERT_TRUE(run(CommandState::GoodsWrite, QStringLiteral("1-20")));
    const QStringList changed = {QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("9"), QStringLiteral("12")};
    EXPECT_EQ(storedSince(first, 4), changed);
    EXPECT_EQ(storedSince(*sims[1], 4), changed);
    ASSERT_EQ(messagesShown.size(), 1) << warningsShown.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(messagesShown[0].startsWith(QStringLiteral("Все PLU успешно записаны в весы")))
        << messagesShown[0].toStdString();
    for (int n : {1, 2})
        EXPECT_TRUE(
            messagesShown[0].contains(QStringLiteral("Весы «Весы %1» (127.0.0.1:%2): отправлено 4, уже были в весах 16")
                                          .arg(n)
                                          .arg(sims[n - 1]->port())))
            << messagesShown[0].toStdString();

    // The second scale is reset: a new, empty simulator on the same port.
    const quint16 port = sims[1]->port();
    sims[1]->kill();
    sims[1] = std::make_unique<SimScale>(false, kLog, dir->file(QStringLiteral("reset.json")), QString(), port);
    warningsShown.clear();
    ASSERT_TRUE(run(CommandState::GoodsVerify, QStringLiteral("1-20")));
    ASSERT_EQ(verify.scales.size(), 2);
    EXPECT_TRUE(verify.scales[0].differences.isEmpty());
    EXPECT_TRUE(verify.scales[0].complete);
    ASSERT_EQ(verify.scales[1].differences.size(), 20);
    for (const RecordDifference &d : verify.scales[1].differences)
        EXPECT_EQ(d.kind, RecordDifference::Kind::Missing);
    EXPECT_FALSE(verify.matches());
    ASSERT_EQ(warningsShown.size(), 1);
    EXPECT_EQ(warningsShown[0], QStringLiteral("Весы «Весы 1» (127.0.0.1:%1): 0 расхождений из 20\n"
                                               "Весы «Весы 2» (127.0.0.1:%2): 20 расхождений из 20")
                                    .arg(first.port())
                                    .arg(port));
    EXPECT_EQ(store->ledger().held(address(1), ScaleLedger::Kind::Goods).size(), 0);

    ASSERT_TRUE(run(CommandState::GoodsWrite, QStringLiteral("1-20")));
    EXPECT_EQ(storedSince(*sims[1], 20), numbersFrom(1, 20));
    ASSERT_EQ(lastReport.scales.size(), 2);
    EXPECT_EQ(lastReport.scales[0].taken, 0);
    EXPECT_EQ(lastReport.scales[0].held, 20);
    EXPECT_EQ(lastReport.scales[1].taken, 20);
    EXPECT_EQ(lastReport.scales[1].held, 0);
    EXPECT_TRUE(first.takeLog().filter(QStringLiteral("stored goods")).isEmpty());

    // The ledger is in the database: another program (a store of its own) sees it, and the
    // scales' last answer and complete write with it.
    store->database().commitNow();
    const QHash<int, QByteArray> held = store->ledger().held(address(0), ScaleLedger::Kind::Goods);
    EXPECT_EQ(held.size(), 20);
    Store other;
    other.openTables(testDatabase());
    EXPECT_EQ(other.ledger().held(address(0), ScaleLedger::Kind::Goods), held);
    EXPECT_EQ(other.ledger().held(address(1), ScaleLedger::Kind::Goods).size(), 20);
    EXPECT_TRUE(other.ledger().seen(address(1)).answered.isValid());
    EXPECT_TRUE(other.ledger().seen(address(1)).goodsWritten.isValid());
}

TEST_F(LedgerTest, TheCheckNamesTheFieldAndBothValuesAndLeavesTheTable)
{
    nameGoods(store->goods(), 1, 3);
    const QString load = writeLoadFile(R"({"goods":[{"plu":1,"name1":"Товар 1","price":"100"},
                                                   {"plu":2,"name1":"Товар 2","price":"999"},
                                                   {"plu":3,"name1":"Товар 3","price":"300"}]})");
    addTcpScale({}, load);
    // The second scale's groups do not take goods 3, which it lacks: no difference.
    store->goods().setValue(2, QStringLiteral("SG"), QStringLiteral("хлеб"));
    addTcpScale({}, writeLoadFile(R"({"goods":[{"plu":1,"name1":"Товар 1","price":"100"},
                                           {"plu":2,"name1":"Товар 2","price":"999"}]})"),
                true, QStringLiteral("сыр"));
    ASSERT_TRUE(run(CommandState::GoodsVerify, QStringLiteral("1-3")));
    ASSERT_EQ(verify.scales.size(), 2);
    for (const ScaleVerify &scale : verify.scales) {
        ASSERT_EQ(scale.differences.size(), 1)
            << (warningsShown + messagesShown + errorsShown).join(QLatin1Char('\n')).toStdString();
        const RecordDifference &d = scale.differences[0];
        EXPECT_EQ(d.number, 2);
        EXPECT_EQ(d.kind, RecordDifference::Kind::Differs);
        EXPECT_EQ(d.field, QStringLiteral("PRICE"));
        EXPECT_EQ(d.database, QStringLiteral("200"));
        EXPECT_EQ(d.scale, QStringLiteral("999"));
    }
    EXPECT_EQ(store->goods().text(1, QStringLiteral("PRICE")), QStringLiteral("200"));
    EXPECT_EQ(warningsShown, QStringList{QStringLiteral("Весы «Весы 1» (127.0.0.1:%1): 1 расхождение из 3\n"
                                                        "Весы «Весы 2» (127.0.0.1:%2): 1 расхождение из 3")
                                             .arg(sims[0]->port())
                                             .arg(sims[1]->port())});
    // The ledger now says what the scale holds: a changed-only write sends goods 2 alone.
    changedOnly = true;
    ASSERT_TRUE(run(CommandState::GoodsWrite, QStringLiteral("1-3")));
    EXPECT_EQ(lastReport.scales[0].taken, 1);
    EXPECT_EQ(lastReport.scales[0].held, 2);
    EXPECT_EQ(lastReport.scales[1].taken, 1);
    EXPECT_EQ(lastReport.scales[1].held, 1);
    EXPECT_EQ(lastReport.scales[1].skipped, 1);
    ASSERT_TRUE(run(CommandState::GoodsVerify, QStringLiteral("1-3")));
    EXPECT_TRUE(verify.matches());
}

// Refusals, requests never answered and a silent scale, during a changed-only write: the
// ledger keeps only what was acknowledged. A refused record keeps what the scale held before (a
// refusal changes nothing there); one never answered is no longer vouched for; so the next
// changed-only write sends exactly those again.
TEST_F(LedgerTest, RefusalsUnansweredRequestsAndASilentScaleLeaveTheLedgerTrue)
{
    enum Held { Old, Today, Nothing };
    struct Case {
        const char *name;
        QStringList options;
        int entries;    // rows of the ledger for the scale afterwards
        Held two, five; // what it says of goods 2 and 5
        int heldNext;   // goods the next changed-only write leaves out
    };
    const Case cases[] = {
        {"refuses goods 2 and 5", {QStringLiteral("--refuse"), QStringLiteral("goods:2,5")}, 6, Old, Old, 4},
        // The scale does not finish goods 5 however often it is sent, and leaves the write there.
        {"never answers goods 5", {QStringLiteral("--never-answer"), QStringLiteral("goods:5")}, 4, Today, Nothing, 4},
        {"silent", {QStringLiteral("--silent")}, 2, Old, Old, 0},
    };
    changedOnly = true;
    engine->setStepTimeout(1500);
    const QByteArray old = QByteArray(32, 'x');
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        newCase();
        nameGoods(store->goods(), 1, 6);
        addTcpScale(c.options);
        // The ledger says the scale holds an older goods 2 and 5.
        for (int n : {2, 5})
            store->ledger().noteHeld(address(0), ScaleLedger::Kind::Goods, n, old);
        ASSERT_TRUE(run(CommandState::GoodsWrite, QStringLiteral("1-6")));
        const QHash<int, QByteArray> held = store->ledger().held(address(0), ScaleLedger::Kind::Goods);
        EXPECT_EQ(held.size(), c.entries);
        const auto says = [&](int n) { return !held.contains(n) ? Nothing : held.value(n) == old ? Old : Today; };
        EXPECT_EQ(says(2), c.two);
        EXPECT_EQ(says(5), c.five);
        ASSERT_TRUE(run(CommandState::GoodsWrite, QStringLiteral("1-6")));
        EXPECT_EQ(lastReport.scales[0].held, c.heldNext);
        EXPECT_FALSE(lastReport.complete());
        store->ledger().clear(address(0));
    }
}

// Messages go the same way: a changed-only write sends the changed message alone, and the
// check finds a line that differs.
TEST_F(LedgerTest, MessagesChangedOnlyAndChecked)
{
    for (int n = 1; n <= 5; ++n)
        store->messages().setValue(n - 1, QStringLiteral("M1"), QStringLiteral("Строка %1").arg(n));
    addTcpScale(kLog);
    ASSERT_TRUE(run(CommandState::MessagesWrite, QStringLiteral("1-5")));
    store->messages().setValue(3, QStringLiteral("M2"), QStringLiteral("Вторая"));
    changedOnly = true;
    ASSERT_TRUE(run(CommandState::MessagesWrite, QStringLiteral("1-5")));
    EXPECT_EQ(lastReport.scales[0].taken, 1);
    EXPECT_EQ(lastReport.scales[0].held, 4);
    store->messages().setValue(0, QStringLiteral("M1"), QStringLiteral("Иная"));
    ASSERT_TRUE(run(CommandState::MessagesVerify, QStringLiteral("1-5")));
    ASSERT_EQ(verify.scales.size(), 1);
    ASSERT_EQ(verify.scales[0].differences.size(), 1);
    EXPECT_EQ(verify.scales[0].differences[0].number, 1);
    EXPECT_EQ(verify.scales[0].differences[0].field, QStringLiteral("M1"));
    EXPECT_EQ(verify.scales[0].differences[0].database, QStringLiteral("Иная"));
    EXPECT_EQ(verify.scales[0].differences[0].scale, QStringLiteral("Строка 1"));
    EXPECT_EQ(store->messages().text(0, QStringLiteral("M1")), QStringLiteral("Иная"));
}

} // namespace
