#include "store/DatabaseFile.h"

#include "common/Error.h"
#include "common/NewFile.h"
#include "store/ChangeJournal.h"
#include "store/DatabaseLocation.h"
#include "store/ScaleLedger.h"
#include "store/SqlDialect.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace {
// The texts of this unit, translated under the context "DatabaseFile".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(DatabaseFile)
};
} // namespace

namespace tevo {
namespace {

void run(QSqlQuery &q, const SqlDialect &dialect, const QString &sql)
{
    if (!q.exec(sql))
        throw DatabaseError(dialect.errorText(q.lastError()));
}

// The rows numbered 1 … count, up to 500 in one statement (a far server answers each
// statement a round trip later).
void numberedRows(QSqlQuery &q, const SqlDialect &dialect, const QString &table, int count)
{
    constexpr int kRowsPerStatement = 500;
    for (int first = 1; first <= count; first += kRowsPerStatement) {
        QStringList values;
        for (int n = first; n <= count && n < first + kRowsPerStatement; ++n)
            values << QStringLiteral("(%1)").arg(n);
        run(q, dialect, QStringLiteral("INSERT INTO %1 (NPLU) VALUES %2").arg(table, values.join(QLatin1Char(','))));
    }
}

} // namespace

void withOwnConnection(const DatabaseLocation &where,
                       const std::function<void(QSqlDatabase &db, const SqlDialect &dialect)> &work)
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("tevo-own-%1").arg(++counter);
    const SqlDialect &dialect = SqlDialect::of(where.engine());
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(dialect.driverName(), name);
        try {
            if (where.isServer())
                dialect.configure(db, where);
            else
                db.setDatabaseName(where.path()); // the file is made by opening it
            if (!db.open())
                throw DatabaseError(dialect.errorText(db.lastError()));
            dialect.prepareSession(db);
            work(db, dialect);
        } catch (const DatabaseError &e) {
            failure = e.text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty())
        throw DatabaseError(failure);
}

QStringList makeTables(QSqlDatabase &db, const SqlDialect &dialect, bool replace, int goodsRows, int messagesRows)
{
    const QStringList existing = dialect.tables(db);
    if (!db.transaction())
        throw DatabaseError(dialect.errorText(db.lastError()));
    QStringList made;
    try {
        QSqlQuery q(db);
        for (const char *t : {"T", "M", "S"}) {
            const QString table = QLatin1String(t);
            if (existing.contains(table)) {
                if (!replace)
                    continue;
                if (table == QLatin1String("S") && existing.contains(QLatin1String("SMARKS")))
                    run(q, dialect, QStringLiteral("DROP TABLE SMARKS")); // its rows name rows of S
                run(q, dialect, QStringLiteral("DROP TABLE ") + table);
            }
            for (const QString &sql : dialect.createTable(table))
                run(q, dialect, sql);
            if (table == QLatin1String("T"))
                numberedRows(q, dialect, table, goodsRows);
            else if (table == QLatin1String("M"))
                numberedRows(q, dialect, table, messagesRows);
            made << table;
        }
        for (const QString &sql : dialect.computerMarksTable())
            run(q, dialect, sql);
        // The ledger of what the scales hold, where it is missing.
        for (const QString &sql : ScaleLedger::createStatements())
            run(q, dialect, sql);
        // The change journal, where it is missing.
        for (const QString &sql : ChangeJournal::createStatements(dialect))
            run(q, dialect, sql);
        q.finish();
        if (!db.commit())
            throw DatabaseError(dialect.errorText(db.lastError()));
    } catch (const DatabaseError &) {
        db.rollback();
        throw;
    }
    return made;
}

void makeDatabaseFile(const QString &path)
{
    withOwnConnection(DatabaseLocation::file(path),
                      [](QSqlDatabase &db, const SqlDialect &dialect) { makeTables(db, dialect, false); });
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

ServerTables makeServerTables(const QString &connectionString, bool replace)
{
    ServerTables result;
    withOwnConnection(DatabaseLocation::server(connectionString), [&](QSqlDatabase &db, const SqlDialect &dialect) {
        QSqlQuery q(db);
        run(q, dialect, QStringLiteral("SHOW server_encoding"));
        const QString encoding = q.next() ? q.value(0).toString() : QString();
        if (encoding.compare(QLatin1String("UTF8"), Qt::CaseInsensitive) != 0)
            throw DatabaseError(Tr::tr("The database %1 stores text as %2; the tables need UTF8 "
                                       "(CREATE DATABASE … ENCODING 'UTF8')")
                                    .arg(db.databaseName(), encoding));
        q.finish();
        const QStringList existing = dialect.tables(db);
        result.made = makeTables(db, dialect, replace);
        for (const char *t : {"T", "M", "S"})
            if (existing.contains(QLatin1String(t)) && !result.made.contains(QLatin1String(t)))
                result.kept << QLatin1String(t);
    });
    return result;
}

} // namespace tevo
