// The exchange on a server database shared with another program, and the server going away in
// the middle of work: tevo-cli (the real program, a second process) imports and writes to a
// simulator while this program edits, and neither loses a row; a row both change is refused to
// the second; a goods write goes on while the server restarts, a goods read and an import end
// with the truthful report of what was lost, and a connection check tells the loss once.
#include "EngineFixture.h"

#include "common/ErrorSink.h"
#include "fileio/CsvImport.h"
#include "store/DatabaseChoice.h"

#include <QFile>
#include <QJsonObject>

using namespace tevo;
using namespace tevo::test;

namespace {

const QString kName = QStringLiteral("TNAME1");
const QString kWriteDone = QStringLiteral("Все PLU успешно записаны в весы %1");
const QString kReadDone = QStringLiteral("Запрошенные PLU успешно считаны");

QStringList numbersFrom(int first, int last)
{
    QStringList out;
    for (int n = first; n <= last; ++n)
        out << QString::number(n);
    return out;
}

// Each test on a cluster of its own, which it may stop and start.
class ServerExchangeTest : public EngineTest {
protected:
    void SetUp() override
    {
        if (!onServer())
            GTEST_SKIP() << "runs in the server run of the tests";
        cluster = std::make_unique<OwnCluster>();
        EngineTest::SetUp();
    }
    DatabaseLocation testDatabase() override { return cluster->database(); }

    // tevo-cli beside a Database.ini that names the server; started, not waited for.
    QProcess &cli(const QStringList &args)
    {
        const QString program = dir->file(QStringLiteral("tevo-cli"));
        if (!QFile::exists(program)) {
            QFile::copy(binDir() + QStringLiteral("/tevo-cli"), program);
            dir->writeFile(QStringLiteral("Database.ini"),
                           "[Database]\nServer=" + cluster->database().connectionString().toUtf8() + "\n");
        }
        process = std::make_unique<QProcess>();
        process->start(program, args + QStringList{QStringLiteral("--timeout"), QStringLiteral("10")});
        EXPECT_TRUE(process->waitForStarted());
        return *process;
    }
    // Edits the goods rows from `row` on (not beyond the 200th), one every 20 ms, until
    // tevo-cli has ended; gives the next row to edit.
    int editWhileRunning(int row)
    {
        while (process->state() != QProcess::NotRunning) {
            if (row < 200) {
                store->goods().setValue(row, kName, QStringLiteral("Правка %1").arg(row + 1));
                ++row;
            }
            processEventsFor(20);
        }
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
        return row;
    }
    // Reads the tables again after a loss. The store's own look may have done it already while
    // the test waited (a slow build): then there is nothing left to read, and that is fine.
    void lookAgain()
    {
        store->rereadIfChangedElsewhere();
        EXPECT_FALSE(store->database().connectionLost());
    }
    // Stops and starts the server once the exchange's progress reaches `at`.
    void restartServerAt(int at)
    {
        QObject::connect(engine, &ExchangeEngine::progressChanged, [this, at](ProgressBar, int value) {
            if (value >= at && !restarted) {
                restarted = true;
                EXPECT_TRUE(cluster->halt());
                EXPECT_TRUE(cluster->resume());
            }
        });
    }

    std::unique_ptr<OwnCluster> cluster;
    std::unique_ptr<QProcess> process;
    bool restarted = false;
};

TEST_F(ServerExchangeTest, AnotherProcessImportsAndWritesWhileThisOneEditsAndNeitherLosesARow)
{
    SimScale &sim = addTcpScale();
    store->database().commitNow();
    QByteArray csv;
    for (int n = 201; n <= 250; ++n)
        csv += QStringLiteral("%1;Импорт %1;;%2;\n").arg(n).arg(n * 10).toUtf8();
    dir->writeFile(QStringLiteral("goods.csv"), csv);

    cli({QStringLiteral("import"), QStringLiteral("goods-csv"), dir->file(QStringLiteral("goods.csv"))});
    int edited = editWhileRunning(0);
    cli({QStringLiteral("write-goods"), QStringLiteral("--fast"), QStringLiteral("--range"), QStringLiteral("201-250")});
    edited = editWhileRunning(edited);
    store->database().commitNow();

    // This program shows the other's rows as soon as they were committed; the scale got them.
    EXPECT_TRUE(waitFor([&] { return store->goods().text(249, kName) == QStringLiteral("Импорт 250"); }, 3000));
    EXPECT_EQ(store->goods().text(200, QStringLiteral("PRICE")), QStringLiteral("2010"));
    EXPECT_EQ(sim.storedGoodsNumbers(), numbersFrom(201, 250));
    EXPECT_EQ(sim.goods(230).value(QStringLiteral("name1")).toString(), QStringLiteral("Импорт 230"));
    // The other program sees this one's rows: it writes them into the scale.
    cli({QStringLiteral("write-goods"), QStringLiteral("--fast"), QStringLiteral("--range"),
         QStringLiteral("1-%1").arg(edited)});
    ASSERT_TRUE(process->waitForFinished(120000));
    EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    for (int n : {1, edited})
        EXPECT_EQ(sim.goods(n).value(QStringLiteral("name1")).toString(), QStringLiteral("Правка %1").arg(n));

    // Both change row 5: this program, which has not looked since, is told.
    dir->writeFile(QStringLiteral("five.csv"), "5;Из кассы;\n");
    cli({QStringLiteral("import"), QStringLiteral("goods-csv"), dir->file(QStringLiteral("five.csv"))});
    ASSERT_TRUE(process->waitForFinished(120000));
    EXPECT_THROW(store->goods().setValue(4, kName, QStringLiteral("Из окна")), DatabaseError);
    processEventsFor(200);
    EXPECT_EQ(store->goods().text(4, kName), QStringLiteral("Из кассы"));
}

TEST_F(ServerExchangeTest, TheServerRestartingMidExchangeEndsWithTheTruthfulReport)
{
    for (int n = 1; n <= 100; ++n)
        store->goods().setValue(n - 1, kName, QStringLiteral("Товар %1").arg(n));
    SimScale &target = addTcpScale();
    store->database().commitNow();

    // A goods write takes its rows from memory: it goes on and ends as it would.
    restartServerAt(30);
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-100")));
    ASSERT_TRUE(waitEnded(60000));
    EXPECT_TRUE(restarted);
    EXPECT_EQ(messagesShown, QStringList{kWriteDone.arg(100)});
    EXPECT_EQ(target.storedGoodsNumbers(), numbersFrom(1, 100));
    EXPECT_EQ(target.goods(100).value(QStringLiteral("name1")).toString(), QStringLiteral("Товар 100"));

    // A goods read stores what it reads: it stops with the loss told, and nothing read stays.
    QByteArray load = R"({"goods":[)";
    for (int n = 1; n <= 100; ++n)
        load +=
            QStringLiteral(R"(%1{"plu":%2,"name1":"Весы %2"})").arg(n > 1 ? QStringLiteral(",") : QString()).arg(n).toUtf8();
    lookAgain(); // opens again the connection the restart took
    newCase();
    addTcpScale({}, writeLoadFile(load + "]}"));
    store->database().commitNow();
    restarted = false;
    ASSERT_TRUE(goods->startGoodsRead(QStringLiteral("1-100")));
    ASSERT_TRUE(waitEnded(60000));
    EXPECT_TRUE(restarted);
    EXPECT_FALSE(messagesShown.contains(kReadDone));
    ASSERT_FALSE(errorsShown.isEmpty());
    EXPECT_TRUE(errorsShown.join(QLatin1Char('|')).contains(Database::connectionLostText()))
        << errorsShown.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(engine->isRunning());
    lookAgain();
    EXPECT_EQ(store->goods().text(0, kName), QStringLiteral("Товар 1"));
    EXPECT_EQ(store->goods().text(99, kName), QStringLiteral("Товар 100"));

    // An import: the lines before the restart are told lost, the rows are what is stored.
    QByteArray csv;
    for (int n = 1; n <= 100; ++n)
        csv += QStringLiteral("%1;Импорт %1;\n").arg(n).toUtf8();
    dir->writeFile(QStringLiteral("goods.csv"), csv);
    restarted = false;
    QObject::connect(&store->goods(), &Table::currentRowChanged, [this](int row) {
        if (row == 50 && !restarted) {
            restarted = true;
            EXPECT_TRUE(cluster->halt());
            EXPECT_TRUE(cluster->resume());
        }
    });
    try {
        importGoodsCsv(store->goods(), dir->file(QStringLiteral("goods.csv")));
        ADD_FAILURE() << "the import went through";
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(e.text().contains(Database::connectionLostText())) << e.text().toStdString();
    }
    lookAgain();
    EXPECT_EQ(store->goods().text(0, kName), QStringLiteral("Товар 1"));
    EXPECT_EQ(store->goods().text(49, kName), QStringLiteral("Товар 50"));
}

TEST_F(ServerExchangeTest, AConnectionCheckWhoseServerGoesAwayTellsItOnce)
{
    for (int i = 0; i < 3; ++i)
        addTcpScale();
    store->database().commitNow();
    // The server stops at the first answer and stays away: no answer can be stored.
    QObject::connect(engine, &ExchangeEngine::packetReceived, [this] {
        if (!restarted) {
            restarted = true;
            EXPECT_TRUE(cluster->halt());
        }
    });
    check->start();
    ASSERT_TRUE(waitFor([&] { return !informationShown.isEmpty(); }, 10000));
    EXPECT_EQ(errorsShown.size(), 1) << errorsShown.join(QLatin1Char('|')).toStdString();
    ASSERT_TRUE(cluster->resume());
    lookAgain();
    EXPECT_EQ(store->scales().count(), 3);
}

} // namespace

// A read from a scale commits its records in batches (once a second, every 500 records): a
// commit the server refuses in the middle ends the read with the server's reason, the report
// counts exactly the records that are stored, and nothing read after the loss is stored.
TEST_F(ServerExchangeTest, AReadWhoseCommitTheServerRefusesCountsWhatIsStored)
{
    QByteArray load = R"({"goods":[)";
    for (int n = 1; n <= 300; ++n)
        load +=
            QStringLiteral(R"(%1{"plu":%2,"name1":"Весы %2"})").arg(n > 1 ? QStringLiteral(",") : QString()).arg(n).toUtf8();
    addTcpScale({}, writeLoadFile(load + "]}"));
    store->database().setIdleCommitMs(Database::kIdleCommitMs);
    store->database().commitNow();
    execOn(cluster->database(),
           {QStringLiteral("CREATE FUNCTION tevo_refuse_commit() RETURNS trigger LANGUAGE plpgsql AS "
                           "$$BEGIN RAISE EXCEPTION 'товар 150 не принят проверкой магазина'; END$$"),
            QStringLiteral("CREATE CONSTRAINT TRIGGER refuse_at_commit AFTER UPDATE ON T DEFERRABLE INITIALLY "
                           "DEFERRED FOR EACH ROW WHEN (NEW.NPLU = 150 AND NEW.TNAME1 IS NOT NULL) EXECUTE FUNCTION "
                           "tevo_refuse_commit()")});
    ASSERT_TRUE(goods->startGoodsRead(QStringLiteral("1-300")));
    ASSERT_TRUE(waitEnded(120000));
    EXPECT_EQ(lastReport.end, ExchangeReport::End::Failed);
    EXPECT_TRUE(lastReport.failure.contains(QStringLiteral("товар 150 не принят проверкой магазина")))
        << lastReport.failure.toStdString();
    EXPECT_TRUE(lastReport.failure.contains(Database::changesLostText())) << lastReport.failure.toStdString();
    store->rereadTables();
    int stored = 0;
    for (int row = 0; row < 300; ++row)
        stored += store->goods().text(row, kName).isEmpty() ? 0 : 1;
    ASSERT_EQ(lastReport.scales.size(), 1);
    EXPECT_EQ(lastReport.scales[0].taken, stored);
    EXPECT_EQ(lastReport.recordsDone, stored);
    EXPECT_LT(stored, 150);
    EXPECT_TRUE(store->goods().text(299, kName).isEmpty()) << "nothing read after the loss is stored";
}
