#include "store/SqlDialect.h"

#include "common/Error.h"
#include "store/Schema.h"
#include "store/SqliteRules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlQuery>

namespace {
// The texts of this unit, translated under the context "SqlDialect".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(SqlDialect)
};
} // namespace

namespace tevo {
namespace {

// How long a statement on the server waits for a row or table lock that another program holds
// before it fails: longer than SQLite's wait (SqliteRules), since on a shared server another
// PC's import or rebuild holds its rows until it ends, well under a second.
constexpr int kServerLockWaitMs = 2000;
// The command line's wait (LockWait::Patient), as on SQLite.
constexpr int kCommandLineLockWaitMs = sqlite::kCommandLineBusyTimeoutMs;
// How long the server may take to answer a connection before the open fails, and how long
// data sent over TCP may go unacknowledged (the network gone) before the statement fails
// instead of hanging.
constexpr const char *kConnectTimeoutSeconds = "5";
// The longest any one statement may run on the server before the server ends it (nothing the
// program sends needs more than a fraction of a second): well within the program's own limit
// on a wait for the server's answer (Database::kServerAnswerLimitMs), so that a statement that
// runs long ends with the server's reason.
constexpr int kServerStatementLimitMs = 10000;
constexpr const char *kTcpUserTimeoutMs = "15000";

QStringList upperNames(QSqlQuery &q)
{
    QStringList names;
    while (q.next())
        names << q.value(0).toString().toUpper();
    return names;
}

class SqliteDialect final : public SqlDialect {
public:
    DatabaseEngine engine() const override { return DatabaseEngine::Sqlite; }
    QString driverName() const override { return QStringLiteral("QSQLITE"); }

    void configure(QSqlDatabase &db, const DatabaseLocation &where) const override
    {
        const QFileInfo info(where.path());
        if (!info.exists() || !info.isFile())
            throw DatabaseError(Tr::tr("Unable to complete network request to host \"localhost\".\n"
                                       "Database file \"%1\" not found")
                                    .arg(info.absoluteFilePath()));
        db.setDatabaseName(where.path());
        db.setConnectOptions(sqlite::connectOptions());
    }

    void prepareSession(QSqlDatabase &) const override {}

    // The database file has one writer at a time already.
    QStringList emptyTable(const QString &table) const override { return {QStringLiteral("delete from ") + table}; }

    bool setLockWait(const QSqlDatabase &db, LockWait wait) const override
    {
        return sqlite::setBusyTimeout(db, lockWaitMs(wait));
    }
    int lockWaitMs(LockWait wait) const override
    {
        return wait == LockWait::Closing   ? sqlite::kClosingBusyTimeoutMs
               : wait == LockWait::Patient ? sqlite::kCommandLineBusyTimeoutMs
                                           : sqlite::kWorkingBusyTimeoutMs;
    }

    bool lockedByOthers(const QSqlError &error) const override { return sqlite::isBusy(error); }
    QVector<qint64> changeCounters(const QSqlDatabase &db) const override
    {
        // The file's version changes with any commit of another connection: each table counts as changed.
        const qint64 version = sqlite::dataVersion(db);
        return {version, version, version};
    }
    QString changeCountersQuery() const override { return {}; }
    QVector<qint64> changeCountersOf(const QVector<QByteArrayList> &) const override { return {}; }
    bool beginWriting(QSqlDatabase &db, QSqlError &error) const override
    {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("BEGIN IMMEDIATE")))
            return true;
        error = q.lastError();
        return false;
    }

    QStringList tables(QSqlDatabase &db) const override
    {
        // A file that is not a database fails on its first read.
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'")))
            throw DatabaseError(
                Tr::tr("Database file \"%1\" cannot be read: %2").arg(db.databaseName(), errorText(q.lastError())));
        return upperNames(q);
    }

    QStringList createTable(const QString &table) const override
    {
        // The declared widths are documentation: SQLite keeps any length.
        if (table == QLatin1String("T"))
            return {QStringLiteral(
                        "CREATE TABLE T (NPLU INTEGER, TNAME1 VARCHAR(60), TNAME2 VARCHAR(60), PRICE INTEGER, "
                        "UBDATE VARCHAR(8), TARA INTEGER, CODE INTEGER, GROUPCODE INTEGER, MESSAGE INTEGER, "
                        "LOGO VARCHAR(13), LASTERASE VARCHAR(30), OSUM INTEGER, OVES INTEGER, "
                        "OCOUNTPROD INTEGER, SG VARCHAR(100))"),
                    QStringLiteral("CREATE INDEX T_NPLU ON T (NPLU)")};
        if (table == QLatin1String("M"))
            return {QStringLiteral("CREATE TABLE M (NPLU INTEGER, M1 VARCHAR(50), M2 VARCHAR(50), M3 VARCHAR(50), "
                                   "M4 VARCHAR(50), M5 VARCHAR(50), M6 VARCHAR(50), M7 VARCHAR(50), M8 VARCHAR(50))"),
                    QStringLiteral("CREATE INDEX M_NPLU ON M (NPLU)")};
        return {QStringLiteral("CREATE TABLE S (U CHAR(1), W CHAR(1), NAME VARCHAR(60), IP VARCHAR(60), PORT INTEGER, "
                               "SG VARCHAR(100))")};
    }

    QStringList computerMarksTable() const override { return {}; }
    QString returningKey() const override { return {}; }
    qint64 insertedKey(QSqlQuery &insert) const override { return insert.lastInsertId().toLongLong(); }
    QString rowVersion() const override { return {}; }
    int rowsPerChange() const override { return 1; }
    QString manyRowsChange(const QString &, const QVector<ColumnDef> &, int) const override { return {}; }
    QString changesChannel() const override { return {}; }
    bool connectionLost(const QSqlDatabase &, const QSqlError &) const override { return false; }

    bool failureSpoilsTransaction() const override { return false; }

    bool transactionLostAfterFailure(const QSqlDatabase &db) const override
    {
        return sqlite::transactionRolledBack(db);
    }
    bool transactionLostAfterFailedCommit(const QSqlDatabase &db) const override
    {
        return sqlite::transactionRolledBack(db);
    }
};

class PostgresDialect final : public SqlDialect {
public:
    DatabaseEngine engine() const override { return DatabaseEngine::Postgres; }
    QString driverName() const override { return QStringLiteral("QPSQL"); }

    QStringList emptyTable(const QString &table) const override
    {
        return {QStringLiteral("LOCK TABLE %1 IN EXCLUSIVE MODE").arg(table), QStringLiteral("DELETE FROM ") + table};
    }

    void configure(QSqlDatabase &db, const DatabaseLocation &where) const override
    {
        ServerConnection c = ServerConnection::parse(where.connectionString());
        db.setHostName(c.host);
        db.setDatabaseName(c.dbname);
        db.setUserName(c.user);
        db.setPassword(c.password);
        bool numeric = false;
        const int port = c.port.toInt(&numeric);
        db.setPort(numeric ? port : -1);
        if (!c.port.isEmpty() && !numeric)
            c.options.append({QStringLiteral("port"), c.port}); // a list of ports, one per host
        if (!c.hasOption(QStringLiteral("connect_timeout")))
            c.options.append({QStringLiteral("connect_timeout"), QLatin1String(kConnectTimeoutSeconds)});
        if (!c.hasOption(QStringLiteral("tcp_user_timeout")))
            c.options.append({QStringLiteral("tcp_user_timeout"), QLatin1String(kTcpUserTimeoutMs)});
        // A line that goes quiet is found out while nothing is sent, too.
        const std::pair<const char *, const char *> keepalives[] = {{"keepalives", "1"},
                                                                    {"keepalives_idle", "10"},
                                                                    {"keepalives_interval", "5"},
                                                                    {"keepalives_count", "3"}};
        for (const auto &[key, value] : keepalives)
            if (!c.hasOption(QLatin1String(key)))
                c.options.append({QLatin1String(key), QLatin1String(value)});
        if (!c.hasOption(QStringLiteral("application_name")))
            c.options.append({QStringLiteral("application_name"), QStringLiteral("tevo")});
        // The driver turns every ';' of its options into a blank.
        for (const auto &o : c.options)
            if (o.second.contains(QLatin1Char(';')))
                throw DatabaseError(Tr::tr("The value of %1 in the server connection may not hold \";\"").arg(o.first));
        db.setConnectOptions(c.optionsText());
    }

    void prepareSession(QSqlDatabase &db) const override
    {
        QSqlQuery q(db);
        for (const QString &sql : {QStringLiteral("SET lock_timeout = %1").arg(kServerLockWaitMs),
                                   QStringLiteral("SET statement_timeout = %1").arg(kServerStatementLimitMs),
                                   QStringLiteral("SET client_min_messages = warning")})
            if (!q.exec(sql))
                throw DatabaseError(errorText(q.lastError()));
        // Text is UTF-8 on the server: a database in another encoding (LATIN1, SQL_ASCII) would
        // take the first Cyrillic name with the server's own error, or keep it as bytes.
        if (!q.exec(QStringLiteral("SHOW server_encoding")) || !q.next())
            throw DatabaseError(errorText(q.lastError()));
        const QString encoding = q.value(0).toString();
        if (encoding.compare(QLatin1String("UTF8"), Qt::CaseInsensitive) != 0)
            throw DatabaseError(Tr::tr("База данных %1 на сервере хранит текст в кодировке %2, а программе "
                                       "нужна UTF8: создайте базу заново (createdb -E UTF8 -T template0).")
                                    .arg(db.databaseName(), encoding));
    }

    QStringList tables(QSqlDatabase &db) const override
    {
        // The tables an unquoted name finds: lower-case names on the search path.
        QSqlQuery q(db);
        if (!q.exec(
                QStringLiteral("SELECT c.relname FROM pg_catalog.pg_class c WHERE c.relkind IN ('r', 'p') "
                               "AND c.relname IN ('t', 'm', 's', 'smarks') AND pg_catalog.pg_table_is_visible(c.oid)")))
            throw DatabaseError(errorText(q.lastError()));
        return upperNames(q);
    }

    QStringList createTable(const QString &table) const override
    {
        // Text without a length limit (as SQLite keeps it) in the database's encoding, UTF-8;
        // whole numbers of 64 bits, as SQLite stores them.
        const QVector<ColumnDef> &columns = table == QLatin1String("T")   ? goodsColumns()
                                            : table == QLatin1String("M") ? messagesColumns()
                                                                          : scalesColumns();
        QStringList defs = {QStringLiteral("rowid BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY")};
        for (const ColumnDef &c : columns)
            defs << c.name + (c.type == ColumnType::Integer ? QStringLiteral(" BIGINT") : QStringLiteral(" TEXT"));
        QStringList statements = {QStringLiteral("CREATE TABLE %1 (%2)").arg(table, defs.join(QLatin1String(", ")))};
        if (table != QLatin1String("S"))
            statements << QStringLiteral("CREATE INDEX %1_NPLU ON %1 (NPLU)").arg(table);
        return statements;
    }

    QStringList computerMarksTable() const override
    {
        return {QStringLiteral("CREATE TABLE IF NOT EXISTS SMARKS (HOST TEXT NOT NULL, SROW BIGINT NOT NULL "
                               "REFERENCES S (rowid) ON DELETE CASCADE, U TEXT, W TEXT, PRIMARY KEY (HOST, SROW))")};
    }

    // One round trip: the driver would ask for the key with a query of its own. The new row's
    // version comes with it.
    QString returningKey() const override { return QStringLiteral(" RETURNING rowid, ") + rowVersion(); }
    // The transaction that wrote the row last.
    QString rowVersion() const override { return QStringLiteral("xmin::text::bigint"); }
    QString changesChannel() const override { return QStringLiteral("tevo_changes"); }

    int rowsPerChange() const override { return 500; }
    // UPDATE … FROM a list of values, whose parameters the server takes as text: each is cast
    // where it is used.
    QString manyRowsChange(const QString &table, const QVector<ColumnDef> &columns, int rows) const override
    {
        QStringList names = {QStringLiteral("k"), QStringLiteral("ver")};
        QStringList sets;
        for (int i = 0; i < columns.size(); ++i) {
            const QString name = QStringLiteral("c%1").arg(i);
            names << name;
            sets << QStringLiteral("%1 = v.%2%3")
                        .arg(columns[i].name, name,
                             columns[i].type == ColumnType::Integer ? QStringLiteral("::bigint") : QString());
        }
        QStringList marks(names.size(), QStringLiteral("?"));
        const QString row = QLatin1Char('(') + marks.join(QLatin1String(", ")) + QLatin1Char(')');
        QStringList list(rows, row);
        return QStringLiteral("UPDATE %1 AS t SET %2 FROM (VALUES %3) AS v(%4) WHERE t.rowid = v.k::bigint AND "
                              "t.%5 = v.ver::bigint RETURNING t.rowid, t.%5")
            .arg(table, sets.join(QLatin1String(", ")), list.join(QLatin1String(", ")), names.join(QLatin1String(", ")),
                 rowVersion());
    }

    bool connectionLost(const QSqlDatabase &db, const QSqlError &error) const override
    {
        // The driver closes a connection it found broken. Otherwise a lost connection has no
        // SQLSTATE of its own or one of class 08 (connection) or 57P (the server shuts down),
        // and a probe tells.
        if (!db.isOpen())
            return true;
        const QString code = error.nativeErrorCode();
        if (!code.isEmpty() && !code.startsWith(QLatin1String("08")) && !code.startsWith(QLatin1String("57P")))
            return false;
        QSqlQuery probe(db);
        if (probe.exec(QStringLiteral("SELECT 1")))
            return false;
        const QString probeCode = probe.lastError().nativeErrorCode();
        return probeCode.isEmpty() || probeCode.startsWith(QLatin1String("08"))
               || probeCode.startsWith(QLatin1String("57P"));
    }
    qint64 insertedKey(QSqlQuery &insert) const override { return insert.next() ? insert.value(0).toLongLong() : -1; }

    bool failureSpoilsTransaction() const override { return true; }

    // The same wait while working and at the end: a commit on the server waits for no lock. The
    // command line waits longer for rows another program holds.
    bool setLockWait(const QSqlDatabase &db, LockWait wait) const override
    {
        if (wait == LockWait::Closing)
            return true;
        QSqlQuery q(db);
        return q.exec(QStringLiteral("SET lock_timeout = %1").arg(lockWaitMs(wait)));
    }
    int lockWaitMs(LockWait wait) const override
    {
        return wait == LockWait::Patient ? kCommandLineLockWaitMs : kServerLockWaitMs;
    }

    // lock_not_available: lock_timeout ran out.
    bool lockedByOthers(const QSqlError &error) const override
    {
        return error.nativeErrorCode() == QLatin1String("55P03");
    }
    // Every committed change gives its rows a new version, a delete changes the count: the
    // number folds both of the three tables (a few milliseconds for the 5000 rows).
    QVector<qint64> changeCounters(const QSqlDatabase &db) const override
    {
        QSqlQuery q(db);
        if (!q.exec(changeCountersQuery()))
            return {};
        QVector<QByteArrayList> rows;
        while (q.next())
            rows << QByteArrayList{q.value(0).toByteArray(), q.value(1).toByteArray(), q.value(2).toByteArray()};
        return changeCountersOf(rows);
    }
    QString changeCountersQuery() const override
    {
        const QString part = QStringLiteral("SELECT %1, count(*), coalesce(sum(%2), 0)::text FROM %3");
        // The marks each computer keeps of the scales count with S: the window and the command
        // line of one computer share them.
        return QStringList{part.arg(QLatin1String("0"), rowVersion(), QStringLiteral("t")),
                           part.arg(QLatin1String("1"), rowVersion(), QStringLiteral("m")),
                           part.arg(QLatin1String("2"), rowVersion(), QStringLiteral("s")),
                           part.arg(QLatin1String("2"), rowVersion(), QStringLiteral("smarks"))}
            .join(QLatin1String(" UNION ALL "));
    }
    QVector<qint64> changeCountersOf(const QVector<QByteArrayList> &rows) const override
    {
        QVector<quint64> folded(3, 14695981039346656037ULL);
        for (const QByteArrayList &row : rows) {
            if (row.size() < 3)
                return {};
            quint64 &f = folded[qBound(0, row[0].toInt(), 2)];
            for (const QByteArray &v : {row[1], row[2]})
                for (const char c : v + ';')
                    f = (f ^ quint8(c)) * 1099511628211ULL; // FNV-1a
        }
        QVector<qint64> counters;
        for (const quint64 f : folded)
            counters << qint64(f & 0x7fffffffffffffffULL);
        return counters;
    }
    bool beginWriting(QSqlDatabase &db, QSqlError &error) const override
    {
        if (db.transaction())
            return true;
        error = db.lastError();
        return false;
    }

    bool transactionLostAfterFailure(const QSqlDatabase &db) const override
    {
        // The statement's own savepoint has taken it back; only a lost connection loses more.
        return !db.isOpen();
    }
    bool transactionLostAfterFailedCommit(const QSqlDatabase &) const override { return true; }
};

} // namespace

const SqlDialect &SqlDialect::of(DatabaseEngine engine)
{
    static const SqliteDialect sqlite;
    static const PostgresDialect postgres;
    return engine == DatabaseEngine::Postgres ? static_cast<const SqlDialect &>(postgres) : sqlite;
}

QString SqlDialect::errorText(const QSqlError &error) const
{
    const QString text = error.text().trimmed();
    return text.isEmpty() ? Tr::tr("Unknown database error") : text;
}

} // namespace tevo
