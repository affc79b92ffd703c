#pragma once
// The history of one goods ("История товара", from the goods grid's context menu or Ctrl+H):
// its changes and its deliveries to the scales on one time line (when, what, was, became, who
// and from where), and a chart of its price over time (PriceChart). One window, filled again
// for each goods asked about.
#include <QDialog>

class QLabel;
class QTableWidget;

namespace tevo {

class PriceChart;
class Store;

class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    explicit HistoryWindow(Store &store, QWidget *parent = nullptr);

    // Shows goods `number`; the database's text in the window when it cannot be read.
    void showGoods(qint64 number);
    QTableWidget *list() const { return m_list; }
    PriceChart *chart() const { return m_chart; }

private:
    Store &m_store;
    QLabel *m_title = nullptr;
    QTableWidget *m_list = nullptr;
    PriceChart *m_chart = nullptr;
};

} // namespace tevo
