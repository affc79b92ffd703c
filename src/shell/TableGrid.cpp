// A grid on one of the store's tables.
#include "shell/TableGrid.h"

#include "common/ErrorSink.h"
#include "fileio/ColumnTitles.h"
#include "shell/Dialogs.h"
#include "shell/TableModel.h"
#include "store/OperationGuard.h"
#include "store/Table.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTimer>

#include <optional>

namespace tevo {

// Hands every cell editor to its grid, which watches its keys and focus, and draws the columns
// titled bold in a bold font.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(TableGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const Table *table = m_grid->table();
        if (table && index.column() < table->columns().size()
            && columnTitle(table->tableName(), table->columns()[index.column()].name).bold)
            option->font.setBold(true);
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor)
            m_grid->editorCreated(editor, index);
        return editor;
    }

    // A number the editor's text cannot be read as keeps the cell editing: the keys that would
    // store it and move on are refused with the reason, and the box's taking of the focus does
    // not store it either.
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *editor = qobject_cast<QLineEdit *>(object);
        if (editor && event->type() == QEvent::FocusOut && m_refusing)
            return true;
        if (editor && event->type() == QEvent::KeyPress && m_grid->tableModel() && m_grid->m_editorIndex.isValid()) {
            switch (static_cast<QKeyEvent *>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown: {
                QVariant value(editor->text());
                const QString refusal = m_grid->tableModel()->readTyped(m_grid->m_editorIndex.column(), value);
                if (refusal.isEmpty())
                    break;
                m_refusing = true;
                Dialogs::message(Dialogs::Kind::Error, refusal);
                m_refusing = false;
                editor->setFocus();
                return true;
            }
            default:
                break;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TableGrid *m_grid;
    mutable bool m_refusing = false;
};

TableGrid::TableGrid(QWidget *parent) : QTableView(parent)
{
    setItemDelegate(new GridDelegate(this));
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabKeyNavigation(true);
    setSortingEnabled(false);
    setWordWrap(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

TableGrid::~TableGrid()
{
    // The view lets go of the model before the model goes.
    setModel(nullptr);
}

void TableGrid::setTable(Table *table)
{
    if (m_table)
        disconnect(m_table, nullptr, this, nullptr);
    std::unique_ptr<TableModel> old = std::move(m_model);
    m_table = table;
    if (table)
        m_model = std::make_unique<TableModel>(*table);
    setModel(m_model.get());
    old.reset();
    if (!table)
        return;
    connect(table, &Table::currentRowChanged, this, &TableGrid::followTable);
    connect(table, &Table::openEditsWanted, this, &TableGrid::storeOpenEdit);
    connect(m_model.get(), &QAbstractItemModel::modelReset, this, [this] { followTable(m_table->currentRow()); });
    applyDesignedWidths();
    followTable(table->currentRow());
}

int TableGrid::designedWidth(int column) const
{
    if (!m_table || column < 0 || column >= m_table->columns().size())
        return horizontalHeader()->defaultSectionSize();
    return columnTitle(m_table->tableName(), m_table->columns().at(column).name).width;
}

void TableGrid::applyDesignedWidths()
{
    if (!m_table)
        return;
    for (int c = 0; c < m_table->columns().size(); ++c)
        setColumnWidth(c, designedWidth(c));
}

void TableGrid::setRowLimit(int limit, const QString &refusal)
{
    m_rowLimit = limit;
    m_limitText = refusal;
}

bool TableGrid::appendRow()
{
    if (!m_table || !m_table->isOpen() || m_table->isDetached())
        return false;
    if (!m_model->hasPendingRow()) {
        if (m_rowLimit > 0 && m_table->count() >= m_rowLimit) {
            Dialogs::message(Dialogs::Kind::Error, m_limitText);
            return false;
        }
        commitEdit();
        m_model->appendPendingRow();
    }
    // The new row is the grid's alone: the table stands on its last row meanwhile.
    const int column = currentIndex().isValid() ? currentIndex().column() : m_lastColumn;
    m_syncing = true;
    m_table->last();
    setCurrentIndex(m_model->index(m_model->pendingRow(), qBound(0, column, m_model->columnCount() - 1)));
    m_syncing = false;
    return true;
}

void TableGrid::deleteCurrentRow()
{
    const bool pending = m_model && m_model->hasPendingRow() && currentIndex().row() == m_model->pendingRow();
    if (!m_table || (!pending && m_table->currentRow() < 0))
        return;
    std::optional<OperationGuard::Scope> scope;
    if (m_guard) {
        scope.emplace(*m_guard, tr("удаление записи"));
        if (!*scope) {
            Dialogs::message(Dialogs::Kind::Error, scope->refusal());
            return;
        }
    }
    // The row asked about, known by its identity and number: the current row may move while
    // the question is open.
    const int asked = m_table->currentRow();
    const qint64 id = pending ? -1 : m_table->rowId(asked);
    const bool numbered = m_table->columnIndex(QStringLiteral("NPLU")) >= 0;
    const QVariant number = numbered && !pending ? m_table->value(asked, QStringLiteral("NPLU")) : QVariant();
    if (Dialogs::message(Dialogs::Kind::Confirmation, QStringLiteral("Delete record?"),
                         QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok)
        return;
    if (QWidget *editor = openEditor())
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    if (pending) {
        m_model->cancelPendingRow(); // nothing of it is stored; gone already when stored meanwhile
        return;
    }
    const int row = m_table->rowWithId(id);
    if (row < 0 || (numbered && m_table->value(row, QStringLiteral("NPLU")) != number))
        return; // gone meanwhile
    guarded([&] { m_table->deleteRow(row); });
}

void TableGrid::commitEdit()
{
    if (QWidget *editor = openEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TableGrid::storeOpenEdit()
{
    if (m_storing || !openEditor() || !m_table)
        return;
    m_storing = true;
    const bool newRow =
        m_editorIndex.isValid() && m_model->hasPendingRow() && m_editorIndex.row() == m_model->pendingRow();
    if (newRow && m_table->columnIndex(QStringLiteral("NPLU")) >= 0)
        cancelEdit();
    else
        commitEdit();
    m_storing = false;
}

void TableGrid::cancelEdit()
{
    if (QWidget *editor = openEditor())
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    if (m_model && m_model->hasPendingRow())
        m_model->cancelPendingRow();
}

QWidget *TableGrid::openEditor() const
{
    // An editor the view has let go (closed, or released by a model reset) waits for its
    // deletion; only the one being edited counts.
    return m_editor && state() == QAbstractItemView::EditingState ? m_editor.data() : nullptr;
}

void TableGrid::editorCreated(QWidget *editor, const QModelIndex &index)
{
    m_editor = editor;
    m_editorIndex = index;
    editor->installEventFilter(this);
    // What the scale will get, shown as the text is typed.
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line || !m_model)
        return;
    const QPalette plain = line->palette();
    const auto mark = [line, plain, model = m_model.get(), row = index.row(), column = index.column()] {
        const QString tip = model->scaleTip(row, column, line->text());
        line->setToolTip(tip);
        QPalette p = plain;
        if (!tip.isEmpty())
            p.setColor(QPalette::Base, TableModel::scaleMarkColor());
        line->setPalette(p);
    };
    connect(line, &QLineEdit::textChanged, line, mark);
    mark();
}

bool TableGrid::handleRecordKey(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Delete && mods == Qt::ControlModifier) {
        deleteCurrentRow();
        return true;
    }
    if (event->key() == Qt::Key_Insert && mods == Qt::NoModifier) {
        appendRow();
        return true;
    }
    if (event->key() == Qt::Key_Down && mods == Qt::NoModifier && m_table) {
        const int rows = model() ? model()->rowCount() : 0;
        if (rows == 0 || currentIndex().row() == rows - 1) {
            if (!m_model->hasPendingRow())
                appendRow();
            return true;
        }
    }
    return false;
}

void TableGrid::keyPressEvent(QKeyEvent *event)
{
    if (handleRecordKey(event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TableGrid::keyReleaseEvent(QKeyEvent *event)
{
    QTableView::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        emit keyReleased(event->key());
}

void TableGrid::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    QTimer::singleShot(0, this, &TableGrid::checkLeft);
}

bool TableGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor.data()) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            // Arrow down is left to the editor: it reaches the grid by itself.
            if (key->key() != Qt::Key_Down && handleRecordKey(key))
                return true;
            break;
        }
        case QEvent::KeyRelease: {
            auto *key = static_cast<QKeyEvent *>(event);
            if (!key->isAutoRepeat())
                emit keyReleased(key->key());
            return true;
        }
        case QEvent::FocusOut:
            QTimer::singleShot(0, this, &TableGrid::checkLeft);
            break;
        default:
            break;
        }
    }
    return QTableView::eventFilter(watched, event);
}

// Leaving the grid drops a new row nothing was typed into.
void TableGrid::checkLeft()
{
    if (!m_model || !m_model->hasPendingRow() || QApplication::activeModalWidget())
        return;
    QWidget *focus = QApplication::focusWidget();
    if (focus && (focus == this || isAncestorOf(focus)))
        return;
    m_model->cancelPendingRow();
}

void TableGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        m_lastColumn = current.column();
    if (!m_table || m_syncing || !current.isValid())
        return;
    // On the new row the table's current row stays; leaving it drops it.
    if (m_model->hasPendingRow()) {
        if (current.row() == m_model->pendingRow())
            return;
        m_model->cancelPendingRow();
    }
    if (current.row() != m_table->currentRow()) {
        m_syncing = true;
        m_table->setCurrentRow(current.row());
        m_syncing = false;
    }
}

void TableGrid::followTable(int row)
{
    if (m_syncing || !model())
        return;
    // While the new row is open the table stands on its last row; moved elsewhere, the new
    // row is left, and dropped.
    if (m_model->hasPendingRow()) {
        if (row == m_table->count() - 1)
            return;
        m_model->cancelPendingRow();
    }
    m_syncing = true;
    if (row < 0 || row >= model()->rowCount()) {
        if (currentIndex().isValid())
            selectionModel()->clearCurrentIndex();
    } else {
        const int column = currentIndex().isValid() ? currentIndex().column() : m_lastColumn;
        const QModelIndex index = model()->index(row, qBound(0, column, model()->columnCount() - 1));
        if (index != currentIndex())
            setCurrentIndex(index);
    }
    m_syncing = false;
}

} // namespace tevo
