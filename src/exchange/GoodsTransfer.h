#pragma once
// Goods transfer: the goods write (state 31) of a range of goods to the selected scales and
// the goods read (state 30) of a range of numbers from one scale, with the sales totals.
#include "exchange/ExchangeEngine.h"

#include <QObject>
#include <functional>

namespace tevo {

class GoodsTransfer : public QObject, public ExchangeCommand {
    Q_OBJECT
public:
    explicit GoodsTransfer(ExchangeEngine &engine, QObject *parent = nullptr);

    // Starts the goods write of the range text. Refuses (error box, false) when no scale is
    // selected, a connection check runs or the range text is bad; nothing starts then.
    bool StartGoodsWrite(const QString &rangeText);
    // Starts the goods read of the range text from the one selected scale.
    bool startGoodsRead(const QString &rangeText);

    // Goods records written by the running (or last) goods write.
    int LoadedGoodsCount = 0;

    // Where the end of a goods write is told: a tray balloon while the main window is hidden
    // to the tray, a message box otherwise.
    std::function<bool()> mainWindowInTray;
    std::function<void(const QString &title, const QString &text, int icon, int seconds)> showTrayBalloon;

    QByteArray buildRequest(int state, int number) override;
    void handleReply(int state, const QByteArray &packet, int scaleRecNo) override;

signals:
    // The goods write ended with every record acknowledged by every scale that takes it.
    void goodsWriteSucceeded(const QString &endText);

private:
    void handleWriteReply(const QByteArray &packet, int scaleRecNo);
    void handleReadReply(const QByteArray &packet);

    ExchangeEngine &m_engine;
};

} // namespace tevo
