#include "exchange/ExchangeEngine.h"

#include "common/Error.h"
#include "exchange/CommandFacts.h"
#include "exchange/ScaleChannels.h"
#include "store/ScaleLedger.h"
#include "store/Store.h"

#include "serial/TComm32.h"

#include <algorithm>
#include <limits>

#include <QCoreApplication>

namespace {
// The texts of this unit, translated under the context "ExchangeEngine".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ExchangeEngine)
};
} // namespace

namespace tevo {
namespace {
const QByteArray kPoll(1, '\x01');
constexpr uchar kReady = 0x80, kAck = 0xAA, kRefuse = 0xEE;
constexpr int kWatchMs = 250;

bool isReady(const QByteArray &packet)
{
    // A lone 0x80, or 0x80 as the second byte (the answer 0x01 0x80).
    return (packet.size() == 1 && static_cast<uchar>(packet.at(0)) == kReady)
           || (packet.size() > 1 && static_cast<uchar>(packet.at(1)) == kReady);
}

// The packet without the ready answers (0x80, or 0x01 0x80) it begins with: while a request
// is out they answer polls sent before it, and what follows them is the answer.
QByteArray withoutLeadingReady(const QByteArray &packet)
{
    qsizetype at = 0;
    for (;;) {
        if (at < packet.size() && static_cast<uchar>(packet.at(at)) == kReady)
            at += 1;
        else if (at + 1 < packet.size() && packet.at(at) == kPoll.at(0) && static_cast<uchar>(packet.at(at + 1)) == kReady)
            at += 2;
        else
            return packet.mid(at);
    }
}
} // namespace

struct ExchangeEngine::Conversation {
    int row = 0; // 0-based position in S
    ScaleStatus status;
    CommandState state = CommandState::None;
    int recordIndex = 0; // its cursor into the plan's records
    int stepIndex = 0;
    QByteArray lastRequest;
    bool requestOutstanding = false; // sent; its acknowledgement or refusal not yet in
    bool accepted = false;           // acknowledged; the reply is being gathered
    QByteArray gathered;
    qint64 pollBase = 0;        // the next poll is due one interval after this
    qint64 lastHeard = 0;       // when it last sent anything (the start, before it has)
    qint64 lastProgress = 0;    // when it last finished a step (the start, before it has)
    qint64 answerDue = 0;       // while a request or its reply is on its way: when it counts as lost
    qint64 requestSentAt = 0;   // when its last request went out
    int lineBytesPerSecond = 0; // a serial line's pace; 0 for TCP
    int committedDone = 0;      // a read: status.done and status.taken at the last commit
    int committedTaken = 0;
    bool halted = false; // its serial line failed: no more polls until the exchange ends

    bool over() const { return status.finished || status.timedOut || status.stuck || !status.unreachable.isEmpty(); }
    bool waiting() const { return requestOutstanding || accepted; }
    bool polled() const { return !over() && !waiting() && !halted; }
};

ExchangeEngine::ExchangeEngine(Store &store, ScaleChannels &channels, QObject *parent)
    : QObject(parent), m_store(store), m_channels(channels)
{
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setSingleShot(true);
    m_timer1.setTimerType(Qt::PreciseTimer);
    connect(&m_timer1, &QTimer::timeout, this, &ExchangeEngine::onTimer1);
    m_watch.setInterval(kWatchMs);
    connect(&m_watch, &QTimer::timeout, this, &ExchangeEngine::onWatch);
    m_clock.start();
    connect(&m_channels, &ScaleChannels::packetReceived, this, &ExchangeEngine::HandleReply);
    // A read stores what it reads: when the database drops the running transaction (the
    // connection to the server lost, a commit that failed for good), the rows read so far are
    // gone, and the read ends with that failure instead of going on to a success. Once the
    // failing statement has unwound: a failure it throws itself ends the read first.
    connect(&m_store.database(), &Database::changesLost, this, [this] {
        if (!m_running || !readsRecords())
            return;
        // What was read since the last commit is gone: the report counts what is stored, and
        // nothing more is stored by this read.
        m_storeLost = true;
        for (auto &c : m_scales) {
            c->status.done = c->committedDone;
            c->status.taken = c->committedTaken;
        }
        m_recordsDone = m_committedRecordsDone;
        QTimer::singleShot(0, this, [this, generation = m_generation] {
            if (m_running && generation == m_generation)
                fail(DatabaseError(storeLossText()));
        });
    });
    connect(&m_store.database(), &Database::committed, this, [this] {
        if (!m_running || !readsRecords() || m_storeLost)
            return;
        for (auto &c : m_scales) {
            c->committedDone = c->status.done;
            c->committedTaken = c->status.taken;
        }
        m_committedRecordsDone = m_recordsDone;
    });
    // A line error on the first serial channel halts the polling of the scale bound to it.
    connect(&m_channels, &ScaleChannels::serialError0, this, [this](quint32) {
        if (Conversation *c = conversation(m_channels.serial(0)->tag())) {
            c->halted = true;
            rearm();
        }
    });
}

ExchangeEngine::~ExchangeEngine() = default;

// --- start and stop ------------------------------------------------------------------------

void ExchangeEngine::refuseStart(const QString &text) { emit errorMessage(text); }

bool ExchangeEngine::canStart(ScaleRule rule, const QString &countError)
{
    if (m_checkActive) {
        refuseStart(Tr::tr("Идет проверка связи с весами. Дождитесь её окончания и повторите команду."));
        return false;
    }
    const int n = selectedScaleCount();
    if (rule == ScaleRule::ExactlyOne ? n != 1 : n < 1) {
        refuseStart(countError);
        return false;
    }
    return true;
}

bool ExchangeEngine::takeRange(const QString &text, int maxNumber, int rowCount, const QString &pastTheEnd,
                               RangeSelection &range)
{
    if (text.trimmed().isEmpty()) {
        refuseStart(Tr::tr("Диапазон для загрузки пуст: введите номера записей, например 1-5, 7-8."));
        return false;
    }
    RangeSelection parsed;
    try {
        parsed.parseRange(text, maxNumber);
    } catch (const Error &e) {
        refuseStart(e.text());
        return false;
    }
    const QString past = rowsPastTheEndText(parsed.records(), rowCount, pastTheEnd);
    if (!past.isEmpty()) {
        refuseStart(past);
        return false;
    }
    range = parsed;
    return true;
}

bool ExchangeEngine::startTransfer(ExchangeCommand &command, CommandState state, const QString &rangeText,
                                   const RecordRange &records, RangeSelection &range)
{
    const CommandFacts &facts = commandFacts(state);
    if (!canStart(facts.rule, factText(facts.countError)))
        return false;
    if (!takeRange(rangeText, records.maxNumber, records.rowCount, records.pastTheEnd, range))
        return false;
    ExchangePlan plan = planFor(command, {state});
    plan.records = range.records();
    if (records.closingRecord) {
        plan.records.append(range.rangeLast + 1);
        plan.closingRecord = true;
    }
    plan.bar = records.bar;
    plan.changedOnly = records.changedOnly;
    plan.progressMaximum = range.rangeSize;
    return start(plan);
}

int ExchangeEngine::selectedScaleCount() const
{
    int n = 0;
    for (int r = 0; r < m_store.scales().count(); ++r)
        if (m_channels.isSelected(r))
            ++n;
    return n;
}

CommandState ExchangeEngine::command() const
{
    return m_plan.steps.isEmpty() ? CommandState::None : m_plan.steps.first();
}

int ExchangeEngine::countedRecords() const
{
    return qMax(0, int(m_plan.records.size()) - (m_plan.closingRecord ? 1 : 0));
}

bool ExchangeEngine::start(const ExchangePlan &plan)
{
    if (!plan.command || plan.steps.isEmpty() || !canStart(plan.rule, plan.countError))
        return false;
    const QString operation = factText(commandFacts(plan.steps.first()).guardName);
    OperationGuard &guard = m_store.guard();
    if (!operation.isEmpty() && !m_tableScope && !guard.refusal().isEmpty()) {
        refuseStart(guard.refusal());
        return false;
    }
    if (m_running)
        end(ExchangeReport::End::Stopped);
    if (!operation.isEmpty()) {
        m_tableScope.emplace(guard, operation, true);
        if (!*m_tableScope) {
            const QString refusal = m_tableScope->refusal();
            m_tableScope.reset();
            refuseStart(refusal);
            return false;
        }
    }
    if (plan.pollInterval > 0)
        setPollInterval(plan.pollInterval);
    m_plan = plan;
    m_planChangedOnly = m_plan.changedOnly && !m_plan.records.isEmpty()
                        && (command() == CommandState::GoodsWrite || command() == CommandState::MessagesWrite);
    m_scales.clear();
    Table &scales = m_store.scales();
    m_byRecNo = QVector<Conversation *>(scales.count() + 1, nullptr);
    const qint64 t = now();
    for (int r = 0; r < scales.count(); ++r) {
        if (!m_channels.isSelected(r))
            continue;
        auto c = std::make_unique<Conversation>();
        c->row = r;
        c->status.row = r + 1;
        c->status.name = scaleName(scales.text(r, QStringLiteral("NAME")).trimmed(), r + 1);
        c->status.address = ScaleLedger::addressOf(scales, r);
        c->status.total = m_plan.records.isEmpty() ? int(m_plan.steps.size()) : countedRecords();
        c->state = m_plan.steps.first();
        c->pollBase = c->lastHeard = c->lastProgress = t;
        // A serial row's PORT is its line speed, 10 bits a byte.
        if (isSerialAddress(scales.text(r, QStringLiteral("IP"))))
            c->lineBytesPerSecond = qMax(0, scales.value(r, QStringLiteral("PORT")).toInt() / 10);
        m_byRecNo[r + 1] = c.get();
        m_scales.push_back(std::move(c));
    }
    m_takenRecords =
        QBitArray(m_plan.records.isEmpty() ? 1 : *std::max_element(m_plan.records.cbegin(), m_plan.records.cend()) + 1);
    m_recordsDone = 0;
    m_committedRecordsDone = 0;
    m_storeLost = false;
    m_followed = 0;
    m_firstPollToEveryRow = plan.firstPollToEveryRow;
    m_armedFor = -1;
    m_running = true;
    const quint64 generation = ++m_generation;
    emit started(command());
    if (m_plan.bar) {
        emit progressMaximumChanged(m_plan.progressMaximum);
        setProgress(*m_plan.bar, 0);
    }
    for (auto &c : m_scales) {
        if (!m_plan.records.isEmpty())
            skipRecordsNotTaken(*c);
        if (m_plan.records.isEmpty() || c->recordIndex < m_plan.records.size())
            c->status.current = number(*c);
        else
            c->status.finished = true; // none of the records is for this scale
        c->status.done = c->status.finished ? c->status.total : qMin(c->recordIndex, countedRecords());
    }
    OpenChannels();
    if (generation != m_generation)
        return true; // ended while the channels were opened
    takeChannelFaults();
    for (auto &c : m_scales)
        emit scaleProgress(c->status);
    showOverall();
    if (allOver()) {
        // A write none of whose records any scale takes ends like any other, just after the start.
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == m_generation)
                end(ExchangeReport::End::Finished);
        });
        return true;
    }
    m_watch.start();
    rearm();
    return true;
}

void ExchangeEngine::takeChannelFaults()
{
    // A scale no channel serves is out from the start, with why; the others go on. When that
    // leaves none, the exchange ends at once below, as one where no scale has anything to do.
    for (const ChannelFault &f : m_channels.channelFaults()) {
        if (Conversation *c = conversation(f.recNo)) {
            c->status.unreachable = f.reason;
            c->status.current = 0;
        }
    }
}

void ExchangeEngine::stop()
{
    if (m_running)
        end(ExchangeReport::End::Stopped);
    else
        CloseChannels();
}

bool ExchangeEngine::readsRecords() const
{
    return command() == CommandState::GoodsRead || command() == CommandState::MessagesRead;
}

// The loss of what a read stored: the database's reason and what it means.
QString ExchangeEngine::storeLossText() const
{
    const Database &db = m_store.database();
    const QString lost = db.connectionLost() ? Database::connectionLostText() : Database::changesLostText();
    return db.lossReason().isEmpty() ? lost : db.lossReason() + QLatin1Char('\n') + lost;
}

void ExchangeEngine::fail(const Error &error)
{
    ExchangeReport::Failure kind = ExchangeReport::Failure::Data;
    if (dynamic_cast<const DatabaseBusyError *>(&error))
        kind = ExchangeReport::Failure::DatabaseBusy;
    else if (dynamic_cast<const DatabaseError *>(&error))
        kind = ExchangeReport::Failure::Database;
    end(ExchangeReport::End::Failed, error.text(), kind);
}

void ExchangeEngine::end(ExchangeReport::End how, QString failure, ExchangeReport::Failure kind)
{
    // A read that has read everything ends once what it read is committed: when that commit
    // loses it, the read ends with that failure and counts what is stored.
    if (how == ExchangeReport::End::Finished && readsRecords() && m_store.database().inTransaction()) {
        try {
            m_store.database().commitNow();
        } catch (const DatabaseBusyError &) {
            // Kept in the open transaction and committed once the other program lets go (its
            // box says so); nothing is lost.
        } catch (const DatabaseError &) {
            if (m_storeLost) {
                how = ExchangeReport::End::Failed;
                failure = storeLossText();
                kind = ExchangeReport::Failure::Database;
            }
        }
    }
    m_running = false;
    ++m_generation;
    m_tableScope.reset();
    m_timer1.stop();
    m_watch.stop();
    m_firstPollToEveryRow = false;
    CloseChannels();
    ExchangeReport report;
    report.command = command();
    report.end = how;
    report.failure = failure;
    report.failureKind = kind;
    report.recordsDone = m_recordsDone;
    report.changedOnly = m_planChangedOnly;
    const qint64 t = now();
    // A store that waits for another program's lock holds every answer back meanwhile: an end
    // through the database blames no scale for that silence.
    const bool databaseFailure =
        kind == ExchangeReport::Failure::Database || kind == ExchangeReport::Failure::DatabaseBusy;
    for (auto &c : m_scales) {
        unanswered(*c);
        c->requestOutstanding = false;
        c->accepted = false;
        c->gathered.clear();
        if (!c->over()) {
            c->status.stopped = true;
            c->status.silent = !databaseFailure && t - c->lastHeard >= kSilentAfterMs;
        }
        c->status.current = c->over() ? 0 : c->status.current;
        report.scales.append(c->status);
    }
    if (how == ExchangeReport::End::Finished && m_plan.bar)
        setProgress(*m_plan.bar, 0);
    emit ended(report);
}

// --- settings and what the engine shows -------------------------------------------------------

void ExchangeEngine::setPollInterval(int ms)
{
    m_interval = qMax(0, ms);
    m_armedFor = -1;
    rearm();
}

ExchangeEngine::Conversation *ExchangeEngine::conversation(int scaleRecNo) const
{
    return scaleRecNo > 0 && scaleRecNo < m_byRecNo.size() ? m_byRecNo[scaleRecNo] : nullptr;
}

ScaleStatus ExchangeEngine::status(int scaleRecNo) const
{
    const Conversation *c = conversation(scaleRecNo);
    return c ? c->status : ScaleStatus{};
}

QVector<int> ExchangeEngine::pollRows() const
{
    QVector<int> rows;
    if (!m_running)
        return rows;
    if (m_firstPollToEveryRow) {
        for (int r = 0; r < m_store.scales().count(); ++r)
            rows.append(r);
        return rows;
    }
    for (const auto &c : m_scales)
        if (c->polled())
            rows.append(c->row);
    return rows;
}

int ExchangeEngine::number(const Conversation &c) const
{
    return c.recordIndex < m_plan.records.size() ? m_plan.records[c.recordIndex] : 0;
}

// --- polling -------------------------------------------------------------------------------

void ExchangeEngine::onTimer1()
{
    m_armedFor = -1;
    if (!m_running)
        return;
    const qint64 t = now();
    for (auto &c : m_scales)
        if (c->polled() && c->pollBase + m_interval <= t)
            pollNow(*c);
    if (m_firstPollToEveryRow) {
        // The settings write's first poll reaches every row of S, selected or not.
        m_firstPollToEveryRow = false;
        for (int r = 0; r < m_store.scales().count(); ++r)
            if (!conversation(r + 1))
                SendPacket(r, kPoll);
    }
    rearm();
}

void ExchangeEngine::pollNow(Conversation &c)
{
    c.pollBase = now();
    SendPacket(c.row, kPoll);
}

void ExchangeEngine::schedule(Conversation &c, qint64 answeredAt)
{
    c.pollBase = answeredAt;
    // Fast exchange: no pause after an answer. Should the scale not answer this poll, the
    // tick one interval on polls it again.
    if (m_fastExchange && c.polled())
        pollNow(c);
    rearm();
}

void ExchangeEngine::rearm()
{
    if (!m_running) {
        m_timer1.stop();
        return;
    }
    qint64 due = std::numeric_limits<qint64>::max();
    for (const auto &c : m_scales)
        if (c->polled())
            due = qMin(due, c->pollBase + m_interval);
    if (due == std::numeric_limits<qint64>::max()) {
        m_timer1.stop();
        m_armedFor = -1;
        return;
    }
    if (m_timer1.isActive() && m_armedFor == due)
        return;
    m_armedFor = due;
    m_timer1.start(int(qMax<qint64>(0, due - now())));
}

qint64 ExchangeEngine::lineTime(const Conversation &c, qsizetype bytes)
{
    return c.lineBytesPerSecond > 0 ? qint64(bytes) * 1000 / c.lineBytesPerSecond : 0;
}

qint64 ExchangeEngine::answerDeadline(const Conversation &c, qsizetype bytesOnTheWay)
{
    return kAnswerDeadlineMs + lineTime(c, bytesOnTheWay);
}

qint64 ExchangeEngine::quickAnswerEnd(const Conversation &c) const
{
    // When the answer would have ended had the scale answered at once: the request and the
    // answer on the line, nothing for the scale's own work. The interval of the normal pace
    // counts from here, so a scale that takes its time to store a record is not paced the slower
    // for it, while a quick one sees the wire as before.
    const qsizetype answerBytes = qMax<qsizetype>(1, c.gathered.size());
    return qMin(now(), c.requestSentAt + lineTime(c, c.lastRequest.size() + answerBytes));
}

void ExchangeEngine::onWatch()
{
    if (!m_running)
        return;
    const qint64 t = now();
    const quint64 generation = m_generation;
    for (auto &c : m_scales) {
        if (c->over())
            continue;
        if (watch(*c, t))
            emit scaleProgress(c->status);
        if (generation != m_generation)
            return;
    }
    if (allOver())
        end(ExchangeReport::End::Finished);
    else
        rearm();
}

bool ExchangeEngine::watch(Conversation &c, qint64 t)
{
    const qint64 quiet = t - c.lastHeard;
    const qint64 stalled = t - c.lastProgress;
    const bool silent = quiet >= kSilentAfterMs || (m_stepTimeoutMs > 0 && quiet >= m_stepTimeoutMs);
    const bool timedOut = m_stepTimeoutMs > 0 && stalled >= m_stepTimeoutMs;
    // Answering all the while, yet no step finished over as many deadlines as copies allowed.
    const bool stuck =
        !silent && stalled >= qint64(kResends + 1) * answerDeadline(c, qMax<qsizetype>(1, c.lastRequest.size()));
    if (timedOut || stuck) {
        c.status.silent = silent;
        c.status.timedOut = timedOut;
        c.status.stuck = !timedOut;
        if (c.status.stuck) {
            c.status.stuckStep = c.state;
            c.status.stuckRecord = m_plan.records.isEmpty() ? 0 : number(c);
        }
        c.status.current = 0;
        unanswered(c);
        c.requestOutstanding = c.accepted = false;
        c.gathered.clear();
        return true;
    }
    if (c.waiting() && t >= c.answerDue) {
        // The request, or the rest of its reply, is lost: ask again from the poll on (not on a
        // serial line that has failed: that scale waits for the end).
        unanswered(c);
        c.requestOutstanding = c.accepted = false;
        c.gathered.clear();
        if (!c.halted)
            pollNow(c);
    }
    if (silent == c.status.silent)
        return false;
    c.status.silent = silent;
    return true;
}

void ExchangeEngine::unanswered(Conversation &c)
{
    if (!c.waiting() || m_plan.records.isEmpty() || c.recordIndex >= countedRecords())
        return;
    try {
        m_plan.command->recordUnanswered(c.state, number(c), c.row);
    } catch (const Error &) {
        // What the command could not note makes no difference to the exchange.
    }
}

// --- sending -------------------------------------------------------------------------------

void ExchangeEngine::SendPacket(int row, const QByteArray &packet) { m_channels.SendToScale(row, packet); }

void ExchangeEngine::BuildRequest(Conversation &c)
{
    QByteArray request;
    try {
        request = m_plan.command->buildRequest(c.state, number(c));
    } catch (const Error &e) {
        // The request cannot be built: said once, the exchange ends; what was acknowledged stays.
        fail(e);
        return;
    }
    if (request.isEmpty())
        return;
    c.lastRequest = request;
    c.requestOutstanding = true;
    c.requestSentAt = now();
    c.answerDue = c.requestSentAt + answerDeadline(c, request.size());
    // No polls while it is on its way: onTimer1 passes it over (it is not `polled()`), so the
    // timer is left as it is armed rather than stopped and started again for every request.
    SendPacket(c.row, request);
}

// --- receiving -----------------------------------------------------------------------------

void ExchangeEngine::HandleReply(const QByteArray &packet, int scaleRecNo)
{
    emit packetReceived(packet, scaleRecNo);
    if (m_checkActive) {
        Table &scales = m_store.scales();
        if (scaleRecNo >= 1 && scaleRecNo <= scales.count())
            guardedSet(scales, scaleRecNo - 1, QStringLiteral("W"), QStringLiteral("T"));
        return;
    }
    // After a stop or an end, late bytes change nothing; nor do bytes of a scale that takes
    // no part or has done its part.
    Conversation *c = m_running && !m_storeLost ? conversation(scaleRecNo) : nullptr;
    if (!c || c->over() || packet.isEmpty())
        return;
    c->lastHeard = now();
    c->status.answered = true;
    if (c->status.silent) {
        c->status.silent = false;
        emit scaleProgress(c->status);
    }
    // Once a scale has accepted, every further packet is a piece of its reply: text bytes in
    // the scale code page may well be 0xEE, 0xAA or 0x80.
    if (c->accepted) {
        c->answerDue = now() + answerDeadline(*c, 1);
        gather(*c, packet);
        return;
    }
    // While a request is out, ready answers are late answers to earlier polls; never a call
    // for another copy.
    const QByteArray answer = c->requestOutstanding ? withoutLeadingReady(packet) : packet;
    if (answer.isEmpty())
        return;
    const auto b0 = static_cast<uchar>(answer.at(0));
    if (b0 == kRefuse || b0 == kAck) {
        // An answer with no request outstanding (a second acknowledgement, junk) is ignored.
        if (!c->requestOutstanding)
            return;
        if (b0 == kRefuse) {
            refusal(*c);
            return;
        }
        c->accepted = true;
        c->gathered.clear();
        c->answerDue = now() + answerDeadline(*c, 1);
        rearm(); // no polls while the reply comes
        gather(*c, answer);
        return;
    }
    // Ready: the request of its step and record; sent again only once its deadline has passed.
    if (!c->requestOutstanding && isReady(answer))
        BuildRequest(*c);
}

void ExchangeEngine::gather(Conversation &c, const QByteArray &packet)
{
    c.gathered.append(packet);
    const quint64 generation = m_generation;
    StepOutcome outcome;
    try {
        outcome = m_plan.command->takeReply(c.state, number(c), c.gathered);
        // The record's last step done: the command learns which scale holds what.
        if (outcome == StepOutcome::StepDone && !m_plan.records.isEmpty() && c.recordIndex < countedRecords()
            && c.stepIndex + 1 >= m_plan.steps.size() && generation == m_generation)
            m_plan.command->recordDone(c.state, number(c), c.row, c.lastRequest, c.gathered);
    } catch (const Error &e) {
        // A reply that cannot be stored or decoded ends the exchange with its text.
        if (generation == m_generation)
            fail(e);
        return;
    }
    if (generation != m_generation)
        return;
    switch (outcome) {
    case StepOutcome::Incomplete:
        return;
    case StepOutcome::StepDone:
        stepDone(c);
        return;
    case StepOutcome::Finished:
        c.accepted = false;
        c.requestOutstanding = false;
        c.gathered.clear();
        finishScale(c);
        return;
    }
}

void ExchangeEngine::stepDone(Conversation &c)
{
    const qint64 answeredAt = quickAnswerEnd(c);
    c.accepted = false;
    c.requestOutstanding = false;
    c.gathered.clear();
    c.lastProgress = now();
    const bool withRecords = !m_plan.records.isEmpty();
    if (!withRecords)
        ++c.status.taken;
    ++c.stepIndex;
    if (c.stepIndex < m_plan.steps.size()) {
        c.state = m_plan.steps[c.stepIndex];
        // The poll first, so that it is on its way while the progress is shown.
        schedule(c, answeredAt);
        showProgress(c);
        return;
    }
    if (withRecords && c.recordIndex < countedRecords()) {
        ++c.status.taken;
        const int n = number(c);
        if (n >= 0 && n < m_takenRecords.size() && !m_takenRecords.testBit(n)) {
            m_takenRecords.setBit(n);
            ++m_recordsDone;
        }
    }
    if (!nextRecord(c))
        return;
    schedule(c, answeredAt);
    showProgress(c);
}

void ExchangeEngine::refusal(Conversation &c)
{
    c.requestOutstanding = false;
    c.gathered.clear();
    c.lastProgress = now();
    // Clear "Изменение цены": the next poll comes a whole interval after the refusal; ticked,
    // the polls keep their pace.
    if (!m_priceChange)
        c.pollBase = now();
    if (!m_plan.records.isEmpty()) {
        // The record is skipped for this scale alone; it goes on with its next record.
        if (c.recordIndex < countedRecords()) {
            c.status.refused.append(number(c));
            const quint64 generation = m_generation;
            try {
                m_plan.command->recordRefused(c.state, number(c), c.row);
            } catch (const Error &e) {
                if (generation == m_generation)
                    fail(e);
                return;
            }
        }
        if (nextRecord(c)) {
            showProgress(c);
            rearm();
        }
        return;
    }
    c.status.refusedSteps.append(c.state);
    ++c.stepIndex;
    if (c.stepIndex >= m_plan.steps.size()) {
        finishScale(c);
        return;
    }
    c.state = m_plan.steps[c.stepIndex];
    showProgress(c);
    rearm();
}

bool ExchangeEngine::nextRecord(Conversation &c)
{
    ++c.recordIndex;
    c.stepIndex = 0;
    c.state = m_plan.steps.first();
    if (!m_plan.records.isEmpty())
        skipRecordsNotTaken(c);
    if (m_plan.records.isEmpty() || c.recordIndex >= m_plan.records.size()) {
        finishScale(c);
        return false;
    }
    return true;
}

void ExchangeEngine::skipRecordsNotTaken(Conversation &c)
{
    while (c.recordIndex < m_plan.records.size()) {
        const int n = m_plan.records[c.recordIndex];
        const bool counted = c.recordIndex < countedRecords();
        if (!m_plan.command->scaleTakes(m_plan.steps.first(), n, c.row)) {
            if (counted)
                ++c.status.skipped;
        } else if (m_planChangedOnly && counted && m_plan.command->scaleHolds(m_plan.steps.first(), n, c.row)) {
            ++c.status.held;
        } else {
            break;
        }
        ++c.recordIndex;
    }
}

void ExchangeEngine::finishScale(Conversation &c)
{
    c.status.finished = true;
    c.status.current = 0;
    showProgress(c);
    if (allOver())
        end(ExchangeReport::End::Finished);
    else
        rearm();
}

bool ExchangeEngine::allOver() const
{
    for (const auto &c : m_scales)
        if (!c->over())
            return false;
    return true;
}

// --- progress ------------------------------------------------------------------------------

void ExchangeEngine::showProgress(Conversation &c)
{
    if (m_plan.records.isEmpty())
        c.status.done = c.status.finished ? c.status.total : c.stepIndex;
    else
        c.status.done = c.status.finished ? c.status.total : qMin(c.recordIndex, countedRecords());
    if (!c.status.finished)
        c.status.current = number(c);
    emit scaleProgress(c.status);
    showOverall();
}

void ExchangeEngine::showOverall()
{
    if (!m_plan.bar || m_scales.empty())
        return;
    // The bar and the grid follow the scale furthest behind.
    int done = std::numeric_limits<int>::max();
    int record = 0;
    for (const auto &c : m_scales) {
        if (!c->status.unreachable.isEmpty())
            continue; // never starts: the bar follows the scales that work
        done = qMin(done, c->status.done);
        if (!c->over() && c->status.current > 0 && (record == 0 || c->status.current < record))
            record = c->status.current;
    }
    if (done != std::numeric_limits<int>::max() && done != progress(*m_plan.bar))
        setProgress(*m_plan.bar, done);
    if (record > 0 && record != m_followed) {
        m_followed = record;
        emit followRecord(*m_plan.bar, record);
    }
}

void ExchangeEngine::setProgress(ProgressBar bar, int value)
{
    (bar == ProgressBar::Goods ? m_pbT : m_pbM) = value;
    emit progressChanged(bar, value);
}

// --- channels and the connection check -----------------------------------------------------------

void ExchangeEngine::OpenChannels() { m_channels.OpenChannels(true, m_checkActive); }

void ExchangeEngine::CloseChannels() { m_channels.CloseChannels(m_checkActive); }

void ExchangeEngine::beginConnectionCheck()
{
    m_checkActive = true;
    m_checkStoreFailed = false;
    OpenChannels();
}

void ExchangeEngine::probeEveryRow()
{
    for (int r = 0; r < m_store.scales().count(); ++r)
        m_channels.SendToScale(r, kPoll);
}

void ExchangeEngine::endConnectionCheck()
{
    CloseChannels();
    m_checkActive = false;
}

void ExchangeEngine::guardedSet(Table &table, int row, const QString &column, const QVariant &value)
{
    try {
        table.setValue(row, column, value);
    } catch (const Error &e) {
        // Once per check: every further answer would fail the same way (the server gone).
        if (!m_checkStoreFailed)
            emit errorMessage(e.text());
        m_checkStoreFailed = true;
    }
}

} // namespace tevo
