#include "shell/PaketViewForm.h"

#include "exchange/PacketLogLine.h"
#include "shell/ShellStyle.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace tevo {

TPaketViewForm::TPaketViewForm(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("PaketViewForm"));
    setWindowTitle(QStringLiteral("Просмотр входящих пакетов"));
    setFont(style::windowFont());
    style::paintPaleGreen(this);
    resize(1023, 272);

    mView = new QPlainTextEdit(this);
    mView->setObjectName(QStringLiteral("mView"));
    mView->setReadOnly(true);
    mView->setUndoRedoEnabled(false);   // nothing to undo; keeps a long log small
    mView->setMaximumBlockCount(0);     // no limit on the number of lines
    mView->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mView);
}

void TPaketViewForm::appendPacket(const QByteArray &block) { mView->appendPlainText(packetLogLine(block)); }

// The window stands at the bottom edge of the screen the first time it is shown.
void TPaketViewForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
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
