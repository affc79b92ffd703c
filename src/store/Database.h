#pragma once
// The database connection with the program's commit rule: one transaction serves all tables;
// it begins with the first activity and is committed after 100 ms without activity, and when
// the connection closes. A commit that another process blocks waits only briefly; it is
// reported once and tried again after a growing pause until it succeeds. When the database
// rolls the transaction back by itself, the connection says so (changesLost) and the failure's
// text tells that the changes since the last commit were lost. The database is the embedded
// SQLite file or a PostgreSQL server (DatabaseLocation); what differs between the two is in
// SqlDialect.
#include "store/DatabaseLocation.h"
#include "store/ServerDeadline.h"
#include "store/SqlDialect.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QVariantList>
#include <QVector>
#include <functional>
#include <map>
#include <memory>

namespace tevo {

class Database : public QObject {
    Q_OBJECT
public:
    static constexpr int kIdleCommitMs = 100;
    // However the changes keep coming, a transaction is committed once it is this old or holds
    // this many changes (where the idle time before the commit is not longer itself).
    static constexpr int kLongestTransactionMs = 1000;
    static constexpr int kMostChangesPerCommit = 500;
    // The longest pause between two attempts of a commit that keeps failing.
    static constexpr int kLongestCommitPauseMs = 30000;

    explicit Database(QObject *parent = nullptr);
    ~Database() override;

    void setLocation(const DatabaseLocation &location);
    const DatabaseLocation &location() const { return m_location; }
    const SqlDialect &dialect() const { return *m_dialect; }

    // How long a statement or an idle commit waits for another program's lock (the window:
    // Working, so it never hangs; the command line: Patient, so that it outwaits the window's
    // commit). Takes effect at once when open, and at every open.
    void setLockWait(LockWait wait);
    LockWait lockWait() const { return m_lockWait; }
    // How long a statement waits for another program's lock now, in milliseconds.
    int lockWaitMs() const { return m_dialect->lockWaitMs(m_lockWait); }
    // The idle time before the commit (the window: 100 ms; 0 commits as soon as the work at
    // hand is done, so that another program is held up as briefly as possible).
    void setIdleCommitMs(int ms) { m_idleCommitMs = qMax(0, ms); }
    // Transactions begin for writing (SqlDialect::beginWriting): for a program whose
    // transactions after its first reading are all for writing, the command line.
    void setWritingTransactions(bool on) { m_writing = on; }

    // The name this computer goes by in the database (the marks it keeps of the scales): the
    // environment's TEVO_COMPUTER_NAME when set (several tills on one terminal server), else the
    // machine's host name.
    static QString computerName();
    // The tables ("T", "M", "S") another program has committed changes of since the last call
    // (the first call after opening compares with the state at opening); those tables in memory
    // then no longer show what is stored. On the server this program's own uncommitted changes
    // count as well. All three when the connection to the server was found lost.
    QStringList tablesChangedElsewhere();
    bool changedElsewhere() { return !tablesChangedElsewhere().isEmpty(); }
    // Names a table ("T", "M", "S") the running transaction changes, for the announcement of
    // its commit to the other programs.
    void noteTableChanged(const QString &table);
    // The connection to the server was lost in the middle of work; the next open (at the next
    // activation, or by the next statement) makes it again.
    bool connectionLost() const { return m_connectionLost; }
    // A transaction runs: false also when a failure has just ended it with its changes.
    bool inTransaction() const { return m_inTransaction; }

    // Opens the existing database; throws DatabaseError with the driver's text when the file is
    // missing or is not a database, the server cannot be reached or refuses, or the tables T, M
    // and S are not there. Opening an open connection does nothing.
    void open();
    bool isOpen() const;
    void close(); // commits first
    // Whether each of `names` is a table of the open database: one look at its catalogue
    // (names compared without case, as the server folds them).
    bool hasTables(const QStringList &names) const;

    QSqlDatabase connection() const;

    // Runs a statement inside the current transaction; throws DatabaseError, DatabaseBusyError
    // when another program's lock outlasted the wait.
    QSqlQuery exec(const QString &sql, const QVariantList &binds = {});
    // Empties a table about to be filled anew in the running transaction; another program
    // replacing the same table at that moment is waited for (lastEmptyWaitMs says how long).
    void emptyTable(const QString &table);
    qint64 lastEmptyWaitMs() const { return m_lastEmptyWaitMs; }
    // The longest the program waits for the server to answer one statement, begin or commit
    // before it gives the connection up (ServerDeadline; the server ends statements that run
    // longer itself). 0: no limit.
    static constexpr int kServerAnswerLimitMs = 15000;
    void setServerAnswerLimitMs(int ms) { m_answerLimitMs = ms; }
    int serverAnswerLimitMs() const { return m_answerLimitMs; }
    // Runs a change (UPDATE, DELETE) or an INSERT, which gives the new row's key, the same way;
    // each text is prepared once and kept while the connection stays open.
    void change(const QString &sql, const QVariantList &binds);
    // The inserted row's version comes in `version` (-1 where the engine keeps none).
    qint64 insert(const QString &sql, const QVariantList &binds = {}, qint64 *version = nullptr);
    // Runs a change of one row that ends with RETURNING one number and gives that number;
    // false when the statement changed no row.
    bool changeReturning(const QString &sql, const QVariantList &binds, qint64 &value);
    // Runs a change of many rows that ends with RETURNING two numbers (the row's key and its new
    // version) and gives them for every row it changed.
    QVector<QPair<qint64, qint64>> changeReturningRows(const QString &sql, const QVariantList &binds);
    QSqlQuery prepare(const QString &sql);
    void execPrepared(QSqlQuery &query);

    // Marks database activity: begins the transaction when none runs and restarts the idle timer.
    void activity();
    // A change kept in memory to be stored with others before the commit (Table::queueValues):
    // counts as a change of the running transaction, as a statement would.
    void noteQueuedChange()
    {
        activity();
        noteChange();
    }
    // Work done in the running transaction just before each commit (rows gathered to be stored
    // together); it goes with `owner`. A failure of it is the commit's failure.
    void addBeforeCommit(QObject *owner, std::function<void()> step);
    // Takes the running transaction back with all its changes, for `reason`: told as a loss
    // (changesLost), so the tables are read again.
    void abandonTransaction(const QString &reason);
    // Commits the running transaction now (the idle rule does it by itself). Throws DatabaseError;
    // a commit that another process blocks keeps the transaction and is tried again later.
    void commitNow();
    // As the idle rule commits: false when the commit failed, which is reported (commitFailed)
    // only once until a commit succeeds again.
    bool tryCommit();
    // The last commit of a run: waits longer for other processes. Throws DatabaseError.
    void commitAtEnd();
    // The pause before the next attempt of a failing commit (0 while commits succeed).
    int commitPauseMs() const { return m_commitPause; }

    // Added to a failure's text when the database rolled the transaction back by itself.
    static QString changesLostText();
    // The database's own reason for the last loss of the running transaction (changesLost);
    // empty when it gave none.
    const QString &lossReason() const { return m_lossReason; }
    // Added to a failure's text when the connection to the server was lost with it.
    static QString connectionLostText();

    // A statement that only adds rows nothing in this transaction reads back (the change
    // journal's): it is carried out with the commit, on the server in the same text as the
    // commit itself, and dropped with the changes when they are taken back (a savepoint, a lost
    // transaction).
    // `keep`: a statement run often, kept prepared.
    void writeWithCommit(const QString &sql, const QVariantList &binds, bool keep = true);
    // Carries them out now (before a read of what they add).
    void flushWithCommit();

    // Runs f so that either all its changes stay or none: a failure rolls back to the state
    // before it, then calls `afterRollback` (to re-read cached tables) and rethrows. On the
    // server the first changes of a transaction need no savepoint: a failure takes back the
    // transaction, which holds nothing else.
    void atomically(const std::function<void()> &f, const std::function<void()> &afterRollback = {});

signals:
    // A commit failed; sent once until a commit succeeds again (and after every loss).
    void commitFailed(const QString &text);
    // The database rolled the running transaction back by itself: what the tables hold in
    // memory is no longer what is stored, and they must be read again.
    void changesLost();
    // A transaction that changed rows is committed.
    void committed();
    // Another program committed changes (the server announces them as they are committed).
    void changedByOthers(const QStringList &tables);
    // The connection lost in the middle of work is there again: the tables are to be read again.
    void reopened();

private:
    void onIdle();
    void begin();
    QString failed(const QSqlError &error, bool statementUndone = true, bool bare = false);
    QString answerLimitText(const QString &driverText);
    ServerDeadline::Scope answerLimit(const QSqlDatabase &db);
    QSqlQuery &runKept(const QString &sql, const QVariantList &binds);
    bool guardStatement();
    bool endStatementGuard(bool failedStatement);
    void run(QSqlQuery &query, bool control, const std::function<bool()> &statement);
    void transactionLost(const QString &reason = {});
    void runBeforeCommit();
    void connectionGone(const QString &reason = {});
    void noteChange();
    void announceChanges();
    QString announcement();
    bool commitWithScript();
    bool nothingStored() const;
    void rollbackUnstored();
    void onNotification(const QString &name, QSqlDriver::NotificationSource source, const QVariant &payload);
    [[noreturn]] void throwFailure(const QSqlError &error, bool statementUndone = true, bool bare = false);

    static constexpr int kKeptStatements = 64;
    std::map<QString, std::unique_ptr<QSqlQuery>> m_statements; // prepared, by their text

    DatabaseLocation m_location;
    const SqlDialect *m_dialect;
    QString m_connectionName;
    QTimer m_idleTimer;
    bool m_inTransaction = false;
    int m_savepointDepth = 0;
    int m_savepointCounter = 0;
    int m_commitPause = 0;
    bool m_commitFailureReported = false;
    LockWait m_lockWait = LockWait::Working;
    qint64 m_lastEmptyWaitMs = 0;
    int m_answerLimitMs = kServerAnswerLimitMs;
    QElapsedTimer m_transactionAge;
    int m_changesInTransaction = 0;
    QString m_lossReason;
    QVector<QPair<QObject *, std::function<void()>>> m_beforeCommit;
    QStringList m_tablesChanged; // the running transaction's, for the announcement
    ServerDeadline m_deadline;
    int m_idleCommitMs = kIdleCommitMs;
    bool m_writing = false;
    QVector<qint64> m_changeCounters; // T, M, S as last seen; empty when unknown
    bool m_wrote = false;             // the running transaction has changed rows
    bool m_stored = false;            // … and the database has carried out a change of rows
    // writeWithCommit's statements (with `keep`) and their values, in order.
    QVector<QPair<QPair<QString, bool>, QVariantList>> m_withCommit;
    bool m_connectionLost = false;
    bool m_opened = false; // open() succeeded and close() has not been called since
    // The last failed attempt of a statement to open the lost connection again.
    static constexpr int kReopenPauseMs = 2000;
    QString m_lastReopenFailure;
    QElapsedTimer m_reopenClock;
};

} // namespace tevo
