#pragma once
// The about box.
#include <QDialog>

class QLabel;

namespace tevo {

class Database;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const Database &database, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showDatabase();

    const Database &m_database;
    QLabel *m_databaseLabel;
};

} // namespace tevo
