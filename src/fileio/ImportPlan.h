#pragma once
// An import of a tabular file into the goods or messages table, planned before anything
// changes: every row of the file under its header row checked and turned into the values it
// will store (prices in kopecks, shelf lives as whole days, message texts cut into lines), and
// every row that cannot be stored named with its place in the file, its column and the reason,
// in Russian. Only a plan without problems is applied, in one transaction: either every row is
// stored or none. The rule of the program's other imports holds for the values: the row is
// chosen by its position (PLU 12 is the 12th row), an empty cell empties its column, columns
// that are not mapped keep their values.
// Checked against the limits of a scale's goods record (those of the data check): PLU within
// the table, price 0 … 999999 kopecks, shelf life 0 … 999 days, tare 0 … 5998 and even, code
// and group code 0 … 999999, message 0 … 1000; a goods name longer than 28 characters and a
// message text longer than 8 lines of 24 are stored with a warning; a PLU twice in one file is
// a problem.
#include "fileio/ColumnMapping.h"
#include "fileio/TabularFile.h"
#include "store/Table.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tevo {

struct PlannedRow {
    int row = 0;        // 0-based position in the table (the number - 1)
    QString place;      // where in the file ("строка 5", "лист «Цены», строка 5")
    FieldValues values; // the columns it sets, as stored (NPLU not among them)
};

// What an applied plan changed.
struct ImportOutcome {
    int fileRows = 0;    // rows of the file that were stored
    int changedRows = 0; // table rows whose values changed
    QStringList columns; // the titles of the columns that changed somewhere, in table order, as
                         // the files and the receipts hold them (Russian under any language)
    QString text;        // the end text for the user
};

class ImportPlan {
public:
    // Plans the import of sheet `sheet` of `file` by `mapping` (resolved here against the sheet)
    // into `table` (goods or messages, as the mapping's target).
    ImportPlan(const TabularFile &file, int sheet, const ColumnMapping &mapping, const Table &table);

    ImportTarget target() const { return m_mapping.target(); }
    const ColumnMapping &mapping() const { return m_mapping; }
    const QVector<PlannedRow> &rows() const { return m_rows; }
    // Every row that cannot be stored (and any mapping column the file lacks), each a whole
    // sentence naming the file, the place and the column.
    const QStringList &problems() const { return m_problems; }
    const QStringList &warnings() const { return m_warnings; }
    // The table columns the plan sets, in table order.
    QStringList columns() const;
    bool ready() const { return m_problems.isEmpty() && !m_rows.isEmpty(); }
    const QString &fileName() const { return m_fileName; } // the file planned from

    // Stores the plan in one transaction (the table is read again first, so that only values
    // that differ count as changes; on the server a row another program changed meanwhile
    // ends it). Throws InputError when the plan has problems or the table has fewer rows than
    // it needs, DatabaseError from the store; on any failure the table is as it was.
    ImportOutcome apply(Table &table) const;

private:
    void planRow(const TabularFile &file, const TabularSheet &sheet, int index, int tableRows);
    void problem(const QString &place, const QString &title, const QString &reason);

    ColumnMapping m_mapping;
    QString m_fileName;
    QVector<PlannedRow> m_rows;
    QStringList m_problems;
    QStringList m_warnings;
    QHash<int, int> m_sheetRowOf; // table row → the sheet row that set it first
};

} // namespace tevo
