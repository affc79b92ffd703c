#pragma once
// The database connection with the program's commit rule: one transaction serves all tables;
// it begins with the first activity and is committed after 100 ms without activity, and when
// the connection closes. A commit that another process blocks waits only briefly; it is
// reported once and tried again after a growing pause until it succeeds. When the database
// rolls the transaction back by itself, the connection says so (changesLost) and the failure's
// text tells that the changes since the last commit were lost.
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QVariantList>
#include <functional>

namespace tevo {

// Connection parameters of a server database; the embedded SQLite file does not use them.
inline constexpr const char *kDbUserName = "SYSDBA";
inline constexpr const char *kDbPassword = "quillmoss";
inline constexpr const char *kDbCharset = "WIN1251";
inline constexpr const char *kDbDriver = "QSQLITE";

class Database : public QObject {
    Q_OBJECT
public:
    static constexpr int kIdleCommitMs = 100;
    // The longest pause between two attempts of a commit that keeps failing.
    static constexpr int kLongestCommitPauseMs = 30000;

    explicit Database(QObject *parent = nullptr);
    ~Database() override;

    void setPath(const QString &path);
    QString path() const { return m_path; }

    // How long a statement or an idle commit waits for another program that holds the file
    // (the window: 100 ms, so it never hangs; the command line: seconds, so that it outwaits
    // the window's commit). Takes effect at once when open.
    void setWaitForOthers(int ms);
    // The idle time before the commit (the window: 100 ms; 0 commits as soon as the work at
    // hand is done, so that another program is held up as briefly as possible).
    void setIdleCommitMs(int ms) { m_idleCommitMs = qMax(0, ms); }
    // Transactions begin by taking the write lock (BEGIN IMMEDIATE), so that a change waits
    // its whole busy timeout for another program's commit. (A transaction that has read first
    // and then wants to write while another program holds the write lock is refused at once
    // by SQLite, without waiting: waiting could deadlock.) For a program whose transactions
    // after its first reading are all for writing: the command line.
    void setImmediateTransactions(bool on) { m_immediate = on; }

    // Whether another program has committed changes to the file since the last call (the
    // first call after opening only takes note). The tables in memory then no longer show
    // what is stored.
    bool changedElsewhere();

    // Opens the existing database file; throws DatabaseError when the file is missing, is not
    // a database, or lacks the tables T, M and S. Opening an open connection does nothing.
    void open();
    bool isOpen() const;
    void close(); // commits first

    QSqlDatabase connection() const;

    // Runs a statement inside the current transaction; throws DatabaseError, DatabaseBusyError
    // when another program held the file for longer than this one waits.
    QSqlQuery exec(const QString &sql, const QVariantList &binds = {});
    QSqlQuery prepare(const QString &sql);
    void execPrepared(QSqlQuery &query);

    // Marks database activity: begins the transaction when none runs and restarts the idle timer.
    void activity();
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

    // Runs f so that either all its changes stay or none: a failure rolls back to the state
    // before it, then calls `afterRollback` (to re-read cached tables) and rethrows.
    void atomically(const std::function<void()> &f, const std::function<void()> &afterRollback = {});
    bool inAtomicBlock() const { return m_savepointDepth > 0; }

signals:
    // A commit failed; sent once until a commit succeeds again (and after every loss).
    void commitFailed(const QString &text);
    // The database rolled the running transaction back by itself: what the tables hold in
    // memory is no longer what is stored, and they must be read again.
    void changesLost();

private:
    void onIdle();
    void begin();
    QString failed(const QSqlError &error);
    [[noreturn]] void throwFailure(const QSqlError &error);
    void transactionLost();

    QString m_path;
    QString m_connectionName;
    QTimer m_idleTimer;
    bool m_inTransaction = false;
    int m_savepointDepth = 0;
    int m_savepointCounter = 0;
    int m_commitPause = 0;
    bool m_commitFailureReported = false;
    int m_waitForOthersMs;
    int m_idleCommitMs = kIdleCommitMs;
    qint64 m_dataVersion = -1;
    bool m_immediate = false;
};

} // namespace tevo
