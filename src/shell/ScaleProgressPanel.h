#pragma once
// The per-scale progress in the main window's status bar, seen on every tab: one line per
// scale of the running exchange ("Касса 2: 1200 из 4000", "… — не отвечает"). The lines stay
// after the exchange ends or is stopped, until the next one starts.
#include <QFrame>
#include <QMap>

class QHBoxLayout;
class QLabel;

namespace tevo {

class ScaleProgressPanel : public QFrame {
    Q_OBJECT
public:
    explicit ScaleProgressPanel(QWidget *parent = nullptr);

    // The line of the scale at record number `row` of S (label "lbScaleProgress<row>").
    void showLine(int row, const QString &text);
    QString line(int row) const;
    void clear();

private:
    QHBoxLayout *m_layout;
    QMap<int, QLabel *> m_lines; // children of the panel, made once per scale row
};

} // namespace tevo
