#include "store/Database.h"

#include "common/Error.h"
#include "store/CommandLineMark.h"
#include "store/ServerScript.h"
#include "store/SqlDialect.h"

#include <algorithm>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QSqlError>
#include <QStringList>
#include <QSysInfo>
#include <atomic>

namespace {
// The texts of this unit, translated under the context "Database".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Database)
};
} // namespace

namespace tevo {
namespace {
std::atomic<int> g_connectionCounter{0};

// The savepoint a single statement runs in where a failed statement spoils the transaction.
const QString kStatementSavepoint = QStringLiteral("tevo_statement");
} // namespace

Database::Database(QObject *parent) : QObject(parent), m_dialect(&SqlDialect::of(DatabaseEngine::Sqlite))
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

void Database::setLocation(const DatabaseLocation &location)
{
    m_location = location;
    m_dialect = &SqlDialect::of(location.engine());
}

void Database::setLockWait(LockWait wait)
{
    m_lockWait = wait;
    if (isOpen())
        m_dialect->setLockWait(connection(), wait);
}

// The server's answer to what follows in the caller's scope is waited for at most the limit.
ServerDeadline::Scope Database::answerLimit(const QSqlDatabase &db) { return {m_deadline, db, m_answerLimitMs}; }

void Database::noteChange()
{
    m_wrote = true;
    ++m_changesInTransaction;
}

QString Database::computerName()
{
    const QString named = qEnvironmentVariable("TEVO_COMPUTER_NAME").trimmed();
    if (!named.isEmpty())
        return named;
    const QString host = QSysInfo::machineHostName();
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

QStringList Database::tablesChangedElsewhere()
{
    static const QStringList all = {QStringLiteral("T"), QStringLiteral("M"), QStringLiteral("S")};
    if (!m_opened)
        return {};
    QVector<qint64> counters;
    if (isOpen()) {
        const auto limit = answerLimit(connection());
        counters = m_dialect->changeCounters(connection());
    }
    if (counters.isEmpty() && m_dialect->connectionLost(connection(), QSqlError())) {
        // The server went away since the last statement: the next one opens the connection
        // again. Changes not yet committed are gone with it, which is told.
        const bool changes = m_inTransaction && m_wrote;
        connectionGone();
        if (changes)
            throw DatabaseError(connectionLostText());
        return all;
    }
    QStringList changed;
    if (counters.size() == all.size() && m_changeCounters.size() == all.size())
        for (int i = 0; i < all.size(); ++i)
            if (counters[i] != m_changeCounters[i])
                changed << all[i];
    m_changeCounters = counters;
    return changed;
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && QSqlDatabase::database(m_connectionName, false).isOpen();
}

bool Database::hasTables(const QStringList &names) const
{
    QSet<QString> present;
    for (const QString &t : connection().tables())
        present.insert(t.toUpper());
    return std::all_of(names.begin(), names.end(), [&](const QString &n) { return present.contains(n.toUpper()); });
}

QSqlDatabase Database::connection() const { return QSqlDatabase::database(m_connectionName, false); }

void Database::open()
{
    if (isOpen())
        return;
    m_statements.clear(); // prepared on a connection that is gone
    if (QSqlDatabase::contains(m_connectionName)
        && QSqlDatabase::database(m_connectionName, false).driverName() != m_dialect->driverName())
        QSqlDatabase::removeDatabase(m_connectionName); // the other engine was in use
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
                          ? QSqlDatabase::database(m_connectionName, false)
                          : QSqlDatabase::addDatabase(m_dialect->driverName(), m_connectionName);
    m_dialect->configure(db, m_location);
    if (!db.open())
        throw DatabaseError(m_dialect->errorText(db.lastError()));
    QStringList tables;
    try {
        m_dialect->prepareSession(db);
        if (m_lockWait != LockWait::Working)
            m_dialect->setLockWait(db, m_lockWait);
        tables = m_dialect->tables(db);
    } catch (const DatabaseError &) {
        db.close();
        throw;
    }
    for (const char *t : {"T", "M", "S"}) {
        if (!tables.contains(QLatin1String(t))) {
            db.close();
            throw DatabaseError(Tr::tr("Table unknown\n%1").arg(QLatin1String(t)));
        }
    }
    if (!tables.contains(QLatin1String("SMARKS")) && !m_dialect->computerMarksTable().isEmpty()) {
        // A database made before the computers kept their own marks of the scales gains the
        // table for them (two programs adding it at once: the second finds it there).
        QSqlQuery q(db);
        bool made = db.transaction();
        for (const QString &sql : m_dialect->computerMarksTable())
            made = made && q.exec(sql);
        const QSqlError error = q.lastError();
        if (!made || !db.commit()) {
            db.rollback();
            if (!m_dialect->tables(db).contains(QLatin1String("SMARKS"))) {
                db.close();
                throw DatabaseError(m_dialect->errorText(error.isValid() ? error : db.lastError()));
            }
        }
    }
    m_inTransaction = false;
    m_wrote = false;
    m_changeCounters = m_dialect->changeCounters(db);
    const QString channel = m_dialect->changesChannel();
    if (!channel.isEmpty()) {
        // Without the announcements the window still sees other programs' changes at its
        // next activation (changedElsewhere).
        connect(db.driver(), &QSqlDriver::notification, this, &Database::onNotification, Qt::UniqueConnection);
        db.driver()->subscribeToNotification(channel);
    }
    m_opened = true;
    if (m_connectionLost) {
        m_connectionLost = false;
        emit reopened();
    }
}

void Database::onNotification(const QString &name, QSqlDriver::NotificationSource source, const QVariant &payload)
{
    if (source == QSqlDriver::SelfSource || name != m_dialect->changesChannel())
        return;
    // The tables the commit changed; all three when it does not say (an older program).
    if (payload.toString() == QLatin1String("-"))
        return;
    QStringList tables;
    for (const QString &t : payload.toString().split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (t == QLatin1String("T") || t == QLatin1String("M") || t == QLatin1String("S"))
            tables << t;
    if (tables.isEmpty())
        tables = QStringList{QStringLiteral("T"), QStringLiteral("M"), QStringLiteral("S")};
    emit changedByOthers(tables);
}

void Database::noteTableChanged(const QString &table)
{
    if (!m_tablesChanged.contains(table))
        m_tablesChanged << table;
}

// Announces this transaction's changes to the other programs; the server sends the
// announcement when, and only if, the transaction commits. A failed announcement costs only
// itself: the others then see the changes at their next activation.
QString Database::announcement()
{
    const QString channel = m_dialect->changesChannel();
    if (!m_wrote || channel.isEmpty())
        return {};
    QStringList tables = std::exchange(m_tablesChanged, {});
    tables.sort();
    // "-": none of them (only the ledger of the scales, say).
    return QStringLiteral("NOTIFY %1, '%2'")
        .arg(channel, tables.isEmpty() ? QStringLiteral("-") : tables.join(QLatin1Char(',')));
}

void Database::announceChanges()
{
    const QString notify = announcement();
    if (notify.isEmpty())
        return;
    try {
        exec(notify);
    } catch (const DatabaseError &) {
        if (!m_inTransaction)
            throw; // the transaction is gone with the connection
    }
}

// The connection to the server is gone: it is closed, and the next open makes it again.
void Database::connectionGone(const QString &reason)
{
    m_connectionLost = true;
    QSqlDatabase db = connection();
    db.close();
    m_statements.clear();    // after the close: nothing is sent to the lost server
    transactionLost(reason); // whatever ran is lost with the connection
}

QString Database::connectionLostText()
{
    return Tr::tr("Связь с сервером базы данных потеряна: изменения после последнего сохранения не сохранены. "
                  "Программа соединится с сервером снова при следующем действии с базой данных или при "
                  "активации окна и перечитает таблицы.");
}

void Database::close()
{
    m_opened = false;
    m_connectionLost = false;
    m_statements.clear();
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isOpen())
        return;
    if (m_inTransaction)
        runBeforeCommit();
    if (m_inTransaction)
        flushWithCommit();
    if (m_inTransaction)
        announceChanges();
    m_idleTimer.stop();
    if (m_inTransaction) {
        m_inTransaction = false;
        m_dialect->setLockWait(db, LockWait::Closing);
        const auto limit = answerLimit(db);
        if (!db.commit()) {
            const QString text = m_dialect->errorText(db.lastError());
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
    if (!isOpen() && m_opened) {
        // Again after the connection was lost (the driver may have found it broken on its
        // own); throws the driver's text while it is still gone. Statements that follow a
        // failed attempt closely (the answers of a connection check) do not wait for another.
        m_connectionLost = true;
        if (!m_lastReopenFailure.isEmpty() && m_reopenClock.isValid() && m_reopenClock.elapsed() < kReopenPauseMs)
            throw DatabaseError(m_lastReopenFailure);
        try {
            open();
        } catch (const DatabaseError &e) {
            m_lastReopenFailure = e.text();
            m_reopenClock.start();
            throw;
        }
        m_lastReopenFailure.clear();
    }
    QSqlDatabase db = connection();
    if (!db.isOpen())
        throw DatabaseError(Tr::tr("Database not open"));
    QSqlError error;
    bool begun = false;
    {
        const auto limit = answerLimit(db);
        begun = m_writing ? m_dialect->beginWriting(db, error) : db.transaction();
    }
    if (!begun)
        throwFailure(m_writing ? error : db.lastError());
    m_inTransaction = true;
    m_wrote = false;
    m_stored = false;
    m_withCommit.clear();
    m_changesInTransaction = 0;
    m_transactionAge.start();
}

void Database::activity()
{
    begin();
    // While commits fail, new work does not bring the next attempt forward.
    if (m_commitPause != 0) {
        if (!m_idleTimer.isActive())
            m_idleTimer.start(m_commitPause);
        return;
    }
    // A stream of changes (the records of a read from a scale) is committed at least once a
    // second and every kMostChangesPerCommit changes, not held in one transaction to its end.
    qint64 wait = m_idleCommitMs;
    if (m_idleCommitMs <= kLongestTransactionMs)
        wait = m_changesInTransaction >= kMostChangesPerCommit
                   ? 0
                   : qBound<qint64>(0, kLongestTransactionMs - m_transactionAge.elapsed(), wait);
    m_idleTimer.start(int(wait));
}

void Database::addBeforeCommit(QObject *owner, std::function<void()> step)
{
    m_beforeCommit.append({owner, std::move(step)});
    connect(owner, &QObject::destroyed, this, [this, owner] {
        m_beforeCommit.erase(std::remove_if(m_beforeCommit.begin(), m_beforeCommit.end(),
                                            [owner](const auto &s) { return s.first == owner; }),
                             m_beforeCommit.end());
    });
}

void Database::runBeforeCommit()
{
    for (const auto &step : m_beforeCommit)
        step.second();
}

void Database::abandonTransaction(const QString &reason)
{
    if (!m_inTransaction)
        return;
    QSqlDatabase db = connection();
    if (db.isOpen()) {
        const auto limit = answerLimit(db);
        db.rollback();
    }
    transactionLost(reason);
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
    return Tr::tr("База данных сама отменила все изменения после последнего сохранения: они потеряны. "
                  "Таблицы перечитаны из базы данных.");
}

void Database::transactionLost(const QString &reason)
{
    m_lossReason = reason;
    m_tablesChanged.clear();
    m_withCommit.clear();
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
    runBeforeCommit();
    if (!m_inTransaction)
        return; // lost on the way, and told
    if (commitWithScript())
        return;
    flushWithCommit();
    announceChanges();
    QSqlDatabase db = connection();
    bool done = false;
    {
        const auto limit = answerLimit(db);
        done = db.commit();
    }
    if (done) {
        m_inTransaction = false;
        m_stored = false;
        m_idleTimer.stop();
        m_commitPause = 0;
        m_commitFailureReported = false;
        // This program's own changes are no news to it; another program's commit made just
        // now is announced by its own notification.
        if (m_wrote && !m_dialect->changesChannel().isEmpty())
            m_changeCounters = m_dialect->changeCounters(db);
        const bool wrote = std::exchange(m_wrote, false);
        if (wrote)
            emit committed();
        return;
    }
    const QSqlError error = db.lastError();
    const QString text = answerLimitText(m_dialect->errorText(error));
    if (m_dialect->connectionLost(db, error)) {
        connectionGone(text);
        throw DatabaseError(text + QLatin1Char('\n') + connectionLostText());
    }
    if (m_dialect->transactionLostAfterFailedCommit(db)) {
        transactionLost(text);
        throw DatabaseError(text + QLatin1Char('\n') + changesLostText());
    }
    // The changes stay in the open transaction; the commit is tried again after a pause that
    // grows with every failure.
    m_commitPause = m_commitPause == 0 ? 2 * kIdleCommitMs : qMin(2 * m_commitPause, kLongestCommitPauseMs);
    m_idleTimer.start(m_commitPause);
    if (m_dialect->lockedByOthers(error))
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
            // Another program's lock: named as what it is (the window, a command, another program).
            const QString holder = dynamic_cast<const DatabaseBusyError *>(&e)
                                       ? Tr::tr("\nБазу данных держит %1.").arg(databaseHolder(m_location))
                                       : QString();
            emit commitFailed(e.text() + holder
                              + Tr::tr("\nИзменения пока не сохранены в базе данных; программа "
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
    m_dialect->setLockWait(db, LockWait::Closing);
    try {
        commitNow();
    } catch (...) {
        m_dialect->setLockWait(db, m_lockWait);
        throw;
    }
    m_dialect->setLockWait(db, m_lockWait);
}

void Database::emptyTable(const QString &table)
{
    QElapsedTimer clock;
    clock.start();
    for (const QString &statement : m_dialect->emptyTable(table))
        exec(statement);
    m_lastEmptyWaitMs = clock.elapsed();
}

QSqlQuery Database::exec(const QString &sql, const QVariantList &binds)
{
    activity();
    QSqlQuery q(connection());
    // Savepoint statements are never wrapped: releasing the wrapping savepoint would release
    // the one they make. Nor is the announcement of a commit, a round trip saved on every
    // commit: should it fail, the transaction it spoils is told lost as any other.
    const bool control = sql.startsWith(QLatin1String("SAVEPOINT ")) || sql.startsWith(QLatin1String("RELEASE "))
                         || sql.startsWith(QLatin1String("NOTIFY "));
    const bool change = !control && !sql.startsWith(QLatin1String("SELECT "), Qt::CaseInsensitive);
    if (change)
        noteChange();
    run(q, control, [&] {
        if (binds.isEmpty())
            return q.exec(sql);
        if (!q.prepare(sql))
            return false;
        for (int i = 0; i < binds.size(); ++i)
            q.bindValue(i, binds.at(i));
        return q.exec();
    });
    m_stored = m_stored || change;
    return q;
}

void Database::change(const QString &sql, const QVariantList &binds) { runKept(sql, binds); }

qint64 Database::insert(const QString &sql, const QVariantList &binds, qint64 *version)
{
    QSqlQuery &q = runKept(sql + m_dialect->returningKey(), binds);
    const qint64 key = m_dialect->insertedKey(q);
    if (version)
        *version = m_dialect->rowVersion().isEmpty() || !q.isValid() ? -1 : q.value(1).toLongLong();
    q.finish();
    return key;
}

bool Database::changeReturning(const QString &sql, const QVariantList &binds, qint64 &value)
{
    QSqlQuery &q = runKept(sql, binds);
    const bool changed = q.next();
    if (changed)
        value = q.value(0).toLongLong();
    q.finish();
    return changed;
}

QVector<QPair<qint64, qint64>> Database::changeReturningRows(const QString &sql, const QVariantList &binds)
{
    QSqlQuery &q = runKept(sql, binds);
    QVector<QPair<qint64, qint64>> rows;
    while (q.next())
        rows.append({q.value(0).toLongLong(), q.value(1).toLongLong()});
    q.finish();
    return rows;
}

// A statement of change is prepared once and kept for the next run of the same text: the row
// changes of an import repeat a handful of texts, and the server then takes each row in one
// round trip instead of three.
QSqlQuery &Database::runKept(const QString &sql, const QVariantList &binds)
{
    activity();
    noteChange();
    auto kept = m_statements.find(sql);
    if (kept == m_statements.end()) {
        auto q = std::make_unique<QSqlQuery>(connection());
        run(*q, false, [&] { return q->prepare(sql); }); // the server checks the statement when it is prepared
        if (m_statements.size() >= kKeptStatements)
            m_statements.clear();
        kept = m_statements.emplace(sql, std::move(q)).first;
    }
    QSqlQuery &q = *kept->second;
    for (int i = 0; i < binds.size(); ++i)
        q.bindValue(i, binds.at(i));
    run(q, false, [&] { return q.exec(); });
    m_stored = true;
    return q;
}

QSqlQuery Database::prepare(const QString &sql)
{
    activity();
    QSqlQuery q(connection());
    run(q, false, [&] { return q.prepare(sql); }); // the server checks the statement when it is prepared
    return q;
}

void Database::execPrepared(QSqlQuery &query)
{
    activity();
    noteChange();
    run(query, false, [&] { return query.exec(); });
    m_stored = true;
}

// Runs one statement of `query`, which fails by returning false, and throws DatabaseError with
// its text. Where a failed statement spoils the whole transaction (the server), a statement
// outside an atomic block runs in a savepoint of its own, so that its failure takes back that
// statement only and the transaction's earlier changes stay, as on SQLite.
void Database::run(QSqlQuery &query, bool control, const std::function<bool()> &statement)
{
    const auto limit = answerLimit(connection());
    const bool guarded = !control && guardStatement();
    // Unguarded on the server: its failure spoils the transaction, which holds nothing yet.
    const bool bare = !control && !guarded && m_savepointDepth == 0 && m_dialect->failureSpoilsTransaction()
                      && m_inTransaction && nothingStored();
    const bool ok = statement();
    const bool undone = guarded ? endStatementGuard(!ok) : true;
    if (!ok)
        throwFailure(query.lastError(), undone, bare);
}

void Database::throwFailure(const QSqlError &error, bool statementUndone, bool bare)
{
    const QString text = failed(error, statementUndone, bare);
    if (m_dialect->lockedByOthers(error))
        throw DatabaseBusyError(text);
    throw DatabaseError(text);
}

bool Database::guardStatement()
{
    if (!m_dialect->failureSpoilsTransaction() || m_savepointDepth > 0 || !m_inTransaction || nothingStored())
        return false;
    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("SAVEPOINT ") + kStatementSavepoint))
        throw DatabaseError(failed(q.lastError(), false));
    return true;
}

// Ends the savepoint of one statement; after a failed statement true when it is taken back.
bool Database::endStatementGuard(bool failedStatement)
{
    QSqlQuery q(connection());
    if (failedStatement)
        return q.exec(QStringLiteral("ROLLBACK TO ") + kStatementSavepoint)
               && q.exec(QStringLiteral("RELEASE ") + kStatementSavepoint);
    if (!q.exec(QStringLiteral("RELEASE ") + kStatementSavepoint))
        throw DatabaseError(failed(q.lastError(), false));
    return true;
}

// The text of a failed statement. A full disk or an I/O error may make SQLite roll the whole
// transaction back by itself, and a lost connection takes the server's transaction along; then
// there is nothing left to commit, the next change begins a fresh transaction, and the text
// says that the changes since the last commit were lost. `statementUndone` is false when the
// failed statement could not be taken back alone: the transaction is ended.
// The driver's text, or the server's silence when the answer limit ran out.
QString Database::answerLimitText(const QString &driverText)
{
    if (!m_deadline.ranOut())
        return driverText;
    return Tr::tr("Сервер базы данных не ответил за %1 с.")
        .arg(QString::number(m_answerLimitMs / 1000.0, 'g', 3).replace(QLatin1Char('.'), QLatin1Char(',')));
}

QString Database::failed(const QSqlError &error, bool statementUndone, bool bare)
{
    const QString text = answerLimitText(m_dialect->errorText(error));
    QSqlDatabase db = connection();
    if (m_dialect->connectionLost(db, error)) {
        connectionGone(text);
        return text + QLatin1Char('\n') + connectionLostText();
    }
    if (!m_inTransaction)
        return text;
    if (bare) {
        rollbackUnstored();
        return text;
    }
    if (!statementUndone) {
        if (db.isOpen())
            db.rollback();
    } else if (!m_dialect->transactionLostAfterFailure(db)) {
        return text;
    }
    transactionLost(text);
    return text + QLatin1Char('\n') + changesLostText();
}

void Database::atomically(const std::function<void()> &f, const std::function<void()> &afterRollback)
{
    activity();
    // On the server, before the transaction's first change the transaction is the savepoint.
    const bool whole = m_dialect->failureSpoilsTransaction() && m_savepointDepth == 0 && nothingStored();
    const qsizetype withCommit = m_withCommit.size();
    const QString name = whole ? QString() : QStringLiteral("tevo_sp%1").arg(++m_savepointCounter);
    if (!whole)
        exec(QStringLiteral("SAVEPOINT ") + name);
    ++m_savepointDepth;
    try {
        f();
    } catch (...) {
        --m_savepointDepth;
        if (whole) {
            if (m_inTransaction)
                rollbackUnstored();
        } else {
            QSqlQuery q(connection());
            const auto limit = answerLimit(connection());
            if (q.exec(QStringLiteral("ROLLBACK TO ") + name)) {
                q.exec(QStringLiteral("RELEASE ") + name);
            } else if (m_inTransaction) {
                // The savepoint is gone: the database rolled the whole transaction back by itself.
                transactionLost();
            }
        }
        if (m_withCommit.size() > withCommit)
            m_withCommit.resize(withCommit);
        if (afterRollback) {
            try {
                afterRollback();
            } catch (const DatabaseError &) {
                // Without the connection the tables are read again once it is back; the
                // failure told is the one that ended the block.
                if (isOpen())
                    throw;
            }
        }
        throw;
    }
    --m_savepointDepth;
    if (!whole)
        exec(QStringLiteral("RELEASE ") + name);
}

// In a transaction on the server that has not carried out a change yet.
bool Database::nothingStored() const { return m_inTransaction && !m_stored && m_withCommit.isEmpty(); }

// Ends a transaction that holds no change: nothing is lost, and nothing is told.
void Database::rollbackUnstored()
{
    QSqlDatabase db = connection();
    if (db.isOpen()) {
        const auto limit = answerLimit(db);
        db.rollback();
    }
    m_inTransaction = false;
    m_stored = false;
    m_tablesChanged.clear();
    m_withCommit.clear();
    m_idleTimer.stop();
}

void Database::writeWithCommit(const QString &sql, const QVariantList &binds, bool keep)
{
    activity();
    noteChange();
    m_withCommit.append({{sql, keep}, binds});
}

void Database::flushWithCommit()
{
    // Each is dropped once carried out: a failure leaves the rest for the next attempt.
    while (m_inTransaction && !m_withCommit.isEmpty()) {
        const auto [statement, binds] = m_withCommit.front();
        if (statement.second)
            change(statement.first, binds);
        else
            exec(statement.first, binds);
        if (!m_withCommit.isEmpty())
            m_withCommit.removeFirst();
    }
}

// On the server: the statements that go with the commit, the announcement, the commit and the
// change counters after it, in one text and one wait. False where there is no such text.
bool Database::commitWithScript()
{
    QSqlDatabase db = connection();
    const QString counters = m_dialect->changeCountersQuery();
    if (!m_wrote || counters.isEmpty() || !canSendServerScript(db))
        return false;
    QStringList statements;
    for (const auto &[statement, binds] : std::as_const(m_withCommit)) {
        const QString text = withServerLiterals(db, statement.first, binds);
        if (text.isNull())
            return false; // sent with their values bound, then committed as usual
        statements << text;
    }
    m_withCommit.clear();
    const QString notify = announcement();
    if (!notify.isEmpty())
        statements << notify;
    const int commitAt = int(statements.size());
    statements << QStringLiteral("COMMIT") << counters;
    ServerScriptAnswer answer;
    {
        const auto limit = answerLimit(db);
        answer = sendServerScript(db, statements);
    }
    for (const auto &a : answer.announcements)
        onNotification(a.channel, a.own ? QSqlDriver::SelfSource : QSqlDriver::OtherSource, a.payload);
    if (answer.done > commitAt) {
        m_inTransaction = false;
        m_stored = false;
        m_idleTimer.stop();
        m_commitPause = 0;
        m_commitFailureReported = false;
        // This program's own changes are no news to it; without the counters (the commit went
        // through, their query did not) the next look reads the tables again.
        if (answer.done == statements.size())
            m_changeCounters = m_dialect->changeCountersOf(answer.rows);
        m_wrote = false;
        emit committed();
        return true;
    }
    // Whatever failed, the server's transaction is over or spoilt: it is rolled back, and the
    // changes in it are lost, as when the commit itself fails.
    const QString text = answerLimitText(m_dialect->errorText(answer.error));
    if (m_dialect->connectionLost(db, answer.error)) {
        connectionGone(text);
        throw DatabaseError(text + QLatin1Char('\n') + connectionLostText());
    }
    if (answer.done < commitAt) {
        const auto limit = answerLimit(db);
        db.rollback();
    }
    transactionLost(text);
    throw DatabaseError(text + QLatin1Char('\n') + changesLostText());
}

} // namespace tevo
