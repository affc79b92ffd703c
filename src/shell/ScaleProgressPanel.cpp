#include "shell/ScaleProgressPanel.h"

#include <QHBoxLayout>
#include <QLabel>

namespace tevo {

ScaleProgressPanel::ScaleProgressPanel(QWidget *parent) : QFrame(parent), m_layout(new QHBoxLayout(this))
{
    setObjectName(QStringLiteral("pnScaleProgress"));
    m_layout->setContentsMargins(4, 0, 4, 0);
    m_layout->setSpacing(16);
    setVisible(false);
}

void ScaleProgressPanel::showLine(int row, const QString &text)
{
    QLabel *&label = m_lines[row];
    if (!label) {
        label = new QLabel(this);
        label->setObjectName(QStringLiteral("lbScaleProgress%1").arg(row));
        // In the order of S, whatever order the scales first report in.
        m_layout->insertWidget(int(std::distance(m_lines.begin(), m_lines.find(row))), label);
    }
    if (label->text() != text)
        label->setText(text);
    label->setVisible(true);
    setVisible(true);
}

QString ScaleProgressPanel::line(int row) const
{
    const QLabel *label = m_lines.value(row);
    return label && !label->isHidden() ? label->text() : QString();
}

void ScaleProgressPanel::clear()
{
    // The labels stay the panel's children, hidden until their scale reports again.
    for (QLabel *label : std::as_const(m_lines)) {
        label->clear();
        label->setVisible(false);
    }
    setVisible(false);
}

} // namespace tevo
