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
    const QStringList locking = where.isServer()
        ? QStringList{QStringLiteral("BEGIN"), QStringLiteral("LOCK TABLE T IN ACCESS EXCLUSIVE MODE")}
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

TEST_F(StorageFaultTest, TextImportOnAFullDiskSaysSoAndTheStoreGoesOnWorking)
{
    TEVO_SQLITE_FILE_ONLY("a file that may not grow");
    storeCommittedGoods();
    {
        QSqlQuery q(store->database().connection());
        ASSERT_TRUE(q.exec(QStringLiteral("VACUUM"))) << q.lastError().text().toStdString();
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA page_count")));
        ASSERT_TRUE(q.next());
        const int pages = q.value(0).toInt();
        q.finish();
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages)));
    }
    QByteArray text;
    for (int n = 11; n <= 2000; ++n)
        text += QStringLiteral("[%1]\r\nNPLU=%1\r\nTNAME1=%2\r\nTNAME2=%2\r\n").arg(n).arg(QString(28, QLatin1Char('x'))).toUtf8();
    text += "[Main]\r\nRecordCount=2000\r\n";
    scratch.writeFile(QStringLiteral("big.txt"), text);
    try {
        importGoodsText(goods(), scratch.file(QStringLiteral("big.txt")));
        FAIL() << "the import fitted into a full disk";
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("full"), Qt::CaseInsensitive)) << e.text().toStdString();
    }
    // Whatever the database gave up by itself, the next commit works and what the table
    // shows after a re-read is what is stored.
    EXPECT_NO_THROW(store->database().commitNow());
    goods().refresh();
    EXPECT_EQ(names(goods()), committedNames());
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

TEST_F(StorageFaultTest, TextImportStoppedByABadNumberKeepsTheRowsBeforeAndNamesTheValue)
{
    storeCommittedGoods();
    scratch.writeFile(QStringLiteral("goods.txt"),
                      "[1]\r\nNPLU=11\r\nTNAME1=Первый\r\n"
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
        whole.left(whole.size() / 2),                  // records cut off half-way
        whole.left(20),                                // the header cut off
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
