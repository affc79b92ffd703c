#pragma once
// The window of a check of the scales against the tables ("Сверить с весами"): one summary
// line per scale ("Весы «Касса 2»: 3 расхождения из 4000") over a list of every record that
// differs, is missing or is extra, with the field, the database's value and the scale's value.
// The list sorts by any column, copies (Ctrl+C, the selected rows or all) and saves as CSV.
// One window, shown again by each check with its latest result.
#include "exchange/VerifyReport.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace tevo {

class VerifyWindow : public QDialog {
    Q_OBJECT
public:
    explicit VerifyWindow(QWidget *parent = nullptr);

    void showReport(const VerifyReport &report);
    // The list as text: a title line and one line per row, fields joined by `separator`
    // (CSV fields quoted where they need it). Only the selected rows when `selectedOnly` and any are.
    QString listText(QChar separator, bool selectedOnly) const;
    // Writes the list as CSV (";" between fields, UTF-8); false with the reason in `error`.
    bool saveCsv(const QString &path, QString *error) const;

private:
    void copy() const;
    void save();

    QLabel *m_summary = nullptr;
    QTableWidget *m_list = nullptr;
};

} // namespace tevo
