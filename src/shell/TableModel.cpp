// A grid's model of one of the store's tables.
#include "shell/TableModel.h"

#include "common/Error.h"
#include "common/ErrorSink.h"
#include "common/ScalePage.h"
#include "fileio/ColumnTitles.h"
#include "session/TypedNumber.h"
#include "shell/Dialogs.h"
#include "store/Table.h"

namespace tevo {

TableModel::TableModel(Table &table, QObject *parent) : QAbstractTableModel(parent), m_table(table)
{
    const bool scales = table.tableName() == QLatin1String("S");
    for (const ColumnDef &c : table.columns()) {
        m_readOnly.append(c.name == QLatin1String("NPLU") || (scales && c.name == QLatin1String("W")));
        m_checkBox.append(columnTitle(table.tableName(), c.name).checkBox);
    }
    connect(&table, &Table::aboutToReset, this, &TableModel::tableAboutToReset);
    connect(&table, &Table::reset, this, &TableModel::tableReset);
    connect(&table, &Table::valuesChanged, this,
            [this](int first, int last) { emit dataChanged(index(first, 0), index(last, columnCount() - 1)); });
    connect(&table, &Table::rowsAboutToBeInserted, this, [this](int first, int last) {
        if (!m_storingPending)
            beginInsertRows({}, first, last);
    });
    connect(&table, &Table::rowsInserted, this, [this] {
        if (!m_storingPending)
            endInsertRows();
    });
    connect(&table, &Table::rowsAboutToBeRemoved, this,
            [this](int first, int last) { beginRemoveRows({}, first, last); });
    connect(&table, &Table::rowsRemoved, this, [this] { endRemoveRows(); });
}

void TableModel::tableAboutToReset() { beginResetModel(); }

void TableModel::tableReset()
{
    m_pending = false; // a re-read or a replace drops the new row
    endResetModel();
}

int TableModel::pendingRow() const { return m_pending ? m_table.count() : -1; }

void TableModel::appendPendingRow()
{
    if (m_pending || m_table.isDetached())
        return;
    const int pos = m_table.count();
    beginInsertRows({}, pos, pos);
    m_pending = true;
    endInsertRows();
}

void TableModel::cancelPendingRow()
{
    // The views, told of the removal, move their current cell and may ask for it again.
    if (!m_pending || m_dropping)
        return;
    m_dropping = true;
    const int pos = m_table.count();
    beginRemoveRows({}, pos, pos);
    m_pending = false;
    endRemoveRows();
    m_dropping = false;
}

void TableModel::dropRowWithoutNumber()
{
    const QString number = QStringLiteral("NPLU");
    if (m_table.columnIndex(number) < 0)
        return;
    if (m_pending) {
        // Leaving a new row drops it: nothing was typed into it, or it would be stored.
        cancelPendingRow();
    } else if (m_table.currentRow() < 0 || !m_table.isNull(m_table.currentRow(), number)) {
        return;
    }
    m_table.last();
    const int row = m_table.currentRow();
    if (row >= 0 && m_table.isNull(row, number)) {
        const qint64 id = m_table.rowId(row);
        m_table.refresh();
        const int again = m_table.rowWithId(id);
        if (again >= 0)
            m_table.deleteRow(again);
    }
}

bool TableModel::isReadOnly(int column) const
{
    return column < 0 || column >= m_readOnly.size() || m_readOnly[column];
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_table.isDetached())
        return 0;
    return m_table.count() + (m_pending ? 1 : 0);
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.columns().size());
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    // The new row shows empty cells: it holds nothing until it is stored.
    const QVariant v =
        index.row() < m_table.count() ? m_table.value(index.row(), m_table.columns()[index.column()].name) : QVariant();
    if (m_checkBox[index.column()]) {
        if (role == Qt::CheckStateRole)
            return truthValue(v.toString()) ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return v.isNull() ? QVariant(QString()) : QVariant(v.toString());
    case Qt::BackgroundRole:
    case Qt::ToolTipRole: {
        const QString tip = v.isNull() ? QString() : scaleTip(index.row(), index.column(), v.toString());
        if (tip.isEmpty())
            return {};
        return role == Qt::BackgroundRole ? QVariant(scaleMarkColor()) : QVariant(tip);
    }
    default:
        return {};
    }
}

QColor TableModel::scaleMarkColor() { return {255, 196, 160}; }

QString TableModel::scaleTip(int row, int column, const QString &text) const
{
    if (!m_scaleWidth || row < 0 || row >= m_table.count() || column < 0 || column >= columnCount())
        return {};
    const int width = m_scaleWidth(row, m_table.columns()[column].name);
    return width > 0 ? scaleFitText(scaleFit(text, width), width) : QString();
}

bool TableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return false;
    const int column = index.column();
    QVariant v = value;
    if (m_checkBox[column]) {
        if (role != Qt::CheckStateRole)
            return false;
        v = truthText(value.toInt() == Qt::Checked);
    } else if (role != Qt::EditRole) {
        return false;
    }
    if (isReadOnly(column))
        return false;
    if (const QString refusal = readTyped(column, v); !refusal.isEmpty()) {
        Dialogs::message(Dialogs::Kind::Error, refusal);
        return false;
    }
    if (m_editFilter && !m_editFilter(index.row(), m_table.columns()[column].name, v))
        return false;
    // The grid has no way to take an exception: failures go to the common error box.
    return guarded([&] { store(index.row(), column, v); });
}

QString TableModel::readTyped(int column, QVariant &value) const
{
    if (column < 0 || column >= columnCount() || m_table.tableName() == QLatin1String("S")
        || m_table.columns()[column].type != ColumnType::Integer || value.typeId() != QMetaType::QString)
        return {};
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return {};
    const QString &name = m_table.columns()[column].name;
    const NumberReading n = readTypedNumber(name, text);
    if (!n.value)
        return tr("Столбец «%1»: %2. Значение не сохранено: исправьте его или нажмите Esc.")
            .arg(columnTitle(m_table.tableName(), name).title, n.error);
    value = QVariant(qlonglong(*n.value));
    return {};
}

// Stores a typed value: into a table row, or as the new row's first value, which stores that
// row. An editor stored without a change writes nothing, nor does an empty value in the new row.
void TableModel::store(int row, int column, const QVariant &value)
{
    const QString &name = m_table.columns()[column].name;
    if (row < m_table.count()) {
        bool same = false;
        try {
            same = m_table.convertedValue(column, value) == m_table.value(row, name);
        } catch (const Error &) {
        }
        if (!same)
            m_table.setValue(row, name, value);
        return;
    }
    if (m_table.convertedValue(column, value).isNull())
        return;
    m_storingPending = true;
    int stored = -1;
    try {
        stored = m_table.appendRow({{name, value}});
    } catch (...) {
        m_storingPending = false;
        throw;
    }
    m_storingPending = false;
    m_pending = false; // the row shown is the table's row now
    emit dataChanged(this->index(stored, 0), this->index(stored, columnCount() - 1));
    m_table.setCurrentRow(stored);
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
        return columnTitle(m_table.tableName(), m_table.columns()[section].name).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (!isReadOnly(index.column()))
        f |= m_checkBox[index.column()] ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
    return f;
}

} // namespace tevo
