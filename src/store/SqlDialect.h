#pragma once
// Where the two database engines differ: the embedded SQLite file and a PostgreSQL server.
// Everything else of the store (ordered reads, single-row updates and inserts, the delete of a
// whole table, the commit rule, savepoints) is the same SQL on both.
//
// The same SQL works because
//  - names are written without quotes: SQLite ignores their case, PostgreSQL folds them to
//    lower case, so "T", "NPLU" and "t", "nplu" are one table and one column on both (the
//    server's tables are made the same way, unquoted);
//  - every table has a column rowid, the row's own key: SQLite has it by itself, on the server
//    it is an identity column;
//  - ordered reads say NULLS FIRST, which is SQLite's order and not the server's default.
#include "store/DatabaseLocation.h"
#include "store/Schema.h"

#include <QByteArrayList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace tevo {

// How long a statement or a commit waits for a lock another connection holds: briefly while
// the program works, longer for the last commit when it ends; a program without a window (the
// command line) waits long enough while it works to outwait the window's commit.
enum class LockWait { Working, Closing, Patient };

class SqlDialect {
public:
    static const SqlDialect &of(DatabaseEngine engine);
    virtual ~SqlDialect() = default;

    virtual DatabaseEngine engine() const = 0;
    virtual QString driverName() const = 0;

    // Sets the parameters of a connection to `where`; throws DatabaseError when the database
    // cannot be there at all (no such file, a connection string that cannot be read).
    virtual void configure(QSqlDatabase &db, const DatabaseLocation &where) const = 0;
    // Settings of a connection that has just opened (how long to wait for a lock …). Throws
    // DatabaseError.
    virtual void prepareSession(QSqlDatabase &db) const = 0;
    // Sets how long the open connection waits for locks; false when it refused.
    virtual bool setLockWait(const QSqlDatabase &db, LockWait wait) const = 0;
    // How long a statement waits for another connection's lock under `wait`, in milliseconds.
    virtual int lockWaitMs(LockWait wait) const = 0;
    // The names of the tables T, M and S that the database holds, in upper case. Throws
    // DatabaseError when the database cannot be read.
    virtual QStringList tables(QSqlDatabase &db) const = 0;
    // The statements that make table T, M or S (with its index), empty.
    virtual QStringList createTable(const QString &table) const = 0;
    // The statements that make, where it is missing, the table of the scales' marks each
    // computer keeps for itself (SMARKS: the computer's name, the row of S, "U" and "W"), so
    // that several computers sharing S each keep their own selection and answers; empty where
    // one computer works with the database (SQLite: S keeps the marks itself).
    virtual QStringList computerMarksTable() const = 0;
    // The statements that empty a table about to be filled anew in the same transaction: on the
    // server the table is locked against other writers first, so that two programs replacing
    // it at once do it one after the other, and the later one's delete sees (and removes) the
    // rows the earlier one committed.
    virtual QStringList emptyTable(const QString &table) const = 0;

    // Inserts: what an INSERT ends with to give the new row's key, and the key it gave.
    virtual QString returningKey() const = 0;
    virtual qint64 insertedKey(QSqlQuery &insert) const = 0;

    // The row's version, an expression read with every row and compared by every change of
    // one row, so that a change made meanwhile by another connection is not overwritten; empty
    // where the engine has none (SQLite: one program writes to the file at a time).
    virtual QString rowVersion() const = 0;

    // Changes of many rows in one statement, so that a server takes an import's rows in a few
    // round trips instead of one each. The most rows one such change takes; 1 where every row
    // is changed by a statement of its own (SQLite: a statement there costs no round trip).
    virtual int rowsPerChange() const = 0;
    // The text of the change of `rows` rows of `table` that sets `columns`. The binds, row after
    // row: the row's rowid, its version as read (rowVersion) and its values in the order of
    // `columns`. A row is changed only while its version is the one read; the statement returns
    // the rowid and the new version of every row it changed. Empty where rowsPerChange is 1.
    virtual QString manyRowsChange(const QString &table, const QVector<ColumnDef> &columns, int rows) const = 0;

    // Committed changes are announced to the other connections of the database on this
    // channel (the statement runs in the transaction and is sent with its commit); empty
    // where the engine cannot announce.
    virtual QString changesChannel() const = 0;
    // After a failed statement: whether the connection itself is gone (the server restarted,
    // the network lost); the connection is then closed and opened again later.
    virtual bool connectionLost(const QSqlDatabase &db, const QSqlError &error) const = 0;

    // Errors. A failed statement on the server spoils its whole transaction: every later
    // statement fails until the transaction ends. There a statement outside an atomic block
    // runs inside a savepoint of its own, so that a failure takes back that statement only, as
    // it does on SQLite.
    virtual bool failureSpoilsTransaction() const = 0;
    // After a failed statement: true when the running transaction is gone with it (SQLite rolls
    // it back by itself on a full disk or an I/O error; a lost connection takes it along).
    virtual bool transactionLostAfterFailure(const QSqlDatabase &db) const = 0;
    // After a failed commit: true when the changes are gone; false when they are still in the
    // open transaction and the commit may be tried again (an SQLite file another process holds).
    // A server rolls a transaction back whenever its commit fails.
    virtual bool transactionLostAfterFailedCommit(const QSqlDatabase &db) const = 0;
    // Whether a failure is another connection's lock that outlasted the wait (the window holds
    // the file or the rows).
    virtual bool lockedByOthers(const QSqlError &error) const = 0;
    // Numbers of the tables T, M and S, in this order, each of which changes whenever a
    // connection has committed changes of that table since this one last asked (on the server
    // also this one's own uncommitted changes change them); empty where the database cannot be
    // read.
    virtual QVector<qint64> changeCounters(const QSqlDatabase &db) const = 0;
    // The query changeCounters asks, for a text sent with the commit (empty where there is no
    // such text), and the counters from its rows.
    virtual QString changeCountersQuery() const = 0;
    virtual QVector<qint64> changeCountersOf(const QVector<QByteArrayList> &rows) const = 0;
    // Begins a transaction that will write: on SQLite it takes the write lock at once, so that
    // waiting for another program's commit is possible (a transaction that has read and then
    // wants to write while another holds the write lock is refused at once: waiting could
    // deadlock). False with the error in db.lastError() or the query's.
    virtual bool beginWriting(QSqlDatabase &db, QSqlError &error) const = 0;

    // The text of a driver's error, for the error box.
    QString errorText(const QSqlError &error) const;
};

} // namespace tevo
