#pragma once
// Goods transfer: the goods write (state 31) of a range of goods to the selected scales and
// the goods read (state 30) of a range of numbers from one scale, with the sales totals.
// Each record is built from the goods row of its own number; a scale whose goods groups do
// not take a goods is not sent it.
#include "exchange/ExchangeCommand.h"
#include "exchange/RangeSelection.h"

namespace tevo {

class ExchangeEngine;
class Store;

class GoodsTransfer : public ExchangeCommand {
public:
    GoodsTransfer(ExchangeEngine &engine, Store &store);

    // Starts the goods write of the range text. Refuses (error box, false) when no scale is
    // selected, a connection check runs, the range text is bad or names a number past the
    // end of the goods table; nothing starts then.
    bool StartGoodsWrite(const QString &rangeText);
    // Starts the goods read of the range text from the one selected scale.
    bool startGoodsRead(const QString &rangeText);

    // The range of the last start.
    const RangeSelection &range() const { return m_range; }

    QByteArray buildRequest(CommandState state, int number) override;
    StepOutcome takeReply(CommandState state, int number, const QByteArray &reply) override;
    bool scaleTakes(CommandState state, int number, int scaleRow) override;

private:
    bool start(CommandState state, const QString &rangeText);
    void storeReply(int number, const QByteArray &reply);

    ExchangeEngine &m_engine;
    Store &m_store;
    RangeSelection m_range;
};

} // namespace tevo
