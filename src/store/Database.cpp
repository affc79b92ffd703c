#include "store/Database.h"

#include "common/Error.h"
#include "store/SqliteRules.h"

#include <QFileInfo>
#include <QSqlError>
#include <QStringList>
#include <atomic>

namespace tevo {
namespace {
std::atomic<int> g_connectionCounter{0};

QString errorText(const QSqlError &error)
{
    QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("Unknown database error") : text;
}
} // namespace

Database::Database(QObject *parent) : QObject(parent), m_waitForOthersMs(sqlite::kWorkingBusyTimeoutMs)
{
    m_connectionName = QStringLiteral("tevo-%1").arg(++g_connectionCounter);
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(kIdleCommitMs);
    connect(&m_idleTimer, &QTimer::timeout, this, &Database::onIdle);
}

Database::~Database()
{
    try {
        close();
    } catch (...) {
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

void Database::setPath(const QString &path) { m_path = path; }

void Database::setWaitForOthers(int ms)
{
    m_waitForOthersMs = qMax(0, ms);
    if (isOpen())
        sqlite::setBusyTimeout(connection(), m_waitForOthersMs);
}

bool Database::changedElsewhere()
{
    if (!isOpen())
        return false;
    const qint64 version = sqlite::dataVersion(connection());
    const bool changed = m_dataVersion >= 0 && version >= 0 && version != m_dataVersion;
    m_dataVersion = version;
    return changed;
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase Database::connection() const { return QSqlDatabase::database(m_connectionName, false); }

void Database::open()
{
    if (isOpen())
        return;
    const QFileInfo info(m_path);
    if (!info.exists() || !info.isFile())
        throw DatabaseError(QStringLiteral("Unable to complete network request to host \"localhost\".\n"
                                           "Database file \"%1\" not found")
                                .arg(QFileInfo(m_path).absoluteFilePath()));
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
        ? QSqlDatabase::database(m_connectionName, false)
        : QSqlDatabase::addDatabase(QLatin1String(kDbDriver), m_connectionName);
    db.setDatabaseName(m_path);
    db.setUserName(QLatin1String(kDbUserName));
    db.setPassword(QLatin1String(kDbPassword));
    db.setConnectOptions(sqlite::connectOptions(m_waitForOthersMs));
    if (!db.open())
        throw DatabaseError(errorText(db.lastError()));
    // A file that is not a database fails on its first read.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"))) {
        const QString text = errorText(q.lastError());
        q.finish();
        db.close();
        throw DatabaseError(QStringLiteral("Database file \"%1\" cannot be read: %2").arg(m_path, text));
    }
    QStringList tables;
    while (q.next())
        tables << q.value(0).toString().toUpper();
    q.finish();
    for (const char *t : {"T", "M", "S"}) {
        if (!tables.contains(QLatin1String(t))) {
            db.close();
            throw DatabaseError(QStringLiteral("Table unknown\n%1").arg(QLatin1String(t)));
        }
    }
    m_inTransaction = false;
    m_dataVersion = sqlite::dataVersion(db);
}

void Database::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isOpen())
        return;
    m_idleTimer.stop();
    if (m_inTransaction) {
        m_inTransaction = false;
        sqlite::setBusyTimeout(db, sqlite::kClosingBusyTimeoutMs);
        if (!db.commit()) {
            const QString text = errorText(db.lastError());
            db.rollback();
            db.close();
            throw DatabaseError(text);
        }
    }
    db.close();
}

void Database::begin()
{
    if (m_inTransaction)
        return;
    QSqlDatabase db = connection();
    if (!db.isOpen())
        throw DatabaseError(QStringLiteral("Database not open"));
    if (m_immediate) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
            throwFailure(q.lastError());
    } else if (!db.transaction()) {
        throwFailure(db.lastError());
    }
    m_inTransaction = true;
}

void Database::activity()
{
    begin();
    // While commits fail, new work does not bring the next attempt forward.
    if (m_commitPause == 0)
        m_idleTimer.start(m_idleCommitMs);
    else if (!m_idleTimer.isActive())
        m_idleTimer.start(m_commitPause);
}

void Database::onIdle()
{
    if (m_savepointDepth > 0) {
        m_idleTimer.start(qMax(m_idleCommitMs, 1));
        return;
    }
    tryCommit();
}

QString Database::changesLostText()
{
    return QStringLiteral("База данных сама отменила все изменения после последнего сохранения: они потеряны. "
                          "Таблицы перечитаны из базы данных.");
}

void Database::transactionLost()
{
    m_inTransaction = false;
    m_idleTimer.stop();
    m_commitPause = 0;
    m_commitFailureReported = false;
    emit changesLost();
}

void Database::commitNow()
{
    if (!m_inTransaction || m_savepointDepth > 0)
        return;
    QSqlDatabase db = connection();
    if (db.commit()) {
        m_inTransaction = false;
        m_idleTimer.stop();
        m_commitPause = 0;
        m_commitFailureReported = false;
        return;
    }
    const QSqlError error = db.lastError();
    const QString text = errorText(error);
    if (sqlite::transactionRolledBack(db)) {
        transactionLost();
        throw DatabaseError(text + QLatin1Char('\n') + changesLostText());
    }
    // The changes stay in the open transaction; the commit is tried again after a pause that
    // grows with every failure.
    m_commitPause = m_commitPause == 0 ? 2 * kIdleCommitMs : qMin(2 * m_commitPause, kLongestCommitPauseMs);
    m_idleTimer.start(m_commitPause);
    if (sqlite::isBusy(error))
        throw DatabaseBusyError(text);
    throw DatabaseError(text);
}

bool Database::tryCommit()
{
    try {
        commitNow();
        return true;
    } catch (const DatabaseError &e) {
        if (!m_inTransaction) { // lost: nothing is left to try again
            emit commitFailed(e.text());
        } else if (!m_commitFailureReported) {
            m_commitFailureReported = true;
            emit commitFailed(e.text() + QStringLiteral("\nИзменения пока не сохранены в базе данных; программа "
                                                        "сохранит их, как только база данных освободится."));
        }
        return false;
    }
}

void Database::commitAtEnd()
{
    if (!isOpen())
        return;
    const QSqlDatabase db = connection();
    sqlite::setBusyTimeout(db, sqlite::kClosingBusyTimeoutMs);
    try {
        commitNow();
    } catch (...) {
        sqlite::setBusyTimeout(db, m_waitForOthersMs);
        throw;
    }
    sqlite::setBusyTimeout(db, m_waitForOthersMs);
}

QSqlQuery Database::exec(const QString &sql, const QVariantList &binds)
{
    activity();
    QSqlQuery q(connection());
    if (!q.prepare(sql))
        throwFailure(q.lastError());
    for (int i = 0; i < binds.size(); ++i)
        q.bindValue(i, binds.at(i));
    if (!q.exec())
        throwFailure(q.lastError());
    return q;
}

QSqlQuery Database::prepare(const QString &sql)
{
    activity();
    QSqlQuery q(connection());
    if (!q.prepare(sql))
        throwFailure(q.lastError());
    return q;
}

void Database::execPrepared(QSqlQuery &query)
{
    activity();
    if (!query.exec())
        throwFailure(query.lastError());
}

void Database::throwFailure(const QSqlError &error)
{
    const QString text = failed(error);
    if (sqlite::isBusy(error))
        throw DatabaseBusyError(text);
    throw DatabaseError(text);
}

// The text of a failed statement. A full disk or an I/O error may make SQLite roll the whole
// transaction back by itself; then there is nothing left to commit, the next change begins a
// fresh transaction, and the text says that the changes since the last commit were lost.
QString Database::failed(const QSqlError &error)
{
    const QString text = errorText(error);
    if (m_inTransaction && sqlite::transactionRolledBack(connection())) {
        transactionLost();
        return text + QLatin1Char('\n') + changesLostText();
    }
    return text;
}

void Database::atomically(const std::function<void()> &f, const std::function<void()> &afterRollback)
{
    activity();
    const QString name = QStringLiteral("tevo_sp%1").arg(++m_savepointCounter);
    exec(QStringLiteral("SAVEPOINT ") + name);
    ++m_savepointDepth;
    try {
        f();
    } catch (...) {
        --m_savepointDepth;
        QSqlQuery q(connection());
        if (q.exec(QStringLiteral("ROLLBACK TO ") + name)) {
            q.exec(QStringLiteral("RELEASE ") + name);
        } else if (m_inTransaction) {
            // The savepoint is gone: the database rolled the whole transaction back by itself.
            transactionLost();
        }
        if (afterRollback)
            afterRollback();
        throw;
    }
    --m_savepointDepth;
    exec(QStringLiteral("RELEASE ") + name);
}

} // namespace tevo
