#pragma once
// The scales dialog: the list of scales (table S) with the selection of the scales that take
// part in the next exchange, and the start of the connection check. Every exchange starter
// uses it as its scale picker, with its own caption. Below the list, who is behind: per scale
// when it last answered, when it last took a complete write and how many goods and messages it
// does not hold as they are now (commands/ScaleHoldings), recomputed when the dialog opens,
// after every exchange and after every change of the tables by another program; and the
// button that clears one scale's ledger.
#include <QDialog>

class QPushButton;
class QTableWidget;
class QToolButton;

namespace tevo {

class AppState;
class Store;
class TableGrid;

class ScalesDialog : public QDialog {
    Q_OBJECT
public:
    ScalesDialog(Store &store, AppState &state, QWidget *parent = nullptr);
    ~ScalesDialog() override;

    // Closing, whatever the result, stores an open edit and recounts the selected scales.
    void done(int result) override;

    // A serial port name is "COM0" … "COM9" (any case); any other text holding "COM" is refused.
    static bool acceptablePortName(const QString &ip);

    // The grid of the scales ("gdS").
    TableGrid *grid() const { return m_grid; }

    // Who is behind, computed again now (when the dialog is shown; otherwise at its next show).
    void refreshStandings();

signals:
    // "Проверить связь": the connection check runs while the dialog stays open.
    void connectionCheckRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Clears the ledger of the current row's scale, after a question.
    void forgetCurrentScale();
    void refreshSoon();
    // The change rule of the "Исп." column: a scale can be ticked only while "Вкл." is ticked.
    bool allowUseChange(int row, QVariant &value);
    bool editFilter(int row, const QString &column, QVariant &value);
    void buildNavigator();
    void editCurrentCell();

    Store &m_store;
    AppState &m_state;
    TableGrid *m_grid = nullptr;
    QWidget *m_navigator = nullptr;
    QToolButton *m_firstButton = nullptr, *m_priorButton = nullptr, *m_nextButton = nullptr, *m_lastButton = nullptr,
                *m_insertButton = nullptr, *m_deleteButton = nullptr, *m_editButton = nullptr, *m_postButton = nullptr,
                *m_cancelButton = nullptr, *m_refreshButton = nullptr;
    QPushButton *m_doneButton = nullptr;            // "Готово"
    QPushButton *m_checkConnectionButton = nullptr; // "Проверить связь"
    QTableWidget *m_standings = nullptr;            // who is behind ("gdStanding")
    QPushButton *m_forgetButton = nullptr;          // "Забыть, что в весах"
    bool m_refreshDue = false;
};

} // namespace tevo
