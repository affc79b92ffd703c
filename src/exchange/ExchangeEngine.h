#pragma once
// The exchange engine: one command state, the poll timer Timer1, the request of the current
// state and the interpretation of every packet that arrives from any scale. The protocol is
// half-duplex and driven by the PC: poll 0x01 → ready 0x80 → request → acknowledgement 0xAA
// (with the data of a read) or refusal 0xEE.
#include "exchange/RangeSelection.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QVariant>
#include <functional>

namespace tevo {

class ScaleChannels;
class Store;
class Table;

enum class ProgressBar { Goods, Messages }; // pbT, pbM

// Command states of the protocol.
namespace cmd {
inline constexpr int SettingsRead = 1, HeaderRead = 2, LogoRead = 3, CheckReply = 4, SettingsWrite = 10,
                     HeaderWrite = 11, LogoWrite = 12, DateWrite = 20, TimeWrite = 21, GoodsRead = 30,
                     GoodsWrite = 31, MessagesRead = 40, MessagesWrite = 41, TotalsRead = 85, StateRead = 89;
}

// The request and reply handling of some command states.
class ExchangeCommand {
public:
    virtual ~ExchangeCommand() = default;
    // The request of the state; empty sends nothing. May throw tevo::Error.
    virtual QByteArray buildRequest(int state, int number) = 0;
    // Every packet received while the scale's acceptance is in (AckReceived is 1).
    virtual void handleReply(int state, const QByteArray &packet, int scaleRecNo) = 0;
};

class ExchangeEngine : public QObject {
    Q_OBJECT
public:
    ExchangeEngine(Store &store, ScaleChannels &channels, QObject *parent = nullptr);

    void registerCommand(int state, ExchangeCommand *command);

    Store &store() const { return m_store; }
    ScaleChannels &channels() const { return m_channels; }

    // --- engine state, shared with the commands ---
    int ExchangeState = 0;
    int AckReceived = 0;
    RangeSelection Range; // RangeSelected, RangeFirst, RangeLast, RangeSize
    int RangeCursor = 0;
    int ReadCursor = 0;
    QByteArray ReplyBuffer;
    int SelectedScaleCount = 0;
    int ReplyCount = 0;
    bool ConnectionCheckActive = false;
    bool SendToAllScales = false;
    QTimer Timer1; // the poll timer, 200 ms at start

    // CheckBox1 "Изменение цены": a refused record is skipped once every selected scale
    // refused it.
    bool priceChangeChecked = false;

    // --- operations ---
    void SendPacket(const QByteArray &packet);
    void BuildRequest(int state, int number);
    void HandleReply(const QByteArray &packet, int scaleRecNo);

    // The common start: refuses (error box, false) while a connection check runs, checks the
    // selected-scale count by the starter's rule, opens the channels, sets the state and
    // starts Timer1. `exactlyOne` false means "at least one".
    bool startExchange(int state, bool exactlyOne, const QString &countError, int timerInterval = 0);
    // Opens the channels of the selected scales and starts polling in the state.
    void beginPolling(int state);
    // Stop buttons: Timer1 off, channels closed.
    void stop();
    // Ends the exchange: channels closed, Timer1 off, the end text (if any) in a plain box.
    void endExchange(const QString &text = {});
    // Poll again for the next request: AckReceived 0, Timer1 on.
    void pollAgain();
    void CloseChannels();
    void OpenChannels();

    // --- writes to several scales: a record moves on only when every scale that takes it
    // has acknowledged it, each scale counted once ---
    // Works out which selected scales take the current record (the group rule applies in the
    // goods write only) and starts owing acknowledgements from them.
    void beginRecord();
    bool recordDone() const { return m_owing.isEmpty(); }
    bool owes(int scaleRecNo) const { return m_owing.contains(scaleRecNo); }

    // Counts the acknowledgement of a scale in a write; true when it owed one for the record
    // it was sent.
    bool countAcknowledgement(int scaleRecNo);
    // A packet of a write while the acceptance is in: true when it completes the current
    // record (every scale that takes it has acknowledged it); otherwise polls again.
    bool recordAcknowledged(const QByteArray &packet, int scaleRecNo);
    // Parses the range text of a transfer into Range and sets the progress bars' maximum; a
    // bad text gives its error box and false, leaving the range as it was.
    bool takeRange(const QString &text, int maxNumber);
    // Moves a write on to the next number of the range.
    void advanceRecord();
    // While a connection check runs no exchange may start: error box, true.
    bool connectionCheckBlocks();

    // Progress bars pbT and pbM.
    void setProgressMaximum(int max);
    void setProgress(ProgressBar bar, int value);
    void stepProgress(ProgressBar bar);
    int progress(ProgressBar bar) const { return bar == ProgressBar::Goods ? m_pbT : m_pbM; }

    // Scale rows that receive a packet in the current state (positions in S, 0-based).
    QVector<int> receivingRows();

    // The goods group of the current goods row (lower case).
    QString currentGoodsGroup() const;

signals:
    void packetReceived(const QByteArray &packet); // for the packet log
    void message(const QString &text);             // plain message box
    void information(const QString &text);         // information box
    void errorMessage(const QString &text);        // error box
    void progressMaximumChanged(int max);
    void progressChanged(tevo::ProgressBar bar, int value);
    void exchangeEnded();
    void refusalEnded(); // a read that ended through a refusal


private:
    void onTimer1();
    void sendRequest(int state, int number, int readyRecNo);
    void passReply(ExchangeCommand *command, const QByteArray &packet, int scaleRecNo);
    void guardedSet(Table &table, int row, const QString &column, const QVariant &value);
    void refusal();
    bool isWriteState() const;
    bool rowTakesPacket(int row, const QString &goodsGroup) const;

    Store &m_store;
    ScaleChannels &m_channels;
    QHash<int, ExchangeCommand *> m_commands;
    QSet<int> m_owing; // scales (record numbers in S) that owe the current record's acknowledgement
    QSet<int> m_sent;  // scales the current record was sent to
    int m_pbT = 0;
    int m_pbM = 0;
    int m_pbMax = 100;
};

} // namespace tevo
