#pragma once
// The journal window ("Инструменты" → "Журнал изменений"): the change journal filtered by period,
// number, source and scale, sortable by any column, and the answers a shop needs from it: the
// price of a goods at the end of a date, the lowest price of the days before it, the
// revaluation list of the period and the prices a scale held in the period. Whatever the list
// shows saves as CSV or .xlsx. The answers come from session/History, as tevo-cli's do.
#include "session/History.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace tevo {

class Store;

class JournalWindow : public QDialog {
    Q_OBJECT
public:
    explicit JournalWindow(Store &store, QWidget *parent = nullptr);

    // The list of scales is read again, and the journal of the period shown.
    void showJournal();
    void showPrice();
    void showLowest();
    void showRevaluations();
    void showPrinted();
    const ReportSheet &sheet() const { return m_sheet; }

private:
    void showSheet(const ReportSheet &sheet, const QString &summary);
    template <class F> void answer(F &&f);
    void save(bool xlsx);
    qint64 from() const;
    qint64 to() const; // the end of the last day, exclusive

    Store &m_store;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QSpinBox *m_number = nullptr;
    QComboBox *m_source = nullptr;
    QComboBox *m_scale = nullptr;
    QSpinBox *m_days = nullptr;
    QLabel *m_summary = nullptr;
    QTableWidget *m_list = nullptr;
    ReportSheet m_sheet;
};

} // namespace tevo
