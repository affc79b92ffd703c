#include "store/SqliteRules.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace tevo::sqlite {

QString connectOptions() { return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kWorkingBusyTimeoutMs); }

bool isBusy(const QSqlError &error)
{
    // SQLITE_BUSY and SQLITE_LOCKED, as the driver passes SQLite's result code on. A failed
    // commit comes without the code, with SQLite's own text only.
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("5") || code == QLatin1String("6"))
        return true;
    const QString text = error.databaseText();
    return code.isEmpty()
           && (text.startsWith(QLatin1String("database is locked"))
               || text.startsWith(QLatin1String("database table is locked")));
}

qint64 dataVersion(const QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA data_version")) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

bool setBusyTimeout(const QSqlDatabase &db, int ms)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(ms));
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
