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
    const auto soon = [this] {
        m_rereadWanted = true;
        QTimer::singleShot(0, this, [this] {
            if (QThread::currentThread()->loopLevel() <= 1)
                guarded([this] { rereadIfChangedElsewhere(); });
        });
    };
    connect(&m_db, &Database::changedByOthers, this, soon);
    connect(&m_db, &Database::reopened, this, soon);
    for (Table *t : {&m_goods, &m_messages, &m_scales})
        connect(
            t, &Table::rowChangedElsewhere, this, [t] { guarded([t] { t->refresh(); }); }, Qt::QueuedConnection);
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
    if (!m_db.connectionLost() && m_db.changedElsewhere())
        m_rereadWanted = true;
    if (m_db.connectionLost()) {
        m_db.open(); // throws the driver's text, once, while the server cannot be reached
        m_rereadWanted = true;
    }
    if (!m_rereadWanted)
        return false;
    // A table that cannot be read now (the other program commits at this moment) is read at
    // the next look.
    bool all = true;
    for (Table *t : {&m_goods, &m_messages, &m_scales})
        all = !m_db.connectionLost() && guarded([t] { t->refresh(); }) && all; // one box when the connection goes
    m_rereadWanted = !all;
    return true;
}

void Store::openTables(const DatabaseLocation &database)
{
    if (!m_db.isOpen()) {
        m_db.setLocation(database);
        m_db.open();
        m_ledger.ensureTables();
    }
    m_goods.open();
    m_messages.open();
    m_scales.open();
}

void Store::rebuild(Table &table, int rows)
{
    table.setDetached(true);
    try {
        m_db.atomically(
            [&] {
                m_db.emptyTable(table.tableName());
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
