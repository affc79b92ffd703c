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

class TScalesForm : public QDialog {
    Q_OBJECT
public:
    TScalesForm(Store &store, AppState &state, QWidget *parent = nullptr);
    ~TScalesForm() override;

    // Closing, whatever the result, stores an open edit and recounts SelectedScaleCount.
    void done(int result) override;

    // A serial port name is "COM0" … "COM9" (any case); any other text holding "COM" is refused.
    static bool acceptablePortName(const QString &ip);

    TableGrid *gdS = nullptr;
    QWidget *DBNavigator1 = nullptr;
    QToolButton *nbFirst = nullptr, *nbPrior = nullptr, *nbNext = nullptr, *nbLast = nullptr, *nbInsert = nullptr,
                *nbDelete = nullptr, *nbEdit = nullptr, *nbPost = nullptr, *nbCancel = nullptr, *nbRefresh = nullptr;
    QPushButton *btnClose = nullptr; // "Готово"
    QPushButton *Button1 = nullptr;  // "Проверить связь"

signals:
    // "Проверить связь": the connection check runs while the dialog stays open.
    void connectionCheckRequested();

private:
    // The change rule of the "Исп." column: a scale can be ticked only while "Вкл." is ticked.
    bool gdSColumns0UpdateData(int row, QVariant &value);
    bool editFilter(int row, const QString &column, QVariant &value);
    void buildNavigator();
    void editCurrentCell();

    Store &m_store;
    AppState &m_state;
};

} // namespace tevo
