#include "store/SqliteRules.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace tevo::sqlite {

QString connectOptions() { return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kWorkingBusyTimeoutMs); }

bool setBusyTimeout(const QSqlDatabase &db, int ms)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(ms));
}

int busyTimeout(const QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA busy_timeout")) || !q.next())
        return -1;
    return q.value(0).toInt();
}

bool transactionRolledBack(const QSqlDatabase &db)
{
    // BEGIN is refused inside a transaction; when it is taken, there was none left.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("BEGIN")))
        return false;
    probe.exec(QStringLiteral("ROLLBACK"));
    return true;
}

} // namespace tevo::sqlite
