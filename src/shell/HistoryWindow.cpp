// The history of one goods: its time line and its price chart (HistoryWindow.h).
#include "shell/HistoryWindow.h"

#include "common/Error.h"
#include "session/History.h"
#include "shell/PriceChart.h"
#include "store/Store.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tevo {

HistoryWindow::HistoryWindow(Store &store, QWidget *parent) : QDialog(parent), m_store(store)
{
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(tr("История товара"));
    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("HistoryTitle"));
    layout->addWidget(m_title);
    m_chart = new PriceChart(this);
    layout->addWidget(m_chart);
    m_list = new QTableWidget(0, 5, this);
    m_list->setObjectName(QStringLiteral("HistoryList"));
    m_list->setHorizontalHeaderLabels({tr("Когда"), tr("Что"), tr("Было"), tr("Стало"), tr("Кто, откуда")});
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->verticalHeader()->hide();
    layout->addWidget(m_list, 1);
    resize(760, 520);
}

void HistoryWindow::showGoods(qint64 number)
{
    RecordHistory h;
    QString failure;
    try {
        h = recordHistory(m_store, true, number);
    } catch (const Error &e) {
        failure = e.text();
    }
    struct Line {
        qint64 at;
        QStringList cells;
    };
    QVector<Line> lines;
    QVector<PriceChart::Point> points;
    for (const JournalEntry &e : h.changes) {
        QString who = changeSourceName(e.source);
        if (!e.detail.isEmpty())
            who += QStringLiteral(": ") + e.detail;
        who += tr("; %1 на %2 (%3)").arg(e.user, e.computer, e.program);
        lines.append({e.at, {historyTimeText(e.at), e.field, e.oldValue.toString(), e.newValue.toString(), who}});
        if (e.field == QLatin1String("PRICE")) {
            if (points.isEmpty()) // the price before the first change the journal knows
                points.append({e.at, !e.oldValue.isNull(), e.oldValue.toLongLong()});
            points.append({e.at, !e.newValue.isNull(), e.newValue.toLongLong()});
        }
    }
    for (const ScaleLedger::Delivery &d : h.deliveries)
        lines.append({d.at,
                      {historyTimeText(d.at), tr("в весы"), QString(), d.price.isNull() ? QString() : d.price.toString(),
                       QStringLiteral("%1 (%2)").arg(d.scaleName, d.address)}});
    std::stable_sort(lines.begin(), lines.end(), [](const Line &a, const Line &b) { return a.at < b.at; });
    m_list->setRowCount(int(lines.size()));
    for (int r = 0; r < lines.size(); ++r)
        for (int c = 0; c < lines[r].cells.size(); ++c)
            m_list->setItem(r, c, new QTableWidgetItem(lines[r].cells[c]));
    m_list->resizeColumnsToContents(); // in the order of time, as a time line reads
    m_chart->setPoints(points, QDateTime::currentMSecsSinceEpoch());
    m_title->setText(
        failure.isEmpty()
            ? tr("Товар № %1: изменений %2, доставок в весы %3").arg(number).arg(h.changes.size()).arg(h.deliveries.size())
            : failure);
    setWindowTitle(tr("История товара № %1").arg(number));
}

} // namespace tevo
