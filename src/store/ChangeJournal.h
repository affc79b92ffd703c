#pragma once
// The change journal: one entry for every field of a goods (T) or message (M) row that a change
// really changed (a value stored again as it was is no entry), with when, the row's number, the
// field, the old and the new value (as text; null for an empty one), where the change came from
// (a grid edit, an import of a file, an automatic load of a file, a read from a scale, a
// rebuild) with its detail (the file, the scale), the program (tevo, tevo-cli), the user and the
// computer; on the server the server's own user name as well. It lives in the table JOURNAL
// beside T and M (made by tevo-initdb, and on open where an older database lacks it) and is
// written in the same transaction as the change itself, with its commit (on the server in the
// same text as the commit), in one statement per kEntriesPerStatement entries: a change taken
// back takes its entries along, and the journal never says what the table does not.
//
// The source is set by the operation for its duration (Scope); without one a change is a grid
// edit. The journal is read back here too: a goods' history, the entries of a period, the value
// of a field at a time, the lowest price over the days before a time. A value at time t is the
// old value of the first entry after t (the journal knows every change since it began), else
// the value stored now. Entries older than the retention period (keepDays, default three years,
// kept in the database for every program) are removed once a day, in one statement. Times are
// milliseconds since 1970 (UTC).
#include "store/Database.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace tevo {

class SqlDialect;
class Table;

enum class ChangeSource { Edit = 1, Import = 2, AutoLoad = 3, ScaleRead = 4, Rebuild = 5 };

// The source's name as the journal window and tevo-cli show it ("правка", "импорт" …), and back.
QString changeSourceName(ChangeSource source);
bool changeSourceFromName(const QString &name, ChangeSource *source);

struct JournalEntry {
    qint64 id = 0;
    qint64 at = 0;
    QString table; // "T" or "M"
    qint64 number = 0;
    QString field;
    QVariant oldValue; // null: empty
    QVariant newValue;
    ChangeSource source = ChangeSource::Edit;
    QString detail;   // the file, the scale
    QString program;  // "tevo", "tevo-cli"
    QString user;     // the user of the computer
    QString computer; // Database::computerName()
    QString dbUser;   // on the server: the server's user; empty on SQLite
};

// What the journal window and tevo-cli ask for; an empty or zero member asks for any.
struct JournalFilter {
    qint64 from = 0; // at >= from
    qint64 to = 0;   // at < to; 0: up to now
    QString table;
    qint64 number = 0;
    QString field;
    int source = 0; // a ChangeSource
    QString detail; // contained in the detail (a file, a scale)
    int limit = 0;  // the newest `limit` entries; 0: all
    bool newestFirst = false;
};

class ChangeJournal {
public:
    static constexpr int kEntriesPerStatement = 1000;
    static constexpr int kEntriesPerStatementOnFile = 50; // SQLite
    static constexpr int kDefaultKeepDays = 3 * 365 + 1;
    static constexpr qint64 kDayMs = 24LL * 60 * 60 * 1000;

    explicit ChangeJournal(Database &db);

    // The statements that make the journal's tables and indexes where they are missing
    // (tevo-initdb, and an older database when it is opened).
    static QStringList createStatements(const SqlDialect &dialect);
    // Makes them in an open database that lacks them (a database that cannot be written keeps
    // working; a change then fails with the database's text, so nothing goes unjournaled).
    void ensureTables();

    // Who changes: the program's name (tevo-cli sets its own), the user and the computer.
    void setProgram(const QString &program) { m_program = program; }
    const QString &program() const { return m_program; }

    // Where the changes come from until it is set again.
    void setSource(ChangeSource source, const QString &detail = QString());
    ChangeSource source() const { return m_source; }
    const QString &detail() const { return m_detail; }
    // Sets the source for its lifetime and sets back the one before it.
    class Scope {
    public:
        Scope(ChangeJournal &journal, ChangeSource source, const QString &detail = QString());
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        ChangeJournal &m_journal;
        ChangeSource m_source;
        QString m_detail;
    };

    // --- written by Table -------------------------------------------------------------------
    // One row before and after a change (values by the table's column; an empty vector: no row).
    struct RowChange {
        QVector<QVariant> before;
        QVector<QVariant> after;
        // When given, only these columns change, and `after` holds their new values in this
        // order (a change of a few fields of a stored row; the rest are not compared).
        QVector<int> columns;
    };
    // The entries the changes make (none for a value stored again as it was).
    QVector<JournalEntry> entriesOf(const Table &table, const QVector<RowChange> &changes) const;
    // Writes them in the running transaction. Throws DatabaseError.
    void write(const QVector<JournalEntry> &entries);
    // Before a rebuild empties `table`: every value stored in it becomes empty (and every row
    // not to be made again goes). One statement, from what is stored. Throws DatabaseError.
    void writeRebuild(const Table &table, int rowsMadeAgain);

    // --- read --------------------------------------------------------------------------------
    QVector<JournalEntry> entries(const JournalFilter &filter);
    // The value of `field` of row `number` at time `at`, given the value stored now.
    QVariant valueAt(const QString &table, qint64 number, const QString &field, qint64 at, const QVariant &now);
    // For every goods number of `currentPrices` (the prices stored now): the lowest price the
    // goods had in the `days` days before `at` (up to `at`); a goods that had no price then is
    // left out. `pricesThen` (when given) gets every goods' price at `at` (null: none).
    QHash<qint64, qint64> lowestPrices(qint64 at, int days, const QHash<qint64, qint64> &currentPrices,
                                       QHash<qint64, QVariant> *pricesThen = nullptr);
    // Since when the journal knows every change (its start, or the bound of the last removal of
    // older entries); 0 when not known.
    qint64 knownSince();

    // --- kept, not endless --------------------------------------------------------------------
    int keepDays();
    void setKeepDays(int days); // Throws DatabaseError; at least 1.
    // Removes the entries (and the deliveries) older than the retention period when the last
    // removal is a day old or more, or when `now` says so; the number of entries removed.
    int removeOld(bool now = false);
    qint64 count(); // entries in the journal

private:
    qint64 sourceRow(ChangeSource source, const QString &detail, const QString &program, const QString &user,
                     const QString &computer);
    qint64 setting(const QString &key, qint64 fallback);
    void setSetting(const QString &key, qint64 value);

    Database &m_db;
    QString m_program = QStringLiteral("tevo");
    QString m_user;
    QString m_computer = Database::computerName();
    ChangeSource m_source = ChangeSource::Edit;
    QString m_detail;
};

} // namespace tevo
