#pragma once
// A grid on one of the store's tables, through a model of its own (shell/TableModel): the
// grid's current cell and the table's current row follow each other (the new row the grid
// opens is no row of the table), columns take their titles and designed widths from
// fileio/ColumnTitles, cells are
// edited in place with the editor shown as soon as a cell becomes current, and the record keys
// work as the users know them: arrow down past the last row and Insert open a new row,
// Ctrl+Delete deletes the current row after "Delete record?". Before the table is re-read or
// replaced, what is typed into the open editor is stored, so nothing typed is lost.
#include <QPointer>
#include <QTableView>
#include <memory>

class QKeyEvent;

namespace tevo {

class OperationGuard;
class Table;
class TableModel;

class TableGrid : public QTableView {
    Q_OBJECT
public:
    explicit TableGrid(QWidget *parent = nullptr);
    ~TableGrid() override;

    // Shows `table` (nullptr: none) through a model the grid makes and owns.
    void setTable(Table *table);
    Table *table() const { return m_table; }
    TableModel *tableModel() const { return m_model.get(); }

    // Designed width of a column, from its title.
    int designedWidth(int column) const;
    void applyDesignedWidths();

    // At most `limit` rows (0: no limit); opening a row past it shows `refusal` instead.
    void setRowLimit(int limit, const QString &refusal);
    // The guard of long table operations; deleting a row (with its question) is one of them.
    void setGuard(OperationGuard *guard) { m_guard = guard; }

    // Opens a new row at the end (arrow down on the last row, Insert, the navigator's insert);
    // false when the row limit refuses it.
    bool appendRow();
    // Asks "Delete record?" and on OK deletes the row that was current when it asked, or
    // nothing when that row is gone meanwhile. Refused while another long table operation runs.
    void deleteCurrentRow();
    // Stores what is typed into the open cell editor and closes it.
    void commitEdit();
    // Before the table is re-read or replaced: stores the open editor, except on a new row of
    // a numbered table (one the user may not add), which is dropped.
    void storeOpenEdit();
    // Closes the open cell editor without storing it and drops a new row nothing was typed into.
    void cancelEdit();
    bool isEditing() const { return openEditor() != nullptr; }

signals:
    // After every key release in the grid or in its cell editor (auto-repeat excluded).
    void keyReleased(int key);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class GridDelegate;
    void editorCreated(QWidget *editor, const QModelIndex &index);
    QWidget *openEditor() const;
    bool handleRecordKey(QKeyEvent *event);
    void followTable(int row);
    void checkLeft();

    Table *m_table = nullptr;
    std::unique_ptr<TableModel> m_model; // no Qt parent: the grid alone owns it
    QPointer<QWidget> m_editor;
    QPersistentModelIndex m_editorIndex;
    OperationGuard *m_guard = nullptr;
    bool m_storing = false;
    int m_rowLimit = 0;
    QString m_limitText;
    int m_lastColumn = 0;
    bool m_syncing = false;
};

} // namespace tevo
