// A small step chart of one goods' price (PriceChart.h).
#include "shell/PriceChart.h"

#include <QDateTime>
#include <QPainter>
#include <QPainterPath>

namespace tevo {

PriceChart::PriceChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PriceChart"));
    setMinimumHeight(120);
}

void PriceChart::setPoints(const QVector<Point> &points, qint64 until)
{
    m_points = points;
    m_until = until;
    update();
}

void PriceChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    qint64 low = 0, high = 0;
    bool any = false;
    for (const Point &pt : m_points) {
        if (!pt.hasPrice)
            continue;
        low = any ? qMin(low, pt.price) : pt.price;
        high = any ? qMax(high, pt.price) : pt.price;
        any = true;
    }
    p.setPen(palette().color(QPalette::Text));
    if (!any || m_points.isEmpty()) {
        p.drawText(rect(), Qt::AlignCenter, tr("Цена не менялась и не задана"));
        return;
    }
    const QFontMetrics fm(font());
    const int left = fm.horizontalAdvance(QString::number(high)) + 12;
    const QRect area = rect().adjusted(left, 8, -8, -(fm.height() + 8));
    const qint64 t0 = m_points.first().at;
    const qint64 t1 = qMax(m_until, t0 + 1);
    const double span = double(qMax<qint64>(high - low, 1));
    const auto x = [&](qint64 t) { return area.left() + double(t - t0) / double(t1 - t0) * area.width(); };
    const auto y = [&](qint64 v) {
        return high == low ? area.center().y() : area.bottom() - double(v - low) / span * area.height();
    };
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(area);
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QRect(0, area.top() - fm.height() / 2, left - 6, fm.height()), Qt::AlignRight, QString::number(high));
    p.drawText(QRect(0, area.bottom() - fm.height() / 2, left - 6, fm.height()), Qt::AlignRight, QString::number(low));
    const QString format = QStringLiteral("dd.MM.yyyy");
    p.drawText(QRect(area.left(), area.bottom() + 4, area.width(), fm.height()), Qt::AlignLeft,
               QDateTime::fromMSecsSinceEpoch(t0).toString(format));
    p.drawText(QRect(area.left(), area.bottom() + 4, area.width(), fm.height()), Qt::AlignRight,
               QDateTime::fromMSecsSinceEpoch(t1).toString(format));
    QPen line(palette().color(QPalette::Highlight), 2);
    p.setPen(line);
    for (int i = 0; i < m_points.size(); ++i) {
        const Point &pt = m_points[i];
        if (!pt.hasPrice)
            continue;
        const qint64 end = i + 1 < m_points.size() ? m_points[i + 1].at : t1;
        p.drawLine(QPointF(x(pt.at), y(pt.price)), QPointF(x(end), y(pt.price)));
        if (i + 1 < m_points.size() && m_points[i + 1].hasPrice)
            p.drawLine(QPointF(x(end), y(pt.price)), QPointF(x(end), y(m_points[i + 1].price)));
    }
}

} // namespace tevo
