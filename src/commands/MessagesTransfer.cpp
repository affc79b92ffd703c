#include "commands/MessagesTransfer.h"

#include "commands/MessageRecord.h"
#include "common/Error.h"
#include "exchange/ExchangeEngine.h"
#include "store/Store.h"

#include <QCoreApplication>

namespace {
// The texts of this unit, translated under the context "MessagesTransfer".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(MessagesTransfer)
};
} // namespace

namespace tevo {
MessagesTransfer::MessagesTransfer(ExchangeEngine &engine, Store &store) : m_engine(engine), m_store(store) {}

bool MessagesTransfer::startMessagesWrite(const QString &rangeText, bool changedOnly)
{
    return start(CommandState::MessagesWrite, rangeText, changedOnly);
}

bool MessagesTransfer::startMessagesRead(const QString &rangeText)
{
    return start(CommandState::MessagesRead, rangeText);
}

bool MessagesTransfer::startMessagesVerify(const QString &rangeText)
{
    return start(CommandState::MessagesVerify, rangeText);
}

bool MessagesTransfer::start(CommandState state, const QString &rangeText, bool changedOnly)
{
    m_held.reset();
    if (state == CommandState::MessagesVerify)
        m_differences.clear();
    ExchangeEngine::RecordRange records;
    records.maxNumber = kMaxMessageNumber;
    records.rowCount = m_store.messages().count();
    records.pastTheEnd = Tr::tr("В таблице сообщений нет строки № %1 (в ней %2 строк): обмен не начат, "
                                "в весы ничего не отправлено.");
    records.bar = ProgressBar::Messages;
    records.changedOnly = changedOnly;
    // A read asks for one more number after the range; its answer ends the read.
    records.closingRecord = state == CommandState::MessagesRead;
    return m_engine.startTransfer(*this, state, rangeText, records, m_range);
}

QByteArray MessagesTransfer::recordOf(int row) const
{
    Table &messages = m_store.messages();
    QStringList lines;
    for (int i = 1; i <= kMessageLineCount; ++i)
        lines << messages.text(row, QStringLiteral("M%1").arg(i));
    const QVariant n = messages.value(row, QStringLiteral("NPLU"));
    return buildMessageRecord(n.isNull() ? 0 : n.toInt(), lines);
}

QByteArray MessagesTransfer::buildRequest(CommandState state, int number)
{
    if (state == CommandState::MessagesRead || state == CommandState::MessagesVerify)
        return buildMessageReadRequest(number);
    if (state != CommandState::MessagesWrite)
        return {};
    Table &messages = m_store.messages();
    const int row = number - 1;
    if (row < 0 || row >= messages.count())
        throw InputError(Tr::tr("В таблице сообщений больше нет строки № %1: запись остановлена.").arg(number));
    return recordOf(row);
}

QString MessagesTransfer::address(int scaleRow) const { return ScaleLedger::addressOf(m_store.scales(), scaleRow); }

bool MessagesTransfer::scaleHolds(CommandState state, int number, int scaleRow)
{
    const int rows = m_store.messages().count();
    if (state != CommandState::MessagesWrite || number < 1 || number > rows)
        return false;
    return m_held.holds(m_store.ledger(), ScaleLedger::Kind::Messages, address(scaleRow), scaleRow, number,
                        [&](int n) { return n < 1 || n > rows ? QByteArray() : messageRequestDigest(recordOf(n - 1)); });
}

void MessagesTransfer::recordDone(CommandState state, int number, int scaleRow, const QByteArray &request,
                                  const QByteArray &reply)
{
    ScaleLedger &ledger = m_store.ledger();
    switch (state) {
    case CommandState::MessagesWrite:
        ledger.noteDelivered(address(scaleRow), m_store.scales().text(scaleRow, QStringLiteral("NAME")),
                             ScaleLedger::Kind::Messages, number, messageRequestDigest(request), QVariant());
        break;
    case CommandState::MessagesRead:
        ledger.noteHeld(address(scaleRow), ScaleLedger::Kind::Messages, number, messageReplyDigest(reply));
        break;
    case CommandState::MessagesVerify:
        compare(number, scaleRow, reply);
        ledger.noteHeld(address(scaleRow), ScaleLedger::Kind::Messages, number, messageReplyDigest(reply));
        break;
    default:
        break;
    }
}

void MessagesTransfer::recordUnanswered(CommandState state, int number, int scaleRow)
{
    // A write the scale may or may not have taken: the ledger no longer vouches for the record.
    if (state == CommandState::MessagesWrite)
        m_store.ledger().forget(address(scaleRow), ScaleLedger::Kind::Messages, number);
}

void MessagesTransfer::recordRefused(CommandState state, int number, int scaleRow)
{
    // A refused write changes nothing the scale holds; a refused read says it holds nothing.
    if (state != CommandState::MessagesRead && state != CommandState::MessagesVerify)
        return;
    m_store.ledger().forget(address(scaleRow), ScaleLedger::Kind::Messages, number);
    if (state != CommandState::MessagesVerify || number < 1 || number > m_store.messages().count())
        return;
    const QStringList lines = decodeMessageReply(QByteArray(1, '\xAA') + recordOf(number - 1).mid(3));
    if (!lines.join(QString()).isEmpty())
        m_differences[scaleRow].append({number, RecordDifference::Kind::Missing, {}, {}, {}});
}

void MessagesTransfer::compare(int number, int scaleRow, const QByteArray &reply)
{
    if (number < 1 || number > m_store.messages().count())
        return;
    const QByteArray record = recordOf(number - 1);
    if (messageRequestDigest(record) == messageReplyDigest(reply))
        return;
    const QStringList table = decodeMessageReply(QByteArray(1, '\xAA') + record.mid(3));
    const QStringList held = decodeMessageReply(reply);
    QVector<RecordDifference> &out = m_differences[scaleRow];
    if (table.join(QString()).isEmpty()) {
        out.append({number, RecordDifference::Kind::Extra, QStringLiteral("M1"), {}, held.value(0)});
        return;
    }
    const qsizetype before = out.size();
    for (int i = 0; i < kMessageLineCount; ++i)
        if (table.value(i) != held.value(i))
            out.append({number, RecordDifference::Kind::Differs, QStringLiteral("M%1").arg(i + 1), table.value(i),
                        held.value(i)});
    if (out.size() == before) // the same text, other bytes
        out.append({number, RecordDifference::Kind::Differs, QStringLiteral("M1"),
                    QString::fromLatin1(record.mid(3, kMessageLineWidth).toHex()),
                    QString::fromLatin1(reply.mid(1, kMessageLineWidth).toHex())});
}

StepOutcome MessagesTransfer::takeReply(CommandState state, int number, const QByteArray &reply)
{
    if (state != CommandState::MessagesRead && state != CommandState::MessagesVerify)
        return StepOutcome::StepDone; // the acknowledgement of a written message
    if (reply.size() < kMessageReplyLength)
        return StepOutcome::Incomplete;
    if (state == CommandState::MessagesVerify)
        return StepOutcome::StepDone; // compared in recordDone, with the scale it came from
    if (number > m_range.rangeLast)
        return StepOutcome::Finished; // the closing request
    Table &messages = m_store.messages();
    if (number < 1 || number > messages.count())
        throw InputError(
            Tr::tr("В таблице сообщений нет строки № %1: сообщение не сохранено, обмен остановлен.").arg(number));
    const QStringList lines = decodeMessageReply(reply);
    FieldValues values;
    for (int i = 0; i < kMessageLineCount; ++i)
        values.append({QStringLiteral("M%1").arg(i + 1), i < lines.size() ? lines.at(i) : QString()});
    const ChangeJournal::Scope source(m_store.journal(), ChangeSource::ScaleRead,
                                      ScaleLedger::selectedScale(m_store.scales()));
    messages.queueValues(number - 1, values); // stored with the next commit
    return StepOutcome::StepDone;
}

} // namespace tevo
