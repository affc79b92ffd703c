#pragma once
// The scales dialog: the list of scales (table S) with the selection of the scales that take
// part in the next exchange, and the start of the connection check. Every exchange starter
// uses it as its scale picker, with its own caption.
#include <QDialog>

class QPushButton;
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

signals:
    // "Проверить связь": the connection check runs while the dialog stays open.
    void connectionCheckRequested();

private:
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
};

} // namespace tevo
