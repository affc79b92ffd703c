#include "shell/LcdIndicator.h"

#include <QPainter>

namespace tevo {
namespace {
const QColor kDigits(0, 255, 0);
const QColor kUnlit(48, 48, 48);
constexpr int kDigitCount = 10;
} // namespace

LcdIndicator::LcdIndicator(QWidget *parent) : QLCDNumber(kDigitCount, parent)
{
    setSegmentStyle(QLCDNumber::Flat);
    setSmallDecimalPoint(true);
    setFrameShape(QFrame::NoFrame);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, kDigits);
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setIndicatorString(QStringLiteral("0"));
}

void LcdIndicator::setIndicatorString(const QString &text)
{
    m_text = text;
    QString shown = text;
    shown.replace(QLatin1Char(','), QLatin1Char('.'));
    display(shown);
}

void LcdIndicator::resizeEvent(QResizeEvent *event)
{
    QLCDNumber::resizeEvent(event);
    m_unlit = QPixmap();
}

void LcdIndicator::paintEvent(QPaintEvent *event)
{
    if (m_unlit.size() != size()) {
        // Every segment of every place, drawn once per size by a twin readout in grey.
        QLCDNumber twin(digitCount());
        twin.setSegmentStyle(segmentStyle());
        twin.setSmallDecimalPoint(true);
        twin.setFrameShape(QFrame::NoFrame);
        QPalette p = twin.palette();
        p.setColor(QPalette::WindowText, kUnlit);
        p.setColor(QPalette::Window, Qt::black);
        twin.setPalette(p);
        twin.setAutoFillBackground(true);
        twin.resize(size());
        twin.display(QString(digitCount(), QLatin1Char('8')));
        m_unlit = twin.grab();
    }
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_unlit);
    }
    QLCDNumber::paintEvent(event);
}

} // namespace tevo
