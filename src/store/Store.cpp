#include "store/Store.h"

#include "common/Error.h"
#include "common/ErrorSink.h"

#include <QSqlQuery>
#include <QThread>
#include <QTimer>

namespace tevo {

Store::Store(QObject *parent)
    : QObject(parent),
      m_goods(m_db, QStringLiteral("T"), goodsColumns(), QStringLiteral("NPLU")),
      m_messages(m_db, QStringLiteral("M"), messagesColumns(), QStringLiteral("NPLU")),
      m_scales(m_db, QStringLiteral("S"), scalesColumns(), QString())
{
    // Re-read once the failing operation has unwound, not in the middle of it.
    connect(&m_db, &Database::changesLost, this, &Store::rereadTables, Qt::QueuedConnection);
    // Another program's commit, and the connection back after it was lost: read again as soon
    // as the program is idle in its main loop (not inside a message box or another modal loop
    // of an operation, where the next activation reads again).
    // At most one look every kRereadPauseMs: a stream of another program's commits (a read
    // from a scale on another PC) costs a few looks, not one per commit.
    m_lookTimer.setSingleShot(true);
    connect(&m_lookTimer, &QTimer::timeout, this, [this] {
        if (QThread::currentThread()->loopLevel() <= 1)
            guarded([this] { rereadIfChangedElsewhere(); });
    });
    m_sinceLook.start();
    const auto soon = [this] {
        if (!m_lookTimer.isActive())
            m_lookTimer.start(
                int(qBound<qint64>(0, qint64(kRereadPauseMs) - m_sinceLook.elapsed(), qint64(kRereadPauseMs))));
    };
    connect(&m_db, &Database::changedByOthers, this, [this, soon](const QStringList &tables) {
        for (const QString &table : tables)
            m_tablesWanted.insert(table);
        soon();
    });
    // The connection back: everything is read again at once.
    connect(&m_db, &Database::reopened, this, [this] {
        m_rereadWanted = true;
        m_lookTimer.start(0);
    });
    for (Table *t : {&m_goods, &m_messages, &m_scales})
        connect(
            t, &Table::rowChangedElsewhere, this, [t] { guarded([t] { t->refresh(); }); }, Qt::QueuedConnection);
    m_goods.setJournal(&m_journal);
    m_messages.setJournal(&m_journal);
    // The removal of old entries, once a day however long the program runs (each look removes
    // only when the last removal, by any program, is a day old).
    constexpr int kJournalLookMs = 60 * 60 * 1000;
    m_journalTimer.setInterval(kJournalLookMs);
    connect(&m_journalTimer, &QTimer::timeout, this, [this] {
        if (m_db.isOpen() && !m_guard.busy())
            guarded([this] { m_journal.removeOld(); });
    });
}

void Store::storeOpenEdits()
{
    for (Table *t : {&m_goods, &m_messages, &m_scales})
        t->storeOpenEdits();
}

void Store::rereadTables()
{
    if (!m_db.isOpen()) {
        m_rereadWanted = true; // the connection to the server is gone with the changes; read again when it is back
        return;
    }
    for (Table *t : {&m_goods, &m_messages, &m_scales})
        if (t->isOpen() && !m_db.connectionLost())
            guarded([t] { t->refresh(); });
}

bool Store::rereadIfChangedElsewhere()
{
    // Not under a long table operation that processes window events: it reads again itself.
    if (!tablesOpen() || m_guard.busy())
        return false;
    m_sinceLook.start();
    if (!m_db.connectionLost())
        for (const QString &table : m_db.tablesChangedElsewhere())
            m_tablesWanted.insert(table);
    if (m_db.connectionLost()) {
        m_db.open(); // throws the driver's text, once, while the server cannot be reached
        m_rereadWanted = true;
    }
    if (m_rereadWanted)
        m_tablesWanted = {QStringLiteral("T"), QStringLiteral("M"), QStringLiteral("S")};
    m_rereadWanted = false;
    if (m_tablesWanted.isEmpty())
        return false;
    // Only the tables that changed. A table that cannot be read now (the other program commits
    // at this moment) is read at the next look.
    for (Table *t : {&m_goods, &m_messages, &m_scales})
        if (m_tablesWanted.contains(t->tableName()) && !m_db.connectionLost()
            && guarded([t] { t->refresh(); })) // one box when the connection goes
            m_tablesWanted.remove(t->tableName());
    return true;
}

void Store::openTables(const DatabaseLocation &database)
{
    if (!m_db.isOpen()) {
        m_db.setLocation(database);
        m_db.open();
        m_ledger.ensureTables();
        m_journal.ensureTables();
        try {
            m_journal.removeOld();
        } catch (const DatabaseError &) {
            // A database that cannot be written: its journal is kept whole.
        }
        m_journalTimer.start();
    }
    // On a shared server each computer keeps its own selection of the scales and their answers.
    if (!m_scales.isOpen())
        m_scales.keepColumnsPerComputer(m_db.dialect().computerMarksTable().isEmpty()
                                            ? QStringList()
                                            : QStringList{QStringLiteral("U"), QStringLiteral("W")},
                                        Database::computerName());
    m_goods.open();
    m_messages.open();
    m_scales.open();
}

void Store::rebuild(Table &table, int rows)
{
    table.setDetached(true);
    const ChangeJournal::Scope source(m_journal, ChangeSource::Rebuild);
    try {
        m_db.atomically(
            [&] {
                // What is stored goes to the journal before it goes (one statement).
                m_journal.writeRebuild(table, rows);
                m_db.emptyTable(table.tableName());
                m_db.noteTableChanged(table.tableName());
                if (m_rowHook)
                    m_rowHook();
                // The numbered rows in one statement (one round trip to a server, however far).
                m_db.exec(QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %1) "
                                         "INSERT INTO %2 (NPLU) SELECT x FROM n")
                              .arg(rows)
                              .arg(table.tableName()));
            },
            [&] { table.setDetached(false); });
    } catch (...) {
        if (m_db.isOpen()) // without the connection the table is read again once it is back
            table.refresh();
        throw;
    }
    table.setDetached(false);
    table.refresh();
    table.first();
}

void Store::createEmptyGoods() { rebuild(m_goods, kGoodsRowCount); }
void Store::createEmptyMessages() { rebuild(m_messages, kMessagesRowCount); }

int Store::countSelectedScales()
{
    int n = 0;
    for (int r = 0; r < m_scales.count(); ++r)
        if (truthValue(m_scales.text(r, QStringLiteral("U"))))
            ++n;
    m_scales.last();
    return n;
}

} // namespace tevo
