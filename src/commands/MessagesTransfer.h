#pragma once
// Messages transfer: the messages write (state 41) of a range of messages to the selected
// scales and the messages read (state 40) of a range of numbers from one scale. Each number
// sends, or receives into, the message row of that number.
#include "exchange/ExchangeCommand.h"
#include "exchange/RangeSelection.h"

namespace tevo {

class ExchangeEngine;
class Store;

class MessagesTransfer : public ExchangeCommand {
public:
    MessagesTransfer(ExchangeEngine &engine, Store &store);

    bool startMessagesWrite(const QString &rangeText);
    // The read asks for one number past the range at the end; its answer ends the read and is
    // not stored.
    bool startMessagesRead(const QString &rangeText);

    const RangeSelection &range() const { return m_range; }

    QByteArray buildRequest(CommandState state, int number) override;
    StepOutcome takeReply(CommandState state, int number, const QByteArray &reply) override;

private:
    bool start(CommandState state, const QString &rangeText);

    ExchangeEngine &m_engine;
    Store &m_store;
    RangeSelection m_range;
};

} // namespace tevo
