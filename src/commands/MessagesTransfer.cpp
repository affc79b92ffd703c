#include "commands/MessagesTransfer.h"

#include "commands/MessageRecord.h"
#include "common/Error.h"
#include "exchange/ExchangeEngine.h"
#include "store/Store.h"

namespace tevo {

MessagesTransfer::MessagesTransfer(ExchangeEngine &engine, Store &store) : m_engine(engine), m_store(store) {}

bool MessagesTransfer::startMessagesWrite(const QString &rangeText)
{
    return start(CommandState::MessagesWrite, rangeText);
}

bool MessagesTransfer::startMessagesRead(const QString &rangeText)
{
    return start(CommandState::MessagesRead, rangeText);
}

bool MessagesTransfer::start(CommandState state, const QString &rangeText)
{
    ExchangeEngine::RecordRange records;
    records.maxNumber = kMaxMessageNumber;
    records.rowCount = m_store.messages().count();
    records.pastTheEnd = QStringLiteral("В таблице сообщений нет строки № %1 (в ней %2 строк): обмен не начат, "
                                        "в весы ничего не отправлено.");
    records.bar = ProgressBar::Messages;
    // A read asks for one more number after the range; its answer ends the read.
    records.closingRecord = state == CommandState::MessagesRead;
    return m_engine.startTransfer(*this, state, rangeText, records, m_range);
}

QByteArray MessagesTransfer::buildRequest(CommandState state, int number)
{
    if (state == CommandState::MessagesRead)
        return buildMessageReadRequest(number);
    if (state != CommandState::MessagesWrite)
        return {};
    Table &messages = m_store.messages();
    const int row = number - 1;
    if (row < 0 || row >= messages.count())
        throw InputError(QStringLiteral("В таблице сообщений больше нет строки № %1: запись остановлена.").arg(number));
    QStringList lines;
    for (int i = 1; i <= kMessageLineCount; ++i)
        lines << messages.text(row, QStringLiteral("M%1").arg(i));
    const QVariant n = messages.value(row, QStringLiteral("NPLU"));
    return buildMessageRecord(n.isNull() ? 0 : n.toInt(), lines);
}

StepOutcome MessagesTransfer::takeReply(CommandState state, int number, const QByteArray &reply)
{
    if (state != CommandState::MessagesRead)
        return StepOutcome::StepDone; // the acknowledgement of a written message
    if (reply.size() < kMessageReplyLength)
        return StepOutcome::Incomplete;
    if (number > m_range.rangeLast)
        return StepOutcome::Finished; // the closing request
    Table &messages = m_store.messages();
    if (number < 1 || number > messages.count())
        throw InputError(
            QStringLiteral("В таблице сообщений нет строки № %1: сообщение не сохранено, обмен остановлен.").arg(number));
    const QStringList lines = decodeMessageReply(reply);
    FieldValues values;
    for (int i = 0; i < kMessageLineCount; ++i)
        values.append({QStringLiteral("M%1").arg(i + 1), i < lines.size() ? lines.at(i) : QString()});
    messages.setValues(number - 1, values);
    return StepOutcome::StepDone;
}

} // namespace tevo
