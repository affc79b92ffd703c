#pragma once
// A grid's model of one of the store's tables: the table's rows as cells, with the titles and
// check boxes of fileio/ColumnTitles, and what only the grid has: the new row the grid opens
// (arrow down past the last row, Insert), shown below the table's rows and stored only once
// something is typed into it; the rule run before a typed value is stored; the columns the
// grid does not edit (the number column, the scales' "on" column). Every change of the table,
// whoever makes it (an import, the exchange, a re-read), reaches the views through the model.
#include <QAbstractTableModel>
#include <QColor>
#include <QVector>
#include <functional>

namespace tevo {

class Table;

class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TableModel(Table &table, QObject *parent = nullptr);

    Table &table() const { return m_table; }

    // --- the row the grid opens ---
    void appendPendingRow(); // an empty row below the table's rows; nothing is stored yet
    bool hasPendingRow() const { return m_pending; }
    int pendingRow() const;  // its position (the table's row count), -1 when there is none
    void cancelPendingRow(); // drops it (nothing was typed into it: it would be stored then)
    // Drops a row without a number, as the grids do after every key release: the new row, and
    // the table's last row when it has no number either.
    void dropRowWithoutNumber();

    // A rule run before a value typed into the grid is stored; it may change the value, and
    // returning false keeps the row as it is.
    using EditFilter = std::function<bool(int row, const QString &column, QVariant &value)>;
    void setEditFilter(EditFilter filter) { m_editFilter = std::move(filter); }

    // How many characters the scale keeps of a cell (0: the column is not a text the scale
    // prints). A cell the scale would not print as it stands (cut, or with characters its page
    // lacks) is marked, and its tooltip says what the scale will get (common/ScalePage). The
    // stored value is not touched.
    using ScaleWidth = std::function<int(int row, const QString &column)>;
    void setScaleWidth(ScaleWidth width) { m_scaleWidth = std::move(width); }
    static QColor scaleMarkColor();
    // What the scale will get of `text` in that cell ("Весы получат: …"); empty when it gets the
    // text as it stands or the column is not a printed text. The grid's editor shows it as typed.
    QString scaleTip(int row, int column, const QString &text) const;

    // A text typed into a number column of the goods or messages table read as people write
    // numbers (fileio/MoneyText): the price in currency units when it has a decimal comma or
    // point ("12,50", "12.50" → 1250 kopecks), otherwise in kopecks; other number columns as
    // whole numbers ("1 200"). `value` becomes the number; returns the Russian text naming the
    // column when the text cannot be read (empty when it can, or when the column is no such).
    QString readTyped(int column, QVariant &value) const;

    // The number column and the scales' "on" column are not edited in the grid.
    bool isReadOnly(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void store(int row, int column, const QVariant &value);
    void tableAboutToReset();
    void tableReset();

    Table &m_table;
    QVector<bool> m_readOnly;
    QVector<bool> m_checkBox;
    bool m_pending = false;
    bool m_storingPending = false; // the new row's insert is the row already shown
    bool m_dropping = false;       // the new row is being removed
    EditFilter m_editFilter;
    ScaleWidth m_scaleWidth;
};

} // namespace tevo
