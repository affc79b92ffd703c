#pragma once
// The exchange engine. Every scale that takes part in an exchange has a conversation of its
// own: the step and the record it is at, the request it was last sent, whether its
// acknowledgement or reply is outstanding, the bytes gathered, what it refused and when it
// last sent anything. The protocol is half-duplex and driven by the PC, per scale:
// poll 0x01 → ready 0x80 (or 0x01 0x80) → request → acknowledgement 0xAA (with the data of a
// read) or refusal 0xEE. Scales move on independently; a silent one holds no one back.
//
// One request in flight per scale: once a request is sent, that scale gets nothing more — no
// poll, no copy of the request — until the request is answered (acknowledged, refused, or its
// reply gathered whole) or its answer deadline passes. Ready answers (0x80) that arrive while
// a request is out answer polls sent before it and are passed over; an acknowledgement or a
// refusal that arrives while none is out answers nothing and is ignored. So an answer is never
// taken for the answer to another request, however late a scale answers.
// The answer deadline runs from the request (plus the time its bytes take on a serial line)
// and again from every piece of a reply: when it passes, the request or the rest of its reply
// counts as lost, a partial reply is thrown away, and the scale is polled at once and sent the
// same request on its next ready answer (a dropped TCP line is opened again by that poll).
// A scale that keeps answering but finishes no step while the request is sent again
// kResends times leaves the exchange, reported as stuck at that step; a silent one is polled
// until the exchange is stopped, or until the step timeout, when one is set.
//
// Pacing: a scale is polled one Timer1 interval after the exchange started, after its last
// acknowledgement (or refusal) and after its last poll, and not while a request or a reply is
// on its way. The interval is 200 ms until a command sets it (500 ms), and nothing sets it back.
// Fast exchange ("Быстрый обмен"): a scale that has acknowledged a request, or whose reply has
// been gathered, is polled again at once instead of one interval later; Timer1 stays the
// fallback, so a scale that does not answer that poll is polled again at the next tick.
#include "exchange/ExchangeCommand.h"
#include "exchange/RangeSelection.h"
#include "store/OperationGuard.h"

#include <QBitArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

namespace tevo {

class Error;
class ScaleChannels;
class Store;
class Table;

class ExchangeEngine : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultPollMs = 200;
    static constexpr int kSilentAfterMs = 2000; // "не отвечает"
    // How long a scale has to answer a request before it counts as lost: longer than a scale
    // takes to store a record, and than a line takes for any piece of a reply. A serial
    // line's time for the request's own bytes comes on top.
    static constexpr int kAnswerDeadlineMs = 3000;
    // Copies sent of a request whose deadline passed, before a scale that keeps answering
    // without finishing the step is taken for one that cannot do it.
    static constexpr int kResends = 3;

    ExchangeEngine(Store &store, ScaleChannels &channels, QObject *parent = nullptr);
    ~ExchangeEngine() override;

    // --- start and stop ---
    // Refuses (error box, false) while a connection check runs, or when the selected scales
    // break the starter's rule.
    bool canStart(ScaleRule rule, const QString &countError);
    // The common start: checks as canStart, opens the channels of the selected scales and
    // starts a conversation with each. A running exchange is stopped first. A goods or
    // messages transfer is refused while another long table operation (a rebuild, an import,
    // a row deletion) runs, and holds the store's guard until it ends.
    bool start(const ExchangePlan &plan);
    // Stop buttons: every conversation ends at once, channels closed; the report says where
    // each scale stood.
    void stop();
    // The error box of a starter that refuses to start.
    void refuseStart(const QString &text);
    // Parses the range text of a transfer and checks that every number has its row in the
    // table of `rowCount` rows; refuses (error box, false) otherwise, with `pastTheEnd` (the
    // number for %1, the rows for %2) for a number without its row, leaving `range` as it was.
    bool takeRange(const QString &text, int maxNumber, int rowCount, const QString &pastTheEnd, RangeSelection &range);
    // The records of a goods or messages transfer, and how its range text is checked.
    struct RecordRange {
        int maxNumber = 0;  // the highest number the table may hold
        int rowCount = 0;   // the rows it holds now
        QString pastTheEnd; // for a number without its row: %1 the number, %2 the rows
        ProgressBar bar = ProgressBar::Goods;
        bool closingRecord = false; // one more number is asked after the range: its answer ends the read
        bool changedOnly = false;   // a write of the records each scale does not hold as they are
    };
    // The one start of the goods and messages transfers: the scales rule of the state, the
    // range (left in `range`), the plan; refuses as canStart and takeRange do.
    bool startTransfer(ExchangeCommand &command, CommandState state, const QString &rangeText,
                       const RecordRange &records, RangeSelection &range);
    bool isRunning() const { return m_running; }
    // The first step of the running (or last) exchange.
    CommandState command() const;

    // --- settings ---
    int pollInterval() const { return m_interval; }
    void setPollInterval(int ms);
    // CheckBox1 "Изменение цены": after a refusal the scale keeps the pace of its polls
    // instead of waiting a whole interval from the refusal.
    bool priceChange() const { return m_priceChange; }
    void setPriceChange(bool on) { m_priceChange = on; }
    // "Быстрый обмен": poll a scale again as soon as it has answered (see the pacing above).
    bool fastExchange() const { return m_fastExchange; }
    void setFastExchange(bool on) { m_fastExchange = on; }
    // A scale that has finished no step for this long (silent, or talking without getting on)
    // ends its part and is reported as not answering; 0 (the default, and always in the
    // window) polls a silent scale until stopped.
    void setStepTimeout(int ms) { m_stepTimeoutMs = qMax(0, ms); }

    // --- what the engine shows ---
    int selectedScaleCount() const;           // rows of S selected now (ScaleChannels::isSelected)
    ScaleStatus status(int scaleRecNo) const; // row 0 when that scale takes no part
    int progress(ProgressBar bar) const { return bar == ProgressBar::Goods ? m_pbT : m_pbM; }
    // Rows (0-based positions in S) the next poll goes to.
    QVector<int> pollRows() const;
    bool pollTimerActive() const { return m_timer1.isActive(); }

    // --- the connection check ---
    bool connectionCheckActive() const { return m_checkActive; }
    // Opens the channel of every row; every packet then marks its row as answering (W).
    void beginConnectionCheck();
    void probeEveryRow(); // the poll byte to every row
    void endConnectionCheck();

    void OpenChannels();
    void CloseChannels();

public slots:
    // Every packet received on any channel, with the record number of the scale row bound to
    // that channel.
    void HandleReply(const QByteArray &packet, int scaleRecNo);

signals:
    // For the packet log, every packet, with the record number of the scale row it came from.
    void packetReceived(const QByteArray &packet, int scaleRecNo);
    void errorMessage(const QString &text); // a start refused
    void started(tevo::CommandState command);
    void progressMaximumChanged(int max);
    void progressChanged(tevo::ProgressBar bar, int value);
    // The record the scale furthest behind is at: the grid follows it.
    void followRecord(tevo::ProgressBar table, int number);
    void scaleProgress(const tevo::ScaleStatus &status);
    // Every end: finished, stopped or failed.
    void ended(const tevo::ExchangeReport &report);

private:
    struct Conversation;

    // Marks the scales the channels could not serve as out of the exchange (at the start).
    void takeChannelFaults();
    void onTimer1();
    void onWatch();
    // Deadlines and the end of a stuck or timed-out scale; true when the scale changed.
    bool watch(Conversation &c, qint64 t);
    // The request out to the scale went unanswered: the command is told (recordUnanswered).
    void unanswered(Conversation &c);
    static qint64 lineTime(const Conversation &c, qsizetype bytes);
    static qint64 answerDeadline(const Conversation &c, qsizetype bytesOnTheWay);
    qint64 quickAnswerEnd(const Conversation &c) const;
    qint64 now() const { return m_clock.elapsed(); }
    Conversation *conversation(int scaleRecNo) const;
    int number(const Conversation &c) const;
    int countedRecords() const;

    // Polling: one call polls one scale now; the timer polls every scale whose time has come.
    void pollNow(Conversation &c);
    // Arms Timer1 for the next poll due; the scale has just finished a step, its next poll is
    // due one interval from `answeredAt` (at once in fast exchange).
    void schedule(Conversation &c, qint64 answeredAt);
    void rearm();

    void SendPacket(int row, const QByteArray &packet);
    void BuildRequest(Conversation &c);
    void gather(Conversation &c, const QByteArray &packet);
    void refusal(Conversation &c);
    void stepDone(Conversation &c);
    bool nextRecord(Conversation &c); // false: the scale's part is over
    void skipRecordsNotTaken(Conversation &c);
    void finishScale(Conversation &c);
    void showProgress(Conversation &c);
    void showOverall();
    bool allOver() const;
    void end(ExchangeReport::End how, QString failure = {}, ExchangeReport::Failure kind = ExchangeReport::Failure::None);
    bool readsRecords() const;
    QString storeLossText() const;
    void fail(const Error &error);
    void setProgress(ProgressBar bar, int value);
    void guardedSet(Table &table, int row, const QString &column, const QVariant &value);

    Store &m_store;
    ScaleChannels &m_channels;
    QTimer m_timer1; // Timer1: armed for the next poll that is due
    QTimer m_watch;  // silence
    QElapsedTimer m_clock;
    ExchangePlan m_plan;
    std::vector<std::unique_ptr<Conversation>> m_scales;
    QVector<Conversation *> m_byRecNo;
    bool m_running = false;
    quint64 m_generation = 0; // changes at every start and end
    // Held from the start to the end of an exchange that reads or writes goods or messages:
    // no rebuild, import or row deletion changes the rows meanwhile.
    std::optional<OperationGuard::Scope> m_tableScope;
    bool m_firstPollToEveryRow = false;
    bool m_checkActive = false;
    bool m_checkStoreFailed = false; // an answer of this check could not be stored
    int m_interval = kDefaultPollMs;
    bool m_priceChange = false;
    bool m_fastExchange = false;
    bool m_planChangedOnly = false; // the running plan sends changed records only
    int m_stepTimeoutMs = 0;
    qint64 m_armedFor = -1;
    int m_pbT = 0;
    int m_pbM = 0;
    int m_followed = 0;
    QBitArray m_takenRecords; // records taken by at least one scale
    int m_recordsDone = 0;
    int m_committedRecordsDone = 0; // a read: m_recordsDone at its last commit
    bool m_storeLost = false;       // a read: the database lost what it stored; it stores no more
};

} // namespace tevo
