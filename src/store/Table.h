#pragma once
// One open table of the database with a current row, as the program works with it: rows are
// held in memory in the table's order (T and M by NPLU, S as stored), every change is stored
// at once inside the database's running transaction, and every change is told by a signal
// (a grid follows them through a model of its own).
#include "store/ChangeJournal.h"
#include "store/Schema.h"

#include <QMultiHash>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QVariant>
#include <QVector>
#include <functional>

namespace tevo {

class Database;

using FieldValues = QVector<QPair<QString, QVariant>>;

class Table : public QObject {
    Q_OBJECT
public:
    // orderBy: a column name, or empty for the stored order.
    Table(Database &db, const QString &tableName, const QVector<ColumnDef> &columns, const QString &orderBy,
          QObject *parent = nullptr);

    const QString &tableName() const { return m_name; }
    const QVector<ColumnDef> &columns() const { return m_columns; }
    Database &database() const { return m_db; }
    int columnIndex(const QString &name) const; // case-insensitive; -1 when unknown

    // Columns whose values each computer keeps for itself (the scales' marks on a shared
    // server, in SMARKS under `computer`): read over the shared row's own values where this
    // computer has set them, and written only there, only when they change, without touching
    // the shared row or its version. Empty `columns`: every column is shared.
    void keepColumnsPerComputer(const QStringList &columns, const QString &computer);

    // Every change of a value from now on is journaled (ChangeJournal) in the same savepoint as
    // the change; a rebuild journals itself (Store). Null: none (S).
    void setJournal(ChangeJournal *journal) { m_journal = journal; }

    void open(); // reads all rows; throws DatabaseError
    bool isOpen() const { return m_open; }
    void close();
    // Re-reads the rows; the current position stays (clamped). Edits still open elsewhere are
    // stored first (openEditsWanted).
    void refresh();
    // Asks whoever holds an edit of the rows not stored yet (a grid's open editor) to store it
    // now; a re-read, a detach and the delete of all rows ask by themselves.
    void storeOpenEdits() { emit openEditsWanted(); }

    int count() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    // --- values; `row` is a 0-based position in the table's order ---
    QVariant value(int row, const QString &column) const;
    QString text(int row, const QString &column) const; // null gives ""
    bool isNull(int row, const QString &column) const;
    // Stores one value; for a whole-number column a text is converted (an empty text makes the
    // column empty) and a bad text throws ConversionError "'%s' is not a valid integer value
    // for field '%s'". Throws DatabaseError when the statement fails.
    void setValue(int row, const QString &column, const QVariant &value);
    // The value `value` becomes when stored in `column` (by index): null for an empty text,
    // a number for a whole-number column; throws ConversionError as setValue does.
    QVariant convertedValue(int column, const QVariant &value) const;
    // Stores several values of one row with one statement; converted first, so a bad value
    // leaves the row unchanged. A row that another program changed or deleted since it was read
    // (on the server) is not overwritten: DatabaseError naming the row, and the table is read
    // again (rowChangedElsewhere). The same holds for deleteRow.
    void setValues(int row, const FieldValues &values);
    // Changes of many rows stored together (the imports): the same as setValues row after row,
    // but on the server many rows go in one statement. `fill` adds the rows to `changes`; when
    // it or a row fails, the rows before the failing one are stored, that row and the ones after
    // it are not, and the failure is thrown.
    class Changes {
    public:
        // Converts the values at once (a bad value throws); the row is stored with the next
        // rows, at the latest when changeRows ends.
        void add(int row, const FieldValues &values);

    private:
        friend class Table;
        explicit Changes(Table &table) : m_table(table) {}
        void store();
        struct Item {
            int row;
            QVector<QPair<int, QVariant>> values; // by column index; the same columns in every item
            // Who made the change, for the journal (queueValues: as it stood when the row was
            // gathered).
            ChangeSource source = ChangeSource::Edit;
            QString detail;
        };
        Table &m_table;
        QVector<Item> m_items;
        QSet<int> m_rows;
    };
    void changeRows(const std::function<void(Changes &changes)> &fill);
    // Values of one row stored with the next commit (a read from a scale, record after record):
    // on a server the rows gathered go many in one statement just before the commit (and
    // before any other change, insert, delete or re-read of the table); elsewhere, and for a
    // table that keeps columns per computer, at once as setValues. Converted at once (a bad
    // value throws); shown once stored. When a gathered row cannot be stored (another program
    // changed it, the statement fails), the running transaction is taken back whole and the
    // loss told (Database::changesLost), so nothing shows as stored that is not.
    void queueValues(int row, const FieldValues &values);
    // Stores the rows queueValues gathered, now.
    void storeQueued();
    int appendRow(const FieldValues &values); // inserts a row; returns its position (the last)
    // Inserts the rows at the end, in order; on a server many in one statement (each a round
    // trip, however far the server is). A failure throws with the rows before it inserted.
    void appendRows(const QVector<FieldValues> &rows);
    void deleteRow(int row);
    void deleteAll(); // "delete from <table>"
    qint64 rowId(int row) const;
    // The position of the row with this rowid, -1 when there is none.
    int rowWithId(qint64 rowid) const;

    // --- the current row ---
    int currentRow() const { return m_current; } // -1 when the table is empty
    int recNo() const { return m_current + 1; }
    void setCurrentRow(int row); // clamped into the table
    void moveToRecNo(int recNo) { setCurrentRow(recNo - 1); }
    void first() { setCurrentRow(0); }
    void last() { setCurrentRow(count() - 1); }
    QVariant currentValue(const QString &column) const { return value(m_current, column); }

    // While detached the table tells of no change (table rebuilds): detaching and attaching
    // again are each told as a reset, and while detached the table is to be shown empty.
    void setDetached(bool detached);
    bool isDetached() const { return m_detached; }

signals:
    void currentRowChanged(int row);
    // The rows are about to be re-read or replaced: an edit still open elsewhere is stored now.
    void openEditsWanted();
    // A change found its row changed or deleted by another program: the table is to be read again.
    void rowChangedElsewhere();

    // What changed, as it changes (none while detached). Every "about to" is followed by its
    // pair; between the two the rows are not to be read.
    void aboutToReset(); // the rows are re-read, deleted, closed, detached or attached
    void reset();
    void valuesChanged(int firstRow, int lastRow); // values of these rows, all columns
    void rowsAboutToBeInserted(int first, int last);
    void rowsInserted(int first, int last);
    void rowsAboutToBeRemoved(int first, int last);
    void rowsRemoved(int first, int last);

private:
    struct Row {
        qint64 rowid = -1;
        qint64 version = -1; // as read (SqlDialect::rowVersion); -1 where the engine keeps none
        QVector<QVariant> values;
    };
    using ConvertedValues = QVector<QPair<int, QVariant>>; // by column index
    ConvertedValues converted(const FieldValues &values) const;
    void storeConverted(int row, const ConvertedValues &values);
    void storeMany(const QVector<Changes::Item> &items);
    int requireColumn(const QString &name) const;
    void checkRow(int row) const;
    void loadRows();
    [[noreturn]] void changedElsewhere(int row);
    QString versionCheck(const Row &r, QVariantList &binds) const;
    void storeOwn(const Row &r, ConvertedValues own);
    bool ownColumn(int column) const;
    void loadOwn(QVector<Row> &rows);

    Database &m_db;
    QString m_name;
    QVector<ColumnDef> m_columns;
    QString m_orderBy;
    QVector<Row> m_rows;
    int m_current = -1;
    bool m_open = false;
    bool m_detached = false;
    QVector<Changes::Item> m_queued; // queueValues, in the order given
    QSet<int> m_queuedRows;
    ChangeJournal::RowChange rowChange(int row, const ConvertedValues &values) const;
    QVector<JournalEntry> journalEntries(const QVector<ChangeJournal::RowChange> &rows) const;
    void journaled(const QVector<ChangeJournal::RowChange> &rows, const std::function<void()> &change);
    QVector<QVariant> takeRemoved(const QVector<QVariant> &added);
    void journalRemovedLeft();
    void journalWrite(const QVector<JournalEntry> &entries);
    void flushJournal();
    // Within a change of many rows the entries are gathered and written in one go at its end (in
    // the same transaction, before anything else can commit); a failure of the change still
    // writes those of the rows it stored.
    class JournalBatch {
    public:
        explicit JournalBatch(Table &table) : m_table(table) { ++table.m_journalBatching; }
        ~JournalBatch();
        JournalBatch(const JournalBatch &) = delete;
        JournalBatch &operator=(const JournalBatch &) = delete;
        void end();

    private:
        Table &m_table;
        bool m_ended = false;
    };

    QVector<bool> m_own; // by column: kept per computer (keepColumnsPerComputer)
    ChangeJournal *m_journal = nullptr;
    // The rows deleteAll removed, until the rows added after it are journaled against them by
    // number (a replacement of the table journals what changed, not every row twice).
    QMultiHash<qint64, QVector<QVariant>> m_removed; // by number
    QVector<JournalEntry> m_journalBatch;
    int m_journalBatching = 0;
    QString m_computer;
};

} // namespace tevo
