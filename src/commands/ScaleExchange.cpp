#include "commands/ScaleExchange.h"

#include "common/Error.h"
#include "store/CommandLineMark.h"
#include "store/Store.h"

#include <algorithm>

namespace tevo {

ScaleExchange::ScaleExchange(Store &store, ParametersHost *host, QObject *parent)
    : QObject(parent),
      m_store(store),
      m_ownHost(host ? nullptr : std::make_unique<MemoryParameters>()),
      m_host(host ? host : m_ownHost.get()),
      m_channels(std::make_unique<ScaleChannels>(store.scales())),
      m_engine(std::make_unique<ExchangeEngine>(store, *m_channels)),
      m_goods(std::make_unique<GoodsTransfer>(*m_engine, store)),
      m_messages(std::make_unique<MessagesTransfer>(*m_engine, store)),
      m_parameters(std::make_unique<ParameterCommands>(*m_engine, *m_host)),
      m_check(std::make_unique<ConnectionCheck>(*m_engine, store))
{
    const auto tell = [this](Notice::Kind kind, Notice::About about, const QString &text, int scaleRecNo = 0) {
        Notice n;
        n.kind = kind;
        n.about = about;
        n.text = text;
        n.command = m_engine->command();
        n.scaleRecNo = scaleRecNo;
        emit notice(n);
    };
    connect(m_engine.get(), &ExchangeEngine::errorMessage, this,
            [tell](const QString &t) { tell(Notice::Kind::Error, Notice::About::Exchange, t); });
    connect(m_channels.get(), &ScaleChannels::channelProblem, this,
            [tell](const QString &t) { tell(Notice::Kind::Error, Notice::About::Exchange, t); });
    connect(m_channels.get(), &ScaleChannels::connectionFailed, this, [tell](const QString &t, int scaleRecNo) {
        tell(Notice::Kind::Error, Notice::About::Connection, t, scaleRecNo);
    });
    connect(m_engine.get(), &ExchangeEngine::ended, this, &ScaleExchange::onEnded);
    // The ledger's "last answered" of every scale that answered the connection check (its W).
    connect(m_check.get(), &ConnectionCheck::finished, this, [this, tell](int) {
        Table &scales = m_store.scales();
        try {
            for (int r = 0; r < scales.count(); ++r)
                if (truthValue(scales.text(r, QStringLiteral("W"))))
                    m_store.ledger().noteAnswered(ScaleLedger::addressOf(scales, r));
        } catch (const Error &e) {
            tell(Notice::Kind::Error, Notice::About::Exchange, e.text());
        }
    });
    connect(m_check.get(), &ConnectionCheck::information, this,
            [tell](const QString &t) { tell(Notice::Kind::Information, Notice::About::CheckEnd, t); });
}

ScaleExchange::~ScaleExchange()
{
    m_check->tmCheck.stop();
    // The engine's end reaches nobody any more.
    disconnect(m_engine.get(), nullptr, this, nullptr);
    m_engine->stop();
    try {
        m_store.ledger().flush(); // what the scales took before the stop
    } catch (const Error &) {
        // The ledger then says less than the scales hold, never more.
    }
}

namespace {
bool isTransfer(CommandState c)
{
    switch (c) {
    case CommandState::GoodsWrite:
    case CommandState::GoodsRead:
    case CommandState::GoodsVerify:
    case CommandState::MessagesWrite:
    case CommandState::MessagesRead:
    case CommandState::MessagesVerify:
        return true;
    default:
        return false;
    }
}

bool isVerify(CommandState c) { return c == CommandState::GoodsVerify || c == CommandState::MessagesVerify; }
} // namespace

void ScaleExchange::noteScales(const ExchangeReport &report)
{
    if (!isTransfer(report.command))
        return;
    const bool write = report.command == CommandState::GoodsWrite || report.command == CommandState::MessagesWrite;
    const auto kind = report.command == CommandState::GoodsWrite ? ScaleLedger::Kind::Goods : ScaleLedger::Kind::Messages;
    Table &scales = m_store.scales();
    try {
        m_store.ledger().flush(); // the rest of what the scales took
        for (const ScaleStatus &s : report.scales) {
            if (s.row < 1 || s.row > scales.count())
                continue;
            const QString address = ScaleLedger::addressOf(scales, s.row - 1);
            if (s.answered)
                m_store.ledger().noteAnswered(address);
            if (write && report.end == ExchangeReport::End::Finished && s.finished && !s.timedOut && !s.stuck
                && s.unreachable.isEmpty() && s.refused.isEmpty())
                m_store.ledger().noteCompleteWrite(address, kind);
        }
    } catch (const Error &e) {
        Notice n;
        n.kind = Notice::Kind::Error;
        n.command = report.command;
        n.text = e.text();
        emit notice(n);
    }
}

VerifyReport ScaleExchange::verifyReport(const ExchangeReport &report) const
{
    VerifyReport v;
    v.command = report.command;
    v.end = report.end;
    v.failure = report.failure;
    const QMap<int, QVector<RecordDifference>> &found =
        report.command == CommandState::GoodsVerify ? m_goods->differences() : m_messages->differences();
    for (const ScaleStatus &s : report.scales) {
        ScaleVerify scale;
        scale.row = s.row;
        scale.name = s.name;
        scale.address = s.address;
        scale.total = s.total;
        scale.answered = s.answered;
        scale.complete = report.end == ExchangeReport::End::Finished && s.finished && !s.timedOut && !s.stuck
                         && s.unreachable.isEmpty();
        scale.differences = found.value(s.row - 1);
        std::stable_sort(scale.differences.begin(), scale.differences.end(),
                         [](const RecordDifference &a, const RecordDifference &b) { return a.number < b.number; });
        v.scales.append(scale);
    }
    return v;
}

void ScaleExchange::onEnded(const ExchangeReport &report)
{
    noteScales(report);
    // Automatic loading watches again as soon as the write has ended, before any box shows
    // its end (a box left open holds nothing back).
    const bool goodsWrite = report.command == CommandState::GoodsWrite;
    if (goodsWrite)
        emit goodsWriteEnded();
    if (report.end == ExchangeReport::End::Failed) {
        Notice failure;
        failure.kind = Notice::Kind::Error;
        failure.command = report.command;
        failure.text = report.failureKind == ExchangeReport::Failure::DatabaseBusy
                           ? databaseBusyText(report.failure, m_store.database(), true)
                           : report.failure;
        emit notice(failure);
    }
    EndText end = endText(report);
    if (isVerify(report.command)) {
        const VerifyReport found = verifyReport(report);
        emit verified(found);
        if (report.end != ExchangeReport::End::Failed)
            end = verifyText(found);
    }
    if (!end.text.isEmpty()) {
        Notice n;
        n.kind = end.warning ? Notice::Kind::Warning : Notice::Kind::Plain;
        n.about = Notice::About::ExchangeEnd;
        n.command = report.command;
        n.text = end.text;
        emit notice(n);
    }
    emit ended(report);
}

} // namespace tevo
