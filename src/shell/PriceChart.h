#pragma once
// A small chart of one goods' price over time, drawn with QPainter: the price holds until it
// changes (steps), from the first point to now, with the lowest and highest price on the left
// and the first and last date below. No chart library: a step line is all it shows.
#include <QPair>
#include <QVector>
#include <QWidget>

namespace tevo {

class PriceChart : public QWidget {
    Q_OBJECT
public:
    explicit PriceChart(QWidget *parent = nullptr);

    // From when (ms since 1970) each price held, oldest first; a null price is a gap.
    struct Point {
        qint64 at = 0;
        bool hasPrice = false;
        qint64 price = 0;
    };
    void setPoints(const QVector<Point> &points, qint64 until);
    const QVector<Point> &points() const { return m_points; }

    QSize sizeHint() const override { return {480, 160}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVector<Point> m_points;
    qint64 m_until = 0;
};

} // namespace tevo
