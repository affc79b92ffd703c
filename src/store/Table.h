#pragma once
// One open table of the database with a current row, as the program works with it: rows are
// held in memory in the table's order (T and M by NPLU, S as stored), every change is stored
// at once inside the database's running transaction, and the grids show the table through
// the Qt model interface.
#include "store/Schema.h"

#include <QAbstractTableModel>
#include <QPair>
#include <QSet>
#include <QVariant>
#include <QVector>
#include <functional>

namespace tevo {

class Database;

using FieldValues = QVector<QPair<QString, QVariant>>;

class Table : public QAbstractTableModel {
    Q_OBJECT
public:
    // orderBy: a column name, or empty for the stored order.
    Table(Database &db, const QString &tableName, const QVector<ColumnDef> &columns, const QString &orderBy,
          QObject *parent = nullptr);

    const QString &tableName() const { return m_name; }
    const QVector<ColumnDef> &columns() const { return m_columns; }
    Database &database() const { return m_db; }
    int columnIndex(const QString &name) const; // case-insensitive; -1 when unknown

    void open(); // reads all rows; throws DatabaseError
    bool isOpen() const { return m_open; }
    void close();
    // Re-reads the rows; the current position stays (clamped). Views store their open edits
    // first (openEditsWanted).
    void refresh();
    // Asks the views to store what is typed into their open editors now; a re-read, a detach
    // and the delete of all rows ask by themselves.
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
        };
        Table &m_table;
        QVector<Item> m_items;
        QSet<int> m_rows;
    };
    void changeRows(const std::function<void(Changes &changes)> &fill);
    int appendRow(const FieldValues &values); // inserts a row; returns its position (the last)
    void deleteRow(int row);
    void deleteAll(); // "delete from <table>"
    qint64 rowId(int row) const;
    // The position of the row with this rowid, -1 when there is none (a stored row only).
    int rowWithId(qint64 rowid) const;
    // The position of the row not stored yet (opened by the grid), -1 when there is none.
    int pendingRow() const { return m_pendingRow; }

    // --- the current row ---
    int currentRow() const { return m_current; } // -1 when the table is empty
    int recNo() const { return m_current + 1; }
    void setCurrentRow(int row); // clamped into the table
    void moveToRecNo(int recNo) { setCurrentRow(recNo - 1); }
    void first() { setCurrentRow(0); }
    void last() { setCurrentRow(count() - 1); }
    QVariant currentValue(const QString &column) const { return value(m_current, column); }

    // --- rows the grid opens (arrow down past the last row, Insert) ---
    void appendPendingRow(); // an empty row, stored only once something is typed into it
    bool hasPendingRow() const { return m_pendingRow >= 0; }
    void cancelPendingRow(); // drops the pending row when nothing was typed into it
    // Drops a row without a number, as the grids do after every key release.
    void dropRowWithoutNumber();

    // The number column is read-only in the grid except while an import runs.
    void setColumnWritable(const QString &column, bool writable);
    bool isColumnWritable(int column) const;

    // While detached the model does not tell views about changes (table rebuilds); attaching
    // again resets the views.
    void setDetached(bool detached);
    bool isDetached() const { return m_detached; }

    // A rule run before a value typed into the grid is stored; it may change the value, and
    // returning false keeps the row as it is.
    using EditFilter = std::function<bool(int row, const QString &column, QVariant &value)>;
    void setEditFilter(EditFilter filter) { m_editFilter = std::move(filter); }

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    void currentRowChanged(int row);
    // The rows are about to be re-read or replaced: views store their open edits now.
    void openEditsWanted();
    // A change found its row changed or deleted by another program: the table is to be read again.
    void rowChangedElsewhere();

private:
    struct Row {
        qint64 rowid = -1;   // -1: the pending row, not stored yet
        qint64 version = -1; // as read (SqlDialect::rowVersion); -1 where the engine keeps none
        QVector<QVariant> values;
    };
    using ConvertedValues = QVector<QPair<int, QVariant>>; // by column index
    QVariant convert(int column, const QVariant &value) const;
    ConvertedValues converted(const FieldValues &values) const;
    void storeConverted(int row, const ConvertedValues &values);
    void storeMany(const QVector<Changes::Item> &items);
    int requireColumn(const QString &name) const;
    void checkRow(int row) const;
    void loadRows();
    [[noreturn]] void changedElsewhere(int row);
    QString versionCheck(const Row &r, QVariantList &binds) const;

    Database &m_db;
    QString m_name;
    QVector<ColumnDef> m_columns;
    QString m_orderBy;
    QVector<Row> m_rows;
    QVector<bool> m_writable;
    int m_current = -1;
    int m_pendingRow = -1;
    bool m_open = false;
    bool m_detached = false;
    EditFilter m_editFilter;
};

} // namespace tevo
