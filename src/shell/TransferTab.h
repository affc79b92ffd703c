#pragma once
// What the goods and the messages tabs share: the transfer strip (range, "current" and "all",
// write, read, stop, progress) over the grid of their table. A key released in the grid drops
// a new row nothing was numbered in. The tab says what was clicked; the exchange glue decides
// what that starts.
#include "shell/Controls.h"

#include <QWidget>

class QBoxLayout;
class QFrame;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tevo {

class OperationGuard;
class Table;
class TableGrid;

class TransferTab : public QWidget {
    Q_OBJECT
public:
    // The designed names and captions of one tab, and the range "all" puts in.
    struct Design {
        const char *tabName;
        TransferStripNames strip;
        const char *gridName;
        QString wholeRange;
        const char *verifyName = nullptr; // "Сверить с весами"
    };

    TransferTab(const Design &design, Table &table, OperationGuard &guard, QWidget *parent = nullptr);

    // The range of records the next write or read takes ("1-4000", "12", "3-7,9").
    QString rangeText() const;
    void setRangeText(const QString &range);

    TableGrid *grid() const { return m_grid; }
    // The grid stops showing the table (before the table goes).
    void releaseTable();

    // The progress bar of the strip: its maximum (at least 1) and its value (at most the maximum).
    void setProgressMaximum(int maximum);
    void showProgress(int value);

signals:
    void writeClicked();
    void readClicked();
    void stopClicked();
    void verifyClicked();

protected:
    Table &table() const { return m_table; }
    // The column the strip and the grid stand in, for what a tab adds below them.
    QBoxLayout *column() const { return m_column; }

private:
    void onCurrentClicked();
    void onAllClicked();
    void onGridKeyReleased();

    Table &m_table;
    QString m_wholeRange;
    QFrame *m_strip = nullptr;
    QLineEdit *m_rangeEdit = nullptr;
    QPushButton *m_currentButton = nullptr;
    QPushButton *m_allButton = nullptr;
    QPushButton *m_writeButton = nullptr;
    QPushButton *m_readButton = nullptr;
    QPushButton *m_stopButton = nullptr;
    QPushButton *m_verifyButton = nullptr;
    QProgressBar *m_progressBar = nullptr;
    TableGrid *m_grid = nullptr;
    QBoxLayout *m_column = nullptr;
};

} // namespace tevo
