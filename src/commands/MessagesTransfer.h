#pragma once
// Messages transfer: the messages write (state 41) of a range of messages to the selected
// scales and the messages read (state 40) of a range of numbers from one scale.
#include "exchange/ExchangeEngine.h"

#include <QObject>

namespace tevo {

class MessagesTransfer : public QObject, public ExchangeCommand {
    Q_OBJECT
public:
    explicit MessagesTransfer(ExchangeEngine &engine, QObject *parent = nullptr);

    bool startMessagesWrite(const QString &rangeText);
    bool startMessagesRead(const QString &rangeText);

    QByteArray buildRequest(int state, int number) override;
    void handleReply(int state, const QByteArray &packet, int scaleRecNo) override;

private:
    void handleWriteReply(const QByteArray &packet, int scaleRecNo);
    void handleReadReply(const QByteArray &packet);

    ExchangeEngine &m_engine;
};

} // namespace tevo
