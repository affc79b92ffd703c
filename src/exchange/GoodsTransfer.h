#pragma once
// Goods transfer: the goods write (state 31) of a range of goods to the selected scales and
// the goods read (state 30) of a range of numbers from one scale, with the sales totals.
// Each record is built from the goods row of its own number; a scale whose goods groups do
// not take a goods is not sent it. Every record a scale acknowledges, or is read to hold, goes
// to the ledger (store/ScaleLedger) in the transaction of the exchange; with "Только
// изменённые" a scale is sent only the records the ledger says it does not hold as they are.
// The check (state 32) reads the range back from each selected scale and compares it with T,
// which it leaves as it is.
#include "exchange/ExchangeCommand.h"
#include "exchange/HeldRecords.h"
#include "exchange/RangeSelection.h"
#include "exchange/VerifyReport.h"

#include <QHash>
#include <QMap>

namespace tevo {

class ExchangeEngine;
class Store;

class GoodsTransfer : public ExchangeCommand {
public:
    GoodsTransfer(ExchangeEngine &engine, Store &store);

    // Starts the goods write of the range text. Refuses (error box, false) when no scale is
    // selected, a connection check runs, the range text is bad or names a number past the
    // end of the goods table; nothing starts then.
    // With `changedOnly` ("Только изменённые") each scale is sent only the goods of the range it
    // does not hold as they are now (the ledger); the others count as held.
    bool StartGoodsWrite(const QString &rangeText, bool changedOnly = false);
    // Starts the goods read of the range text from the one selected scale.
    bool startGoodsRead(const QString &rangeText);
    // Starts the check of the range text against the selected scales.
    bool startGoodsVerify(const QString &rangeText);
    // What the last check found, by 0-based row of S.
    const QMap<int, QVector<RecordDifference>> &differences() const { return m_differences; }

    // The range of the last start.
    const RangeSelection &range() const { return m_range; }

    QByteArray buildRequest(CommandState state, int number) override;
    StepOutcome takeReply(CommandState state, int number, const QByteArray &reply) override;
    bool scaleTakes(CommandState state, int number, int scaleRow) override;
    // The groups rule: a scale takes goods whose group (SG of T) is empty, or occurs in its own
    // group text (SG of S), or any goods when its group text is empty; case is ignored.
    static bool groupTaken(const QString &goodsGroup, const QString &scaleGroups);
    bool scaleHolds(CommandState state, int number, int scaleRow) override;
    void recordDone(CommandState state, int number, int scaleRow, const QByteArray &request,
                    const QByteArray &reply) override;
    void recordRefused(CommandState state, int number, int scaleRow) override;
    void recordUnanswered(CommandState state, int number, int scaleRow) override;

private:
    bool start(CommandState state, const QString &rangeText, bool changedOnly = false);
    void storeReply(int number, const QByteArray &reply);
    void compare(int number, int scaleRow, const QByteArray &reply);
    QString address(int scaleRow) const;

    ExchangeEngine &m_engine;
    Store &m_store;
    RangeSelection m_range;
    HeldRecords m_held; // "Только изменённые": what each scale holds as it is today
    QMap<int, QVector<RecordDifference>> m_differences;
};

} // namespace tevo
