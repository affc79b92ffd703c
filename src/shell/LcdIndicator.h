#pragma once
// An LCD-style seven-segment readout: lime digits over dark grey unlit segments on black.
#include <QLCDNumber>
#include <QPixmap>

namespace tevo {

class LcdIndicator : public QLCDNumber {
    Q_OBJECT
public:
    explicit LcdIndicator(QWidget *parent = nullptr);

    // Shows a number text; a decimal comma is shown as the display's point.
    void setIndicatorString(const QString &text);
    QString indicatorString() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_text;
    QPixmap m_unlit;
};

} // namespace tevo
