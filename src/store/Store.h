#pragma once
// The data store: the database connection and the tables T (goods), M (messages) and S
// (scales), with the rebuilds of T and M, and the guard that lets one long table operation run
// at a time. When the database rolls its transaction back by itself, every open table is read
// again, so that what the tables show is what is stored.
#include "store/ChangeJournal.h"
#include "store/Database.h"
#include "store/OperationGuard.h"
#include "store/ScaleLedger.h"
#include "store/Table.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <functional>

namespace tevo {

class Store : public QObject {
    Q_OBJECT
public:
    explicit Store(QObject *parent = nullptr);
    // The shortest time between two looks for other programs' changes the server announces.
    static constexpr int kRereadPauseMs = 500;

    Database &database() { return m_db; }
    Table &goods() { return m_goods; }       // TableT
    Table &messages() { return m_messages; } // TableM
    Table &scales() { return m_scales; }     // TableS
    OperationGuard &guard() { return m_guard; }
    // What each scale holds (made in the database on open where it is missing).
    ScaleLedger &ledger() { return m_ledger; }
    // The journal of every change of T and M (made in the database on open where it is
    // missing); the operations set its source. Entries older than its retention period are
    // removed at the open and once a day after.
    ChangeJournal &journal() { return m_journal; }

    // Sets where the database is, unless it is open, and opens T, M and S in this order (open
    // tables stay open). Throws DatabaseError.
    void openTables(const DatabaseLocation &database);
    void openTables(const QString &databasePath) { openTables(DatabaseLocation::file(databasePath)); }
    bool tablesOpen() const { return m_goods.isOpen() && m_messages.isOpen() && m_scales.isOpen(); }

    // Rebuilds T as 4000 rows numbered 1 … 4000 (every other column empty), M as 1000 rows.
    // All or nothing: a failure leaves the old rows and rethrows. The rows go in with one
    // statement; the row hook runs once the old rows are gone (the window handles its events
    // there).
    void createEmptyGoods();
    void createEmptyMessages();
    void setRowHook(std::function<void()> hook) { m_rowHook = std::move(hook); }

    // Number of rows of S whose U is true; leaves S on its last row.
    int countSelectedScales();

    // Asks the views of all three tables to store what is typed into their open editors.
    void storeOpenEdits();
    // Reads every open table again (after the database dropped changes).
    void rereadTables();
    // Reads the open tables again when another program (the command line, another PC) has
    // committed changes since the last look, or the connection lost to the server is back
    // (opening it again here); what is typed into open editors is stored first. True when they
    // were read again. On the server this also happens by itself as soon as another program
    // commits.
    bool rereadIfChangedElsewhere();

private:
    void rebuild(Table &table, int rows);

    Database m_db;
    Table m_goods;
    Table m_messages;
    Table m_scales;
    OperationGuard m_guard;
    ScaleLedger m_ledger{m_db};
    ChangeJournal m_journal{m_db};
    QTimer m_journalTimer; // the daily removal of old entries
    std::function<void()> m_rowHook;
    bool m_rereadWanted = false;  // every table is to be read again (the connection is back)
    QSet<QString> m_tablesWanted; // tables another program changed, not read again yet
    QTimer m_lookTimer;           // the next look for other programs' changes
    QElapsedTimer m_sinceLook;
};

} // namespace tevo
