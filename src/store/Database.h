#pragma once
// The database connection with the program's commit rule: one transaction serves all tables;
// it begins with the first activity and is committed after 100 ms without activity, and when
// the connection closes.
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

    explicit Database(QObject *parent = nullptr);
    ~Database() override;

    void setPath(const QString &path);
    QString path() const { return m_path; }

    // Opens the existing database file; throws DatabaseError when the file is missing, is not
    // a database, or lacks the tables T, M and S. Opening an open connection does nothing.
    void open();
    bool isOpen() const;
    void close(); // commits first

    QSqlDatabase connection() const;

    // Runs a statement inside the current transaction; throws DatabaseError.
    QSqlQuery exec(const QString &sql, const QVariantList &binds = {});
    QSqlQuery prepare(const QString &sql);
    void execPrepared(QSqlQuery &query);

    // Marks database activity: begins the transaction when none runs and restarts the idle timer.
    void activity();
    // Commits the running transaction now (the idle rule does it by itself). Throws DatabaseError.
    void commitNow();

    // Runs f so that either all its changes stay or none: a failure rolls back to the state
    // before it, then calls `afterRollback` (to re-read cached tables) and rethrows.
    void atomically(const std::function<void()> &f, const std::function<void()> &afterRollback = {});
    bool inAtomicBlock() const { return m_savepointDepth > 0; }

signals:
    void commitFailed(const QString &text);

private:
    void onIdle();
    void begin();
    QString failed(const QSqlError &error);

    QString m_path;
    QString m_connectionName;
    QTimer m_idleTimer;
    bool m_inTransaction = false;
    int m_savepointDepth = 0;
    int m_savepointCounter = 0;
};

} // namespace tevo
