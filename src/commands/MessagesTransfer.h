#pragma once
// Messages transfer: the messages write (state 41) of a range of messages to the selected
// scales and the messages read (state 40) of a range of numbers from one scale. Each number
// sends, or receives into, the message row of that number. What each scale acknowledges or is
// read to hold goes to the ledger (store/ScaleLedger); with "Только изменённые" a scale is sent
// only the messages it does not hold as they are. The check (state 42) reads the range back
// from each selected scale and compares it with M, which it leaves as it is.
#include "exchange/ExchangeCommand.h"
#include "exchange/HeldRecords.h"
#include "exchange/RangeSelection.h"
#include "exchange/VerifyReport.h"

#include <QHash>
#include <QMap>

namespace tevo {

class ExchangeEngine;
class Store;

class MessagesTransfer : public ExchangeCommand {
public:
    MessagesTransfer(ExchangeEngine &engine, Store &store);

    // With `changedOnly` ("Только изменённые") each scale is sent only the messages of the range
    // it does not hold as they are now (the ledger).
    bool startMessagesWrite(const QString &rangeText, bool changedOnly = false);
    // The read asks for one number past the range at the end; its answer ends the read and is
    // not stored.
    bool startMessagesRead(const QString &rangeText);
    // Starts the check of the range text against the selected scales.
    bool startMessagesVerify(const QString &rangeText);
    // What the last check found, by 0-based row of S.
    const QMap<int, QVector<RecordDifference>> &differences() const { return m_differences; }

    const RangeSelection &range() const { return m_range; }

    QByteArray buildRequest(CommandState state, int number) override;
    StepOutcome takeReply(CommandState state, int number, const QByteArray &reply) override;
    bool scaleHolds(CommandState state, int number, int scaleRow) override;
    void recordDone(CommandState state, int number, int scaleRow, const QByteArray &request,
                    const QByteArray &reply) override;
    void recordRefused(CommandState state, int number, int scaleRow) override;
    void recordUnanswered(CommandState state, int number, int scaleRow) override;

private:
    bool start(CommandState state, const QString &rangeText, bool changedOnly = false);
    QByteArray recordOf(int row) const;
    void compare(int number, int scaleRow, const QByteArray &reply);
    QString address(int scaleRow) const;

    ExchangeEngine &m_engine;
    Store &m_store;
    RangeSelection m_range;
    HeldRecords m_held; // "Только изменённые": what each scale holds as it is today
    QMap<int, QVector<RecordDifference>> m_differences;
};

} // namespace tevo
