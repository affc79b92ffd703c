// One open table of the database with a current row.
#include "store/Table.h"

#include "common/Convert.h"
#include "common/Error.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <optional>
#include <utility>

namespace {
// The texts of this unit, translated under the context "Table".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Table)
};
} // namespace

namespace tevo {
Table::Table(Database &db, const QString &tableName, const QVector<ColumnDef> &columns, const QString &orderBy,
             QObject *parent)
    : QObject(parent), m_db(db), m_name(tableName), m_columns(columns), m_orderBy(orderBy)
{
    m_db.addBeforeCommit(this, [this] { storeQueued(); });
    // Rows gathered and not stored are gone with a lost transaction; the table is read again.
    connect(&m_db, &Database::changesLost, this, [this] {
        m_queued.clear();
        m_queuedRows.clear();
    });
}

int Table::columnIndex(const QString &name) const
{
    // The program names columns in upper case, as they are declared: try that first.
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name == name)
            return i;
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int Table::requireColumn(const QString &name) const
{
    const int i = columnIndex(name);
    if (i < 0)
        throw DatabaseError(Tr::tr("Field '%1' not found").arg(name));
    return i;
}

void Table::checkRow(int row) const
{
    if (row < 0 || row >= m_rows.size())
        throw DatabaseError(Tr::tr("Table %1: no row at position %2").arg(m_name).arg(row + 1));
}

void Table::keepColumnsPerComputer(const QStringList &columns, const QString &computer)
{
    m_own.clear();
    if (!columns.isEmpty())
        for (const ColumnDef &c : m_columns)
            m_own.append(columns.contains(c.name));
    m_computer = computer;
}

bool Table::ownColumn(int column) const { return column < m_own.size() && m_own[column]; }

// This computer's own values over the rows just read.
void Table::loadOwn(QVector<Row> &rows)
{
    QStringList names;
    QVector<int> columns;
    for (int c = 0; c < m_own.size(); ++c)
        if (m_own[c]) {
            names << m_columns[c].name;
            columns << c;
        }
    if (columns.isEmpty())
        return;
    QSqlQuery q =
        m_db.exec(QStringLiteral("SELECT SROW, %1 FROM SMARKS WHERE HOST = ?").arg(names.join(QLatin1String(", "))),
                  {m_computer});
    QHash<qint64, int> positions;
    for (int i = 0; i < rows.size(); ++i)
        positions.insert(rows[i].rowid, i);
    while (q.next()) {
        const auto at = positions.constFind(q.value(0).toLongLong());
        if (at == positions.cend())
            continue;
        for (int i = 0; i < columns.size(); ++i) {
            const QVariant v = q.value(i + 1);
            rows[*at].values[columns[i]] = v.isNull() ? QVariant() : QVariant(v.toString());
        }
    }
}

// Stores this computer's own values of a row, those that change: the row's mark is made with
// all of them or changes the ones given.
void Table::storeOwn(const Row &r, ConvertedValues own)
{
    own.erase(std::remove_if(own.begin(), own.end(), [&](const auto &cv) { return r.values[cv.first] == cv.second; }),
              own.end());
    if (own.isEmpty())
        return;
    QStringList names, marks, sets;
    QVariantList binds = {m_computer, r.rowid};
    for (int c = 0; c < m_own.size(); ++c) {
        if (!m_own[c])
            continue;
        names << m_columns[c].name;
        marks << QStringLiteral("?");
        const auto given = std::find_if(own.cbegin(), own.cend(), [c](const auto &cv) { return cv.first == c; });
        binds << (given != own.cend() ? given->second : r.values[c]);
        if (given != own.cend())
            sets << QStringLiteral("%1 = EXCLUDED.%1").arg(m_columns[c].name);
    }
    m_db.change(QStringLiteral(
                    "INSERT INTO SMARKS (HOST, SROW, %1) VALUES (?, ?, %2) ON CONFLICT (HOST, SROW) DO UPDATE "
                    "SET %3")
                    .arg(names.join(QLatin1String(", ")), marks.join(QLatin1String(", ")), sets.join(QLatin1String(", "))),
                binds);
}

void Table::loadRows()
{
    QStringList names;
    for (const ColumnDef &c : m_columns)
        names << c.name;
    const QString version = m_db.dialect().rowVersion();
    if (!version.isEmpty())
        names << version;
    QString sql = QStringLiteral("SELECT rowid, %1 FROM %2").arg(names.join(QLatin1String(", ")), m_name);
    // Rows without a number first, on both engines.
    sql += m_orderBy.isEmpty() ? QStringLiteral(" ORDER BY rowid")
                               : QStringLiteral(" ORDER BY %1 NULLS FIRST, rowid").arg(m_orderBy);
    QSqlQuery q = m_db.exec(sql);
    QVector<Row> rows;
    while (q.next()) {
        Row r;
        r.rowid = q.value(0).toLongLong();
        r.values.reserve(m_columns.size());
        for (int i = 0; i < m_columns.size(); ++i) {
            QVariant v = q.value(i + 1);
            if (!v.isNull())
                v = m_columns[i].type == ColumnType::Integer ? QVariant(v.toLongLong()) : QVariant(v.toString());
            r.values.append(v);
        }
        if (!version.isEmpty())
            r.version = q.value(m_columns.size() + 1).toLongLong();
        rows.append(std::move(r));
    }
    loadOwn(rows);
    m_removed.clear(); // what is stored now is what a change is journaled against
    if (!m_detached)
        emit aboutToReset();
    m_rows = std::move(rows);
    if (!m_detached)
        emit reset();
}

void Table::open()
{
    if (m_open)
        return;
    loadRows();
    m_open = true;
    m_current = m_rows.isEmpty() ? -1 : 0;
    emit currentRowChanged(m_current);
}

void Table::close()
{
    m_queued.clear();
    m_queuedRows.clear();
    if (!m_detached)
        emit aboutToReset();
    m_rows.clear();
    m_open = false;
    m_current = -1;
    if (!m_detached)
        emit reset();
}

void Table::refresh()
{
    emit openEditsWanted();
    storeQueued();
    const int old = m_current;
    loadRows();
    m_current = m_rows.isEmpty() ? -1 : qBound(0, old, int(m_rows.size()) - 1);
    emit currentRowChanged(m_current);
}

QVariant Table::value(int row, const QString &column) const
{
    const int c = requireColumn(column);
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows[row].values[c];
}

QString Table::text(int row, const QString &column) const
{
    const QVariant v = value(row, column);
    return v.isNull() ? QString() : v.toString();
}

bool Table::isNull(int row, const QString &column) const
{
    const QVariant v = value(row, column);
    return v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

qint64 Table::rowId(int row) const
{
    checkRow(row);
    return m_rows[row].rowid;
}

int Table::rowWithId(qint64 rowid) const
{
    if (rowid < 0)
        return -1;
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].rowid == rowid)
            return i;
    return -1;
}

QVariant Table::convertedValue(int column, const QVariant &value) const
{
    const ColumnDef &def = m_columns[column];
    if (value.isNull())
        return {};
    if (def.type == ColumnType::Integer) {
        if (value.typeId() == QMetaType::QString) {
            const QString s = value.toString();
            if (s.isEmpty())
                return {};
            const auto n = tryStrToInt(s);
            if (!n)
                throw ConversionError(notAnIntegerForFieldText(s, def.name));
            return QVariant(qlonglong(*n));
        }
        bool ok = false;
        const qlonglong n = value.toLongLong(&ok);
        if (!ok)
            throw ConversionError(notAnIntegerForFieldText(value.toString(), def.name));
        return QVariant(n);
    }
    const QString s = value.toString();
    return s.isEmpty() ? QVariant() : QVariant(s);
}

void Table::setValue(int row, const QString &column, const QVariant &value) { setValues(row, {{column, value}}); }

// A column named twice takes its last value (the server refuses a statement that sets a column
// twice).
Table::ConvertedValues Table::converted(const FieldValues &values) const
{
    ConvertedValues result;
    for (const auto &fv : values) {
        const int c = requireColumn(fv.first);
        QPair<int, QVariant> cv{c, convertedValue(c, fv.second)};
        auto same = std::find_if(result.begin(), result.end(), [c](const auto &x) { return x.first == c; });
        if (same != result.end())
            *same = cv;
        else
            result.append(cv);
    }
    return result;
}

void Table::setValues(int row, const FieldValues &values)
{
    checkRow(row);
    storeConverted(row, converted(values));
}

void Table::storeConverted(int row, const ConvertedValues &converted)
{
    storeQueued(); // the gathered rows first, in the order they came
    m_db.noteTableChanged(m_name);
    Row &r = m_rows[row];
    QStringList sets;
    QVariantList binds;
    ConvertedValues own;
    for (const auto &cv : converted) {
        if (ownColumn(cv.first)) {
            own << cv;
            continue;
        }
        sets << m_columns[cv.first].name + QStringLiteral(" = ?");
        binds << cv.second;
    }
    if (!sets.isEmpty()) {
        binds << r.rowid;
        const QString sql =
            QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(m_name, sets.join(QLatin1String(", ")));
        const QString check = versionCheck(r, binds);
        journaled({rowChange(row, converted)}, [&] {
            if (check.isEmpty())
                m_db.change(sql, binds);
            else if (!m_db.changeReturning(sql + check, binds, r.version))
                changedElsewhere(row);
        });
    }
    storeOwn(r, own);
    for (const auto &cv : converted)
        r.values[cv.first] = cv.second;
    if (!m_detached && !converted.isEmpty())
        emit valuesChanged(row, row);
}

void Table::changeRows(const std::function<void(Changes &changes)> &fill)
{
    JournalBatch batch(*this);
    Changes changes(*this);
    try {
        fill(changes);
    } catch (...) {
        changes.store(); // the rows before the failure; a failure of theirs is the one told
        throw;
    }
    changes.store();
    batch.end();
}

void Table::Changes::add(int row, const FieldValues &values)
{
    m_table.checkRow(row);
    const ConvertedValues converted = m_table.converted(values);
    if (converted.isEmpty())
        return;
    const Row &r = m_table.m_rows[row];
    const int most = m_table.m_db.dialect().rowsPerChange();
    if (most <= 1 || r.version < 0 || !m_table.m_own.isEmpty()) {
        store();
        m_table.storeConverted(row, converted);
        return;
    }
    // One statement changes a row once, and sets the same columns of every row.
    const auto sameColumns = [&](const Item &item) {
        return std::equal(item.values.begin(), item.values.end(), converted.begin(), converted.end(),
                          [](const auto &a, const auto &b) { return a.first == b.first; });
    };
    if (!m_items.isEmpty() && (!sameColumns(m_items.front()) || m_rows.contains(row)))
        store();
    m_rows.insert(row);
    m_items.append({row, converted, ChangeSource::Edit, QString()});
    if (m_items.size() >= most)
        store();
}

void Table::Changes::store()
{
    if (m_items.isEmpty())
        return;
    const QVector<Item> items = std::exchange(m_items, {});
    m_rows.clear();
    m_table.storeMany(items);
}

void Table::queueValues(int row, const FieldValues &values)
{
    checkRow(row);
    const ConvertedValues converted = this->converted(values);
    if (converted.isEmpty())
        return;
    if (m_db.dialect().rowsPerChange() <= 1 || m_rows[row].version < 0 || !m_own.isEmpty()) {
        storeConverted(row, converted);
        return;
    }
    if (m_queuedRows.contains(row))
        storeQueued(); // a row twice: the first values are stored before the second are gathered
    Changes::Item item{row, converted, ChangeSource::Edit, QString()};
    if (m_journal) {
        item.source = m_journal->source();
        item.detail = m_journal->detail();
    }
    m_queued.append(item);
    m_queuedRows.insert(row);
    m_db.noteQueuedChange();
}

void Table::storeQueued()
{
    if (m_queued.isEmpty())
        return;
    const QVector<Changes::Item> items = std::exchange(m_queued, {});
    m_queuedRows.clear();
    const int most = m_db.dialect().rowsPerChange();
    const auto sameColumns = [](const Changes::Item &a, const Changes::Item &b) {
        return a.source == b.source && a.detail == b.detail
               && std::equal(a.values.begin(), a.values.end(), b.values.begin(), b.values.end(),
                             [](const auto &x, const auto &y) { return x.first == y.first; });
    };
    try {
        // Runs of rows that set the same columns, at most `most` a statement.
        for (int at = 0; at < items.size();) {
            int end = at + 1;
            while (end < items.size() && end - at < most && sameColumns(items[at], items[end]))
                ++end;
            std::optional<ChangeJournal::Scope> source;
            if (m_journal)
                source.emplace(*m_journal, items[at].source, items[at].detail);
            storeMany(items.mid(at, end - at));
            at = end;
        }
    } catch (const Error &e) {
        // Rows after the failing one would show values that are not stored: the transaction
        // is taken back whole, and the tables read again.
        m_db.abandonTransaction(e.text());
        throw;
    }
}

// Many rows in one statement, inside a savepoint: when a row was changed elsewhere or the
// statement fails and leaves the transaction, the statement is taken back and the rows go one
// by one, which stores the rows before the failing one and tells of that row.
void Table::storeMany(const QVector<Changes::Item> &items)
{
    const auto oneByOne = [&] {
        for (const Changes::Item &item : items)
            storeConverted(item.row, item.values);
    };
    if (items.size() == 1) {
        oneByOne();
        return;
    }
    QVector<ColumnDef> defs;
    for (const auto &cv : items.front().values)
        defs << m_columns[cv.first];
    QVariantList binds;
    for (const Changes::Item &item : items) {
        binds << m_rows[item.row].rowid << m_rows[item.row].version;
        for (const auto &cv : item.values)
            binds << cv.second;
    }
    const QString sql = m_db.dialect().manyRowsChange(m_name, defs, int(items.size()));
    m_db.noteTableChanged(m_name);
    QVector<ChangeJournal::RowChange> journalRows;
    for (const Changes::Item &item : items)
        journalRows << rowChange(item.row, item.values);
    const QVector<JournalEntry> entries = journalEntries(journalRows);
    struct NotEveryRow {};
    QHash<qint64, qint64> versions;
    try {
        m_db.atomically([&] {
            for (const auto &[rowid, version] : m_db.changeReturningRows(sql, binds))
                versions.insert(rowid, version);
            if (versions.size() != items.size())
                throw NotEveryRow{};
            if (!entries.isEmpty() && m_journalBatching == 0)
                m_journal->write(entries);
        });
        if (m_journalBatching > 0)
            m_journalBatch += entries;
    } catch (const NotEveryRow &) {
        oneByOne();
        return;
    } catch (const DatabaseError &) {
        if (!m_db.isOpen() || m_db.connectionLost() || !m_db.inTransaction())
            throw; // nothing is left to store the rows in
        oneByOne();
        return;
    }
    int first = items.front().row;
    int last = first;
    for (const Changes::Item &item : items) {
        Row &r = m_rows[item.row];
        r.version = versions.value(r.rowid);
        for (const auto &cv : item.values)
            r.values[cv.first] = cv.second;
        first = qMin(first, item.row);
        last = qMax(last, item.row);
    }
    if (!m_detached)
        emit valuesChanged(first, last);
}

// The condition that a change of row r finds it as it was read, and the version the change
// gives back; empty where the engine keeps no versions.
QString Table::versionCheck(const Row &r, QVariantList &binds) const
{
    const QString version = m_db.dialect().rowVersion();
    if (version.isEmpty() || r.version < 0)
        return {};
    binds << r.version;
    return QStringLiteral(" AND %1 = ? RETURNING %1").arg(version);
}

void Table::changedElsewhere(int row)
{
    const int number = columnIndex(QStringLiteral("NPLU"));
    const QString which = number >= 0 && !isNull(row, QStringLiteral("NPLU"))
                              ? Tr::tr("с номером %1").arg(text(row, QStringLiteral("NPLU")))
                              : QStringLiteral("№ %1").arg(row + 1);
    emit rowChangedElsewhere();
    throw DatabaseError(Tr::tr("Строку %1 таблицы %2 тем временем изменила или удалила другая программа: "
                               "это изменение не сохранено. Таблица перечитана, в ней то, что хранится в "
                               "базе данных.")
                            .arg(which, m_name));
}

int Table::appendRow(const FieldValues &values)
{
    storeQueued();
    QVector<QVariant> rowValues(m_columns.size());
    QVector<bool> named(m_columns.size());
    for (const auto &fv : values) {
        const int c = requireColumn(fv.first);
        rowValues[c] = convertedValue(c, fv.second);
        named[c] = true;
    }
    QStringList names, marks;
    QVariantList binds;
    ConvertedValues own;
    for (int c = 0; c < m_columns.size(); ++c) {
        if (named[c] && ownColumn(c))
            own.append({c, rowValues[c]});
        if (!named[c] || ownColumn(c))
            continue;
        names << m_columns[c].name;
        marks << QStringLiteral("?");
        binds << rowValues[c];
    }
    Row r;
    m_db.noteTableChanged(m_name);
    journaled({{takeRemoved(rowValues), rowValues, {}}}, [&] {
        r.rowid = names.isEmpty()
                      ? m_db.insert(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_name), {}, &r.version)
                      : m_db.insert(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                        .arg(m_name, names.join(QLatin1String(", ")), marks.join(QLatin1String(", "))),
                                    binds, &r.version);
    });
    r.values = QVector<QVariant>(m_columns.size());
    for (int c = 0; c < m_columns.size(); ++c)
        if (!ownColumn(c))
            r.values[c] = rowValues[c];
    storeOwn(r, own);
    for (const auto &cv : own)
        r.values[cv.first] = cv.second;
    const int pos = m_rows.size();
    if (!m_detached)
        emit rowsAboutToBeInserted(pos, pos);
    m_rows.append(std::move(r));
    if (!m_detached)
        emit rowsInserted(pos, pos);
    return pos;
}

void Table::appendRows(const QVector<FieldValues> &rows)
{
    storeQueued();
    JournalBatch batch(*this);
    const int most = m_db.dialect().rowsPerChange();
    int at = 0;
    while (at < rows.size()) {
        // A run of rows that name the same columns, at most `most` of them, goes in one statement.
        int end = at + 1;
        const auto names = [](const FieldValues &values) {
            QStringList n;
            for (const auto &fv : values)
                n << fv.first;
            return n;
        };
        const QStringList named = names(rows[at]);
        while (end < rows.size() && end - at < most && names(rows[end]) == named)
            ++end;
        if (end - at == 1 || !m_own.isEmpty() || named.isEmpty() || QStringList(named).removeDuplicates() > 0) {
            appendRow(rows[at]);
            ++at;
            continue;
        }
        QVector<int> columns;
        for (const QString &name : named)
            columns << requireColumn(name);
        QStringList marks(columns.size(), QStringLiteral("?"));
        const QString tuple = QLatin1Char('(') + marks.join(QLatin1String(", ")) + QLatin1Char(')');
        QVariantList binds;
        QVector<Row> added;
        for (int i = at; i < end; ++i) {
            Row r;
            r.values = QVector<QVariant>(m_columns.size());
            for (int c = 0; c < columns.size(); ++c) {
                r.values[columns[c]] = convertedValue(columns[c], rows[i][c].second);
                binds << r.values[columns[c]];
            }
            added.append(std::move(r));
        }
        QStringList columnNames;
        for (const int c : columns)
            columnNames << m_columns[c].name;
        m_db.noteTableChanged(m_name);
        QVector<ChangeJournal::RowChange> journalRows;
        for (const Row &r : added)
            journalRows.append({takeRemoved(r.values), r.values, {}});
        QVector<QPair<qint64, qint64>> keys;
        journaled(journalRows, [&] {
            keys = m_db.changeReturningRows(QStringLiteral("INSERT INTO %1 (%2) VALUES %3 RETURNING rowid, %4")
                                                .arg(m_name, columnNames.join(QLatin1String(", ")),
                                                     QStringList(end - at, tuple).join(QLatin1String(", ")),
                                                     m_db.dialect().rowVersion()),
                                            binds);
        });
        if (keys.size() != added.size())
            throw DatabaseError(Tr::tr("Table %1: %2 rows inserted of %3").arg(m_name).arg(keys.size()).arg(added.size()));
        for (int i = 0; i < added.size(); ++i) {
            added[i].rowid = keys[i].first;
            added[i].version = keys[i].second;
        }
        const int first = m_rows.size();
        if (!m_detached)
            emit rowsAboutToBeInserted(first, first + int(added.size()) - 1);
        m_rows += added;
        if (!m_detached)
            emit rowsInserted(first, first + int(added.size()) - 1);
        at = end;
    }
    journalRemovedLeft();
    batch.end();
}

void Table::deleteRow(int row)
{
    storeQueued();
    checkRow(row);
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(m_name);
    m_db.noteTableChanged(m_name);
    QVariantList binds = {m_rows[row].rowid};
    const QString check = versionCheck(m_rows[row], binds);
    qint64 version = -1;
    journaled({{m_rows[row].values, {}, {}}}, [&] {
        if (check.isEmpty())
            m_db.change(sql, binds);
        else if (!m_db.changeReturning(sql + check, binds, version))
            changedElsewhere(row);
    });
    if (!m_detached)
        emit rowsAboutToBeRemoved(row, row);
    m_rows.remove(row);
    if (!m_detached)
        emit rowsRemoved(row, row);
    m_current = m_rows.isEmpty() ? -1 : qBound(0, m_current, int(m_rows.size()) - 1);
    emit currentRowChanged(m_current); // also when the number stayed: another row stands there now
}

void Table::deleteAll()
{
    emit openEditsWanted();
    m_queued.clear(); // the rows go anyway
    m_queuedRows.clear();
    m_db.emptyTable(m_name);
    m_db.noteTableChanged(m_name);
    const int number = columnIndex(QStringLiteral("NPLU"));
    if (m_journal && number >= 0)
        for (const Row &r : m_rows)
            if (!r.values[number].isNull())
                m_removed.insert(r.values[number].toLongLong(), r.values);
    if (!m_detached)
        emit aboutToReset();
    m_rows.clear();
    if (!m_detached)
        emit reset();
    m_current = -1;
    emit currentRowChanged(m_current);
}

void Table::setCurrentRow(int row)
{
    const int clamped = m_rows.isEmpty() ? -1 : qBound(0, row, int(m_rows.size()) - 1);
    if (clamped == m_current)
        return;
    m_current = clamped;
    emit currentRowChanged(m_current);
}

void Table::setDetached(bool detached)
{
    if (m_detached == detached)
        return;
    if (detached)
        emit openEditsWanted();
    emit aboutToReset();
    m_detached = detached;
    emit reset();
}

// --- the change journal ---------------------------------------------------------------------

// Row `row` as it is and as `values` make it.
ChangeJournal::RowChange Table::rowChange(int row, const ConvertedValues &values) const
{
    // Only the columns set are compared (in the table's order): the rest of the row stays as it is.
    ConvertedValues sorted = values;
    std::sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    ChangeJournal::RowChange c{m_rows[row].values, {}, {}};
    c.after.reserve(sorted.size());
    c.columns.reserve(sorted.size());
    for (const auto &cv : sorted) {
        c.columns << cv.first;
        c.after << cv.second;
    }
    return c;
}

QVector<JournalEntry> Table::journalEntries(const QVector<ChangeJournal::RowChange> &rows) const
{
    return m_journal ? m_journal->entriesOf(*this, rows) : QVector<JournalEntry>();
}

// Runs `change`, the statement that makes `rows`, with their journal's entries in one savepoint:
// both are stored or neither.
void Table::journaled(const QVector<ChangeJournal::RowChange> &rows, const std::function<void()> &change)
{
    const QVector<JournalEntry> entries = journalEntries(rows);
    if (entries.isEmpty() || m_journalBatching > 0) {
        change();
        m_journalBatch += entries;
        return;
    }
    m_db.atomically([&] {
        change();
        m_journal->write(entries);
    });
}

// The row deleteAll removed under the number of a row added now (none: an empty vector).
QVector<QVariant> Table::takeRemoved(const QVector<QVariant> &added)
{
    const int number = columnIndex(QStringLiteral("NPLU"));
    if (m_removed.isEmpty() || number < 0 || added[number].isNull())
        return {};
    const auto it = m_removed.find(added[number].toLongLong());
    if (it == m_removed.end())
        return {};
    QVector<QVariant> before = *it;
    m_removed.erase(it);
    return before;
}

// The rows deleteAll removed that no row added took the place of: removed.
void Table::journalRemovedLeft()
{
    if (m_removed.isEmpty())
        return;
    QVector<ChangeJournal::RowChange> rows;
    for (auto it = m_removed.cbegin(); it != m_removed.cend(); ++it)
        rows.append({it.value(), {}, {}});
    m_removed.clear();
    journalWrite(journalEntries(rows));
}

void Table::journalWrite(const QVector<JournalEntry> &entries)
{
    if (m_journalBatching > 0)
        m_journalBatch += entries;
    else if (!entries.isEmpty())
        m_journal->write(entries);
}

void Table::flushJournal()
{
    if (m_journalBatching == 0 && !m_journalBatch.isEmpty())
        m_journal->write(std::exchange(m_journalBatch, {}));
}

void Table::JournalBatch::end()
{
    m_ended = true;
    --m_table.m_journalBatching;
    m_table.flushJournal();
}

Table::JournalBatch::~JournalBatch()
{
    if (m_ended)
        return;
    // The change failed: the entries of the rows it stored go all the same; the change's own
    // failure is the one told.
    --m_table.m_journalBatching;
    try {
        m_table.flushJournal();
    } catch (...) {
        m_table.m_journalBatch.clear();
    }
}

} // namespace tevo
