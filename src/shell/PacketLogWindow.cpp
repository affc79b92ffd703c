#include "shell/PacketLogWindow.h"

#include "exchange/PacketLogLine.h"
#include "shell/ShellStyle.h"
#include "shell/UpdateThrottle.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tevo {

PacketLogWindow::PacketLogWindow(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("PaketViewForm"));
    setWindowTitle(tr("Просмотр входящих пакетов"));
    setFont(style::windowFont());
    style::paintPaleGreen(this);
    resize(1023, 272);

    m_view = new QPlainTextEdit(this);
    m_view->setObjectName(QStringLiteral("mView"));
    m_view->setReadOnly(true);
    m_view->setUndoRedoEnabled(false); // nothing to undo; keeps a long log small
    m_view->setMaximumBlockCount(0);   // appendWaiting keeps the number of lines within bounds
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    m_throttle = new UpdateThrottle([this] { appendWaiting(); }, this);
}

void PacketLogWindow::appendPacket(const QByteArray &block, const QString &scale)
{
    m_waiting.append(packetLogLine(block, scale));
    m_throttle->changed();
}

void PacketLogWindow::flushLog() { m_throttle->showNow(); }

void PacketLogWindow::appendWaiting()
{
    if (m_waiting.isEmpty())
        return;
    if (m_view->document()->blockCount() + m_waiting.size() > qsizetype(2) * kMaxLines) {
        // Afresh with the latest lines, at the end as an append leaves it.
        QStringList lines = m_view->document()->toPlainText().split(QLatin1Char('\n'));
        lines += m_waiting;
        m_view->setPlainText(lines.mid(lines.size() - kMaxLines).join(QLatin1Char('\n')));
        m_view->moveCursor(QTextCursor::End);
#if defined(__GLIBC__)
        // The old document's blocks and layouts are freed in many small pieces the allocator
        // keeps for itself; handed back, a night of loading ends near where it began.
        malloc_trim(0);
#endif
    } else {
        // One paragraph per line: the lines joined by line breaks are appended as they would be
        // one by one (a line break inside a block still starts a new visual line).
        m_view->appendPlainText(m_waiting.join(QLatin1Char('\n')));
    }
    m_waiting.clear();
    // Each line starts with what was received; the scale and the hex follow to the right. A
    // view that follows the end shows the start of the last line, not its end.
    if (m_view->verticalScrollBar()->value() == m_view->verticalScrollBar()->maximum()) {
        m_view->moveCursor(QTextCursor::End);
        m_view->moveCursor(QTextCursor::StartOfLine);
    }
    m_view->horizontalScrollBar()->setValue(0);
}

// The lines waiting are there as the window shows. It stands at the bottom edge of the screen
// the first time it is shown.
void PacketLogWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    flushLog();
    if (m_placed)
        return;
    m_placed = true;
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const int frameHeight = frameGeometry().height() - geometry().height();
    move(area.left() + 1, area.bottom() + 1 - height() - frameHeight);
}

} // namespace tevo
