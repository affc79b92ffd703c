#include "store/DatabaseFile.h"

#include "common/Error.h"
#include "common/NewFile.h"
#include "store/Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace tevo {

namespace {
void numberedRows(QSqlQuery &q, const QString &table, int count)
{
    if (!q.prepare(QStringLiteral("INSERT INTO %1 (NPLU) VALUES (?)").arg(table)))
        throw DatabaseError(q.lastError().text());
    for (int n = 1; n <= count; ++n) {
        q.bindValue(0, n);
        if (!q.exec())
            throw DatabaseError(q.lastError().text());
    }
}
} // namespace

void makeDatabaseFile(const QString &path)
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("tevo-make-%1").arg(++counter);
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            try {
                db.transaction();
                QSqlQuery q(db);
                for (const QString &sql : createTableStatements())
                    if (!q.exec(sql))
                        throw DatabaseError(q.lastError().text());
                numberedRows(q, QStringLiteral("T"), kGoodsRowCount);
                numberedRows(q, QStringLiteral("M"), kMessagesRowCount);
                q.finish();
                if (!db.commit())
                    throw DatabaseError(db.lastError().text());
            } catch (const DatabaseError &e) {
                db.rollback();
                failure = e.text();
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty())
        throw DatabaseError(failure);
}

bool makeDatabaseFileIfMissing(const QString &path)
{
    if (QFileInfo::exists(path))
        return false;
    const QString temporary = temporaryNameBeside(path);
    try {
        makeDatabaseFile(temporary);
    } catch (const DatabaseError &) {
        QFile::remove(temporary);
        QFile::remove(temporary + QStringLiteral("-journal"));
        throw;
    }
    return publishUnlessExists(temporary, path);
}

} // namespace tevo
