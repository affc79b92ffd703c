// Storage faults: a database locked by another process, a database that cannot grow (disk
// full), a statement the database refuses, an import that fails half-way and a damaged dBase
// file. Each operation either
// completes or leaves the tables as they were, says what failed, and nothing committed is lost.
#include "TestSupport.h"

#include "common/Error.h"
#include "fileio/DbfExchange.h"
#include "fileio/DbfTemplate.h"
#include "fileio/GoodsTextFile.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <memory>

using namespace tevo;

namespace {

const QString kName = QStringLiteral("TNAME1");

class StorageFaultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        where = scratch.database();
        store = std::make_unique<Store>();
        store->openTables(where);
    }
    void TearDown() override
    {
        store.reset();
        if (!otherName.isEmpty()) {
            QSqlDatabase::database(otherName, false).close();
            QSqlDatabase::removeDatabase(otherName);
        }
    }

    Table &goods() { return store->goods(); }

    // A few named rows, committed.
    void storeCommittedGoods()
    {
        for (int n = 1; n <= 5; ++n)
            goods().setValues(n - 1, {{kName, QStringLiteral("Товар %1").arg(n)}, {QStringLiteral("PRICE"), n * 10}});
        store->database().commitNow();
    }

    QStringList names(Table &t, int rows = 6)
    {
        QStringList out;
        for (int r = 0; r < rows && r < t.count(); ++r)
            out << t.text(r, kName);
        return out;
    }

    QStringList committedNames()
    {
        return {QStringLiteral("Товар 1"), QStringLiteral("Товар 2"), QStringLiteral("Товар 3"),
                QStringLiteral("Товар 4"), QStringLiteral("Товар 5"), QString()};
    }

    // A second connection to the same database, as another process would hold it.
    QSqlDatabase otherConnection()
    {
        otherName = QStringLiteral("other-process");
        if (QSqlDatabase::contains(otherName))
            return QSqlDatabase::database(otherName);
        return test::openOther(where, otherName);
    }

    // Reopens the database as at the next start and gives its goods names.
    QStringList namesAfterReopen()
    {
        store.reset();
        store = std::make_unique<Store>();
        store->openTables(where);
        return names(goods());
    }

    test::ScratchDir scratch;
    DatabaseLocation where;
    std::unique_ptr<Store> store;
    QString otherName;
};

TEST_F(StorageFaultTest, RebuildOfADatabaseLockedByAnotherProcessFailsAndKeepsTheRows)
{
    storeCommittedGoods();
    QSqlDatabase other = otherConnection();
    QSqlQuery lock(other);
    const QStringList locking =
        where.isServer() ? QStringList{QStringLiteral("BEGIN"), QStringLiteral("LOCK TABLE T IN ACCESS EXCLUSIVE MODE")}
                         : QStringList{QStringLiteral("BEGIN EXCLUSIVE")};
    for (const QString &sql : locking)
        ASSERT_TRUE(lock.exec(sql)) << lock.lastError().text().toStdString();
    try {
        store->createEmptyGoods();
        FAIL() << "the rebuild went through a locked database";
    } catch (const DatabaseError &e) {
        EXPECT_FALSE(e.text().trimmed().isEmpty());
        EXPECT_TRUE(e.text().contains(QStringLiteral("lock"), Qt::CaseInsensitive)) << e.text().toStdString();
    }
    EXPECT_EQ(names(goods()), committedNames());
    ASSERT_TRUE(lock.exec(QStringLiteral("ROLLBACK")));
    goods().refresh();
    EXPECT_EQ(goods().count(), 4000);
    EXPECT_EQ(names(goods()), committedNames());
    EXPECT_EQ(namesAfterReopen(), committedNames());
}

TEST_F(StorageFaultTest, RebuildOnAFullDiskFailsAndKeepsTheRows)
{
    TEVO_SQLITE_FILE_ONLY("a file that may not grow");
    storeCommittedGoods();
    // Leave a small table and a file without spare pages, then forbid it to grow: the rebuild
    // of 4000 rows needs more room than there is.
    store->database().exec(QStringLiteral("DELETE FROM T WHERE NPLU > 5"));
    store->database().commitNow();
    {
        QSqlQuery q(store->database().connection());
        ASSERT_TRUE(q.exec(QStringLiteral("VACUUM"))) << q.lastError().text().toStdString();
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA page_count")));
        ASSERT_TRUE(q.next());
        const int pages = q.value(0).toInt();
        q.finish();
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages)));
    }
    goods().refresh();
    ASSERT_EQ(goods().count(), 5);
    try {
        store->createEmptyGoods();
        FAIL() << "the rebuild fitted into a full disk";
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("full"), Qt::CaseInsensitive)) << e.text().toStdString();
    }
    EXPECT_EQ(goods().count(), 5);
    goods().refresh();
    EXPECT_EQ(goods().count(), 5);
    EXPECT_EQ(names(goods(), 5), committedNames().mid(0, 5));
    // The connection still works after the failure.
    goods().setValue(0, kName, QStringLiteral("после"));
    store->database().commitNow();
    store.reset();
    store = std::make_unique<Store>();
    store->openTables(where);
    EXPECT_EQ(goods().count(), 5);
    EXPECT_EQ(goods().text(0, kName), QStringLiteral("после"));
    EXPECT_EQ(goods().text(4, kName), QStringLiteral("Товар 5"));
}

TEST_F(StorageFaultTest, TextImportOnAFullDiskSaysTheChangesAreLostAndEveryTableShowsWhatIsStored)
{
    TEVO_SQLITE_FILE_ONLY("a file that may not grow");
    storeCommittedGoods();
    // Without the change journal: its entries would take the last free pages first, and SQLite
    // takes back that one statement only; here the disk fills in the middle
    // of a change of the table, where SQLite gives the whole transaction up.
    store->goods().setJournal(nullptr);
    store->messages().setJournal(nullptr);
    {
        QSqlQuery q(store->database().connection());
        ASSERT_TRUE(q.exec(QStringLiteral("VACUUM"))) << q.lastError().text().toStdString();
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA page_count")));
        ASSERT_TRUE(q.next());
        const int pages = q.value(0).toInt();
        q.finish();
        // Room for a few small changes, not for the import.
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 2)));
    }
    // Changes of the other tables since the last commit, in the same transaction.
    store->messages().setValue(0, QStringLiteral("M1"), QStringLiteral("не сохранено"));
    store->scales().appendRow({{QStringLiteral("NAME"), QStringLiteral("Весы 1")}});
    QByteArray text;
    for (int n = 11; n <= 2000; ++n)
        text +=
            QStringLiteral("[%1]\r\nNPLU=%1\r\nTNAME1=%2\r\nTNAME2=%2\r\n").arg(n).arg(QString(28, QLatin1Char('x'))).toUtf8();
    text += "[Main]\r\nRecordCount=2000\r\n";
    scratch.writeFile(QStringLiteral("big.txt"), text);
    try {
        importGoodsText(goods(), scratch.file(QStringLiteral("big.txt")));
        FAIL() << "the import fitted into a full disk";
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("full"), Qt::CaseInsensitive)) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains(Database::changesLostText())) << e.text().toStdString();
    }
    // The database gave the whole transaction up: once the failure has unwound, every table
    // shows what is stored, without anyone asking for a re-read.
    test::processEventsFor(20);
    EXPECT_EQ(names(goods()), committedNames());
    EXPECT_EQ(goods().text(10, kName), QString());
    EXPECT_TRUE(store->messages().text(0, QStringLiteral("M1")).isEmpty());
    EXPECT_EQ(store->scales().count(), 0);
    EXPECT_NO_THROW(store->database().commitNow());
    {
        QSqlQuery q(store->database().connection());
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA max_page_count = 1000000")));
    }
    goods().setValue(5, kName, QStringLiteral("после"));
    EXPECT_NO_THROW(store->database().commitNow());
    QStringList expected = committedNames();
    expected[5] = QStringLiteral("после");
    EXPECT_EQ(namesAfterReopen(), expected);
}

// On the server a failed statement spoils its whole transaction unless it is taken back alone:
// an edit the database refuses must not cost the edits made before it.
TEST_F(StorageFaultTest, ARefusedEditTakesBackOnlyItselfAndTheEditsAroundItAreCommitted)
{
    storeCommittedGoods();
    test::refuseRows(where, QStringLiteral("T"), QStringLiteral("NEW.TNAME1 = 'refused'"));
    goods().setValue(6, kName, QStringLiteral("до отказа"));
    try {
        goods().setValue(7, kName, QStringLiteral("refused"));
        FAIL() << "the refused edit was stored";
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("refused by test"))) << e.text().toStdString();
    }
    EXPECT_EQ(goods().text(7, kName), QString());
    goods().setValue(8, kName, QStringLiteral("после отказа"));
    EXPECT_NO_THROW(store->database().commitNow());
    store.reset();
    store = std::make_unique<Store>();
    store->openTables(where);
    QStringList expected = committedNames();
    expected << QStringLiteral("до отказа") << QString() << QStringLiteral("после отказа");
    EXPECT_EQ(names(goods(), 9), expected);
}

// Another process (a reader holding its read transaction) keeps every commit from finishing.
// A server rolls the whole transaction back when its commit fails: the changes are lost, the
// text says so, the tables show what is stored, and later changes are committed again.
TEST_F(StorageFaultTest, ACommitTheServerRefusesSaysTheChangesAreLostAndTheTablesShowWhatIsStored)
{
    if (!where.isServer())
        GTEST_SKIP() << "a commit refused by the server (a deferred check)";
    storeCommittedGoods();
    test::execOn(where, {QStringLiteral("CREATE FUNCTION tevo_refuse_commit() RETURNS trigger LANGUAGE plpgsql AS "
                                        "$$BEGIN RAISE EXCEPTION 'refused at commit by test'; END$$"),
                         QStringLiteral("CREATE CONSTRAINT TRIGGER refuse_at_commit AFTER UPDATE ON T DEFERRABLE "
                                        "INITIALLY DEFERRED FOR EACH ROW WHEN (NEW.TNAME1 = 'at commit') "
                                        "EXECUTE FUNCTION tevo_refuse_commit()")});
    goods().setValue(6, kName, QStringLiteral("до"));
    goods().setValue(7, kName, QStringLiteral("at commit"));
    try {
        store->database().commitNow();
        FAIL() << "the refused commit went through";
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("refused at commit by test"))) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains(Database::changesLostText())) << e.text().toStdString();
    }
    EXPECT_TRUE(test::waitFor([&] { return goods().text(6, kName).isEmpty(); })) << "the goods were not read again";
    EXPECT_EQ(goods().text(7, kName), QString());
    goods().setValue(8, kName, QStringLiteral("после"));
    EXPECT_NO_THROW(store->database().commitNow());
    QStringList expected = committedNames();
    expected << QString() << QString() << QStringLiteral("после");
    store.reset();
    store = std::make_unique<Store>();
    store->openTables(where);
    EXPECT_EQ(names(goods(), 9), expected);
}

TEST_F(StorageFaultTest, ABlockedCommitIsReportedOnceRetriedWithGrowingPausesAndNeverHoldsTheWindow)
{
    TEVO_SQLITE_FILE_ONLY("another process's read lock on the file");
    QStringList reports;
    QObject::connect(&store->database(), &Database::commitFailed, [&](const QString &t) { reports << t; });
    // The longest time the event loop was held between two of its turns, over `ms`.
    const auto longestHold = [](int ms) {
        QElapsedTimer total, turn;
        total.start();
        turn.start();
        qint64 longest = 0;
        while (total.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            longest = qMax(longest, turn.restart());
        }
        return longest;
    };
    const auto storedName = [this](int nplu) {
        QSqlQuery q(otherConnection());
        q.exec(QStringLiteral("SELECT TNAME1 FROM T WHERE NPLU = %1").arg(nplu));
        const QString name = q.next() ? q.value(0).toString() : QString();
        q.finish();
        return name;
    };

    test::SqliteReader reader;
    ASSERT_TRUE(reader.hold(scratch.databasePath()));
    goods().setValue(0, kName, QStringLiteral("первое"));
    EXPECT_LT(longestHold(1200), 1000);
    goods().setValue(1, kName, QStringLiteral("второе")); // more work brings no new report
    EXPECT_LT(longestHold(400), 1000);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports.first().contains(QStringLiteral("locked"), Qt::CaseInsensitive)) << reports.first().toStdString();
    EXPECT_TRUE(reports.first().contains(QStringLiteral("Базу данных держит другая программа.")))
        << reports.first().toStdString();
    EXPECT_GE(store->database().commitPauseMs(), 800) << "the pause between attempts grows";
    EXPECT_EQ(storedName(1), QString());

    reader.release();
    ASSERT_TRUE(test::waitFor([&] { return store->database().commitPauseMs() == 0; }, 10000));
    EXPECT_EQ(storedName(1), QStringLiteral("первое"));
    EXPECT_EQ(storedName(2), QStringLiteral("второе"));
    EXPECT_EQ(reports.size(), 1);

    // A commit has succeeded: the next blockage is reported again.
    test::SqliteReader again;
    ASSERT_TRUE(again.hold(scratch.databasePath()));
    goods().setValue(2, kName, QStringLiteral("третье"));
    EXPECT_TRUE(test::waitFor([&] { return reports.size() == 2; }, 3000));
    again.release();
    EXPECT_TRUE(test::waitFor([&] { return storedName(3) == QStringLiteral("третье"); }, 10000));
}

TEST_F(StorageFaultTest, TextImportStoppedByABadNumberKeepsTheRowsBeforeAndNamesTheValue)
{
    storeCommittedGoods();
    scratch.writeFile(QStringLiteral("goods.txt"), "[1]\r\nNPLU=11\r\nTNAME1=Первый\r\n"
                                                   "[2]\r\nNPLU=12\r\nTNAME1=Второй\r\n"
                                                   "[3]\r\nNPLU=1x3\r\nTNAME1=Третий\r\n"
                                                   "[4]\r\nNPLU=14\r\nTNAME1=Четвёртый\r\n"
                                                   "[Main]\r\nRecordCount=4\r\n");
    try {
        importGoodsText(goods(), scratch.file(QStringLiteral("goods.txt")));
        FAIL() << "the bad number was taken";
    } catch (const Error &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("'1x3'"))) << e.text().toStdString();
    }
    EXPECT_EQ(goods().text(10, kName), QStringLiteral("Первый"));
    EXPECT_EQ(goods().text(11, kName), QStringLiteral("Второй"));
    EXPECT_EQ(goods().text(13, kName), QString());
    goods().refresh();
    EXPECT_EQ(goods().text(10, kName), QStringLiteral("Первый"));
    EXPECT_EQ(goods().text(11, kName), QStringLiteral("Второй"));
    EXPECT_EQ(goods().text(13, kName), QString());
    EXPECT_EQ(names(goods()), committedNames());
    store->database().commitNow();
    store.reset();
    store = std::make_unique<Store>();
    store->openTables(where);
    EXPECT_EQ(goods().text(11, kName), QStringLiteral("Второй"));
    EXPECT_EQ(names(goods()), committedNames());
}

TEST_F(StorageFaultTest, DamagedDbaseFileLeavesTheGoodsUnchanged)
{
    storeCommittedGoods();
    QString error;
    ASSERT_TRUE(writeDbfTemplate(scratch.file(QStringLiteral("template.dbf")), &error)) << error.toStdString();
    const QString good = scratch.file(QStringLiteral("good.dbf"));
    exportGoodsDbf(goods(), good, scratch.file(QStringLiteral("template.dbf")));
    const QByteArray whole = scratch.readFile(QStringLiteral("good.dbf"));
    ASSERT_GT(whole.size(), 1000);
    goods().setValue(0, kName, QStringLiteral("изменено"));
    store->database().commitNow();
    QStringList before = committedNames();
    before[0] = QStringLiteral("изменено");

    const QByteArray cuts[] = {
        whole.left(whole.size() / 2),                   // records cut off half-way
        whole.left(20),                                 // the header cut off
        QByteArray(whole).replace(8, 2, "\xff\x7f", 2), // header length beyond the file
    };
    for (const QByteArray &bytes : cuts) {
        scratch.writeFile(QStringLiteral("damaged.dbf"), bytes);
        try {
            importGoodsDbf(goods(), scratch.file(QStringLiteral("damaged.dbf")));
            ADD_FAILURE() << "a damaged file of " << bytes.size() << " bytes was imported";
        } catch (const Error &e) {
            EXPECT_FALSE(e.text().isEmpty());
        }
        EXPECT_EQ(goods().count(), 4000);
        EXPECT_EQ(names(goods()), before);
        goods().refresh();
        EXPECT_EQ(goods().count(), 4000);
        EXPECT_EQ(names(goods()), before);
    }
    EXPECT_EQ(namesAfterReopen(), before);
}

} // namespace
