#pragma once
// The packet log window: one line for every block received from any scale, appended for the
// whole run whether the window is shown or not. The log is a plain-text view that only
// appends: adding a line is cheap even after a million lines, and nothing is cut off.
#include <QWidget>

class QPlainTextEdit;

namespace tevo {

class TPaketViewForm : public QWidget {
    Q_OBJECT
public:
    explicit TPaketViewForm(QWidget *parent = nullptr);

    // Appends the log line of a received block.
    void appendPacket(const QByteArray &block);

    QPlainTextEdit *mView = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_placed = false;
};

} // namespace tevo
