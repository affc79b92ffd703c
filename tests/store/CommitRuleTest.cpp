// The commit rule on both engines: one transaction, committed once 100 ms pass without
// database activity; until then another connection (another program) sees what was there.
#include "TestSupport.h"

#include "store/Store.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace tevo;

TEST(CommitRule, ChangesReachOtherConnectionsAfterAnIdlePeriodAndNotBefore)
{
    test::ScratchDir dir;
    const DatabaseLocation where = dir.database();
    Store store;
    store.openTables(where);
    {
        QSqlDatabase other = test::openOther(where, QStringLiteral("commit-rule-other"));
        auto seen = [&other] {
            QSqlQuery q(other);
            if (!q.exec(QStringLiteral("SELECT TNAME1 FROM T WHERE NPLU = 1")) || !q.next())
                return QStringLiteral("<%1>").arg(q.lastError().text());
            return q.value(0).toString();
        };
        store.goods().setValue(0, QStringLiteral("TNAME1"), QStringLiteral("Молоко"));
        EXPECT_EQ(seen(), QString()); // the event loop has not run: nothing is committed
        EXPECT_TRUE(test::waitFor([&] { return seen() == QStringLiteral("Молоко"); })) << seen().toStdString();

        // A rebuild is committed whole, as one change.
        store.createEmptyGoods();
        EXPECT_EQ(seen(), QStringLiteral("Молоко"));
        EXPECT_TRUE(test::waitFor([&] { return seen().isEmpty(); })) << seen().toStdString();
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("commit-rule-other"));
}
