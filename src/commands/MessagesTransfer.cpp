#include "commands/MessagesTransfer.h"

#include "commands/MessageRecord.h"
#include "common/Error.h"
#include "store/Store.h"

namespace tevo {

MessagesTransfer::MessagesTransfer(ExchangeEngine &engine, QObject *parent) : QObject(parent), m_engine(engine)
{
    m_engine.registerCommand(cmd::MessagesWrite, this);
    m_engine.registerCommand(cmd::MessagesRead, this);
}

bool MessagesTransfer::startMessagesWrite(const QString &rangeText)
{
    if (m_engine.connectionCheckBlocks())
        return false;
    if (m_engine.SelectedScaleCount == 0) {
        emit m_engine.errorMessage(QStringLiteral("Не выбраны ни одни весы!"));
        return false;
    }
    if (!m_engine.takeRange(rangeText, kMaxMessageNumber))
        return false;
    m_engine.setProgress(ProgressBar::Messages, 0);
    m_engine.RangeCursor = m_engine.Range.RangeFirst;
    m_engine.ReadCursor = m_engine.Range.RangeFirst;
    // Each number of the range sends the message row of that number.
    m_engine.store().messages().moveToRecNo(m_engine.RangeCursor);
    m_engine.beginPolling(cmd::MessagesWrite);
    return true;
}

bool MessagesTransfer::startMessagesRead(const QString &rangeText)
{
    if (m_engine.connectionCheckBlocks())
        return false;
    if (m_engine.SelectedScaleCount != 1) {
        emit m_engine.errorMessage(QStringLiteral("На вкладеке \"Настройка\" выберите только одни весы!"));
        return false;
    }
    if (!m_engine.takeRange(rangeText, kMaxMessageNumber))
        return false;
    m_engine.setProgress(ProgressBar::Messages, 0);
    // One more number is asked for after the range; its answer ends the read.
    m_engine.Range.RangeLast += 1;
    m_engine.RangeCursor = m_engine.Range.RangeFirst;
    m_engine.store().messages().first();
    m_engine.ReadCursor = m_engine.Range.RangeFirst;
    m_engine.beginPolling(cmd::MessagesRead);
    return true;
}

QByteArray MessagesTransfer::buildRequest(int state, int number)
{
    if (state == cmd::MessagesRead)
        return buildMessageReadRequest(number);
    Table &messages = m_engine.store().messages();
    const int row = messages.currentRow();
    if (row < 0)
        throw InputError(QStringLiteral("Таблица сообщений пуста: передавать нечего."));
    QStringList lines;
    for (int i = 1; i <= 8; ++i)
        lines << messages.text(row, QStringLiteral("M%1").arg(i));
    const QVariant number_ = messages.value(row, QStringLiteral("NPLU"));
    return buildMessageRecord(number_.isNull() ? 0 : number_.toInt(), lines);
}

void MessagesTransfer::handleReply(int state, const QByteArray &packet, int scaleRecNo)
{
    if (state == cmd::MessagesWrite)
        handleWriteReply(packet, scaleRecNo);
    else
        handleReadReply(packet);
}

void MessagesTransfer::handleWriteReply(const QByteArray &packet, int scaleRecNo)
{
    if (!m_engine.recordAcknowledged(packet, scaleRecNo))
        return;
    if (m_engine.RangeCursor < m_engine.Range.RangeLast) {
        m_engine.advanceRecord();
        m_engine.pollAgain();
        return;
    }
    m_engine.stepProgress(ProgressBar::Messages);
    m_engine.Timer1.stop();
    m_engine.CloseChannels();
    emit m_engine.message(QStringLiteral("Все сообщения успешно записаны"));
    m_engine.setProgress(ProgressBar::Messages, 0);
    emit m_engine.exchangeEnded();
}

void MessagesTransfer::handleReadReply(const QByteArray &packet)
{
    m_engine.ReplyBuffer.append(packet);
    if (m_engine.ReplyBuffer.size() < kMessageReplyLength)
        return;
    if (m_engine.ReadCursor < m_engine.Range.RangeLast) {
        Table &messages = m_engine.store().messages();
        const int number = m_engine.ReadCursor;
        if (number < 1 || number > messages.count())
            throw InputError(QStringLiteral("В таблице сообщений нет строки № %1: сообщение не сохранено, обмен остановлен.")
                                 .arg(number));
        m_engine.stepProgress(ProgressBar::Messages);
        const QStringList lines = decodeMessageReply(m_engine.ReplyBuffer);
        messages.moveToRecNo(number);
        FieldValues values;
        for (int i = 0; i < 8; ++i)
            values.append({QStringLiteral("M%1").arg(i + 1), i < lines.size() ? lines.at(i) : QString()});
        messages.setValues(messages.currentRow(), values);
        m_engine.RangeCursor = m_engine.Range.NextInRange(m_engine.RangeCursor);
        m_engine.ReadCursor = m_engine.Range.NextInRange(m_engine.ReadCursor);
        m_engine.ReplyBuffer.clear();
        m_engine.pollAgain();
        return;
    }
    m_engine.endExchange(QStringLiteral("Запрошенные сообщения успешно считаны"));
    m_engine.setProgress(ProgressBar::Messages, 0);
}

} // namespace tevo
