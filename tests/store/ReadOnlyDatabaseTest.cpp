// A database file that cannot be written (made immutable, which holds even for root): the
// program opens it, shows what it holds, and every change fails with the database's text
// while the tables stay as they were.
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
    {
        Store store;
        store.openTables(dir.databasePath());
        store.goods().setValue(0, QStringLiteral("TNAME1"), QStringLiteral("Молоко"));
        store.database().close();
    }
    if (!setImmutable(dir.databasePath(), true))
        GTEST_SKIP() << "this file system cannot make a file read-only for root";
    struct Undo {
        QString path;
        ~Undo() { setImmutable(path, false); }
    } undo{dir.databasePath()};

    Store store;
    store.openTables(dir.databasePath());
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
