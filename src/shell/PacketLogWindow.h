#pragma once
// The packet log window: one line for every block received from any scale, appended for the
// whole run whether the window is shown or not. The log is a plain-text view that only
// appends; it keeps at least the latest `kMaxLines` lines (the whole of any command but a long
// goods or messages transfer, whose last 2500 records it shows) and at most twice as many: when the view would hold
// more, it is filled afresh with the latest `kMaxLines` (a text view trimmed line by line keeps the memory of every
// line it ever held), so a program left running for nights of automatic loading does not grow without end. Lines that
// come faster than about 30 a second are appended together (the first at once, the rest of each 33 ms in one go), so a
// fast exchange costs the view one append and one repaint per interval, not one per packet; the lines kept are in
// order.
#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace tevo {

class UpdateThrottle;

class PacketLogWindow : public QWidget {
    Q_OBJECT
public:
    explicit PacketLogWindow(QWidget *parent = nullptr);

    static constexpr int kMaxLines = 5000;

    // Appends the log line of a block received from the scale named `scale` (now, or with the
    // next lines of its interval).
    void appendPacket(const QByteArray &block, const QString &scale);
    // Appends the lines still waiting now.
    void flushLog();

    // The log view ("mView").
    QPlainTextEdit *view() const { return m_view; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void appendWaiting();

    QPlainTextEdit *m_view = nullptr;
    bool m_placed = false;
    QStringList m_waiting;
    UpdateThrottle *m_throttle = nullptr;
};

} // namespace tevo
