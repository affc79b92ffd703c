#include "commands/ScaleExchange.h"

#include "store/CommandLineMark.h"
#include "store/Store.h"

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
    connect(m_check.get(), &ConnectionCheck::information, this,
            [tell](const QString &t) { tell(Notice::Kind::Information, Notice::About::CheckEnd, t); });
}

ScaleExchange::~ScaleExchange()
{
    m_check->tmCheck.stop();
    // The engine's end reaches nobody any more.
    disconnect(m_engine.get(), nullptr, this, nullptr);
    m_engine->stop();
}

void ScaleExchange::onEnded(const ExchangeReport &report)
{
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
    const EndText end = endText(report);
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
