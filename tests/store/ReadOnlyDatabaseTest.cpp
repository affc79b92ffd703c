// A database that cannot be written (a file made immutable, which holds even for root; a
// server database whose transactions are read-only): the program opens it, shows what it
// holds, and every change fails with the database's text while the tables stay as they were.
#include "TestSupport.h"

#include "common/Error.h"
#include "store/Store.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace tevo;
using namespace tevo::test;

namespace {

bool setImmutable(const QString &path, bool on)
{
    return QProcess::execute(QStringLiteral("chattr"), {on ? QStringLiteral("+i") : QStringLiteral("-i"), path}) == 0;
}

} // namespace

TEST(ReadOnlyDatabase, ChangesFailWithTheDatabaseTextAndNothingIsLost)
{
    ScratchDir dir;
    const DatabaseLocation where = dir.database();
    {
        Store store;
        store.openTables(where);
        store.goods().setValue(0, QStringLiteral("TNAME1"), QStringLiteral("Молоко"));
        store.database().close();
    }
    struct Undo {
        QString path;
        ~Undo()
        {
            if (!path.isEmpty())
                setImmutable(path, false);
        }
    } undo;
    if (where.isServer()) {
        test::execOn(where, {QStringLiteral("ALTER DATABASE %1 SET default_transaction_read_only = on")
                                 .arg(ServerConnection::parse(where.connectionString()).dbname)});
    } else {
        if (!setImmutable(dir.databasePath(), true))
            GTEST_SKIP() << "this file system cannot make a file read-only for root";
        undo.path = dir.databasePath();
    }

    Store store;
    store.openTables(where);
    EXPECT_EQ(store.goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("Молоко"));
    try {
        store.createEmptyGoods();
        FAIL() << "a rebuild of a read-only database succeeded";
    } catch (const DatabaseError &e) {
        EXPECT_FALSE(e.text().isEmpty());
    }
    store.goods().refresh();
    EXPECT_EQ(store.goods().count(), 4000);
    EXPECT_EQ(store.goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("Молоко"));
    EXPECT_THROW(store.goods().setValue(1, QStringLiteral("TNAME1"), QStringLiteral("x")), DatabaseError);
    EXPECT_TRUE(store.goods().text(1, QStringLiteral("TNAME1")).isEmpty());
}
