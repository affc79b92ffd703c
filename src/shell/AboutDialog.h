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

    // "Версия 1.6": the about box, the "Поддержка" group.
    static QString versionText();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showDatabase();

    const Database &m_database;
    QLabel *m_databaseLabel;
};

} // namespace tevo
