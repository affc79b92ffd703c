#include "session/Session.h"

#include "common/AppPaths.h"
#include "session/AutoLoader.h"

namespace tevo {

Session::Session() = default;

Session::~Session()
{
    // The watch and the exchange work on the store: they go first, the watch before the
    // exchange it writes through.
    m_autoLoader.reset();
    m_exchange.reset();
}

void Session::setParametersHost(ParametersHost *host)
{
    Q_ASSERT(!m_exchange);
    m_host = host;
}

ScaleExchange &Session::exchange()
{
    if (!m_exchange) {
        m_exchange = std::make_unique<ScaleExchange>(m_store, m_host);
        connect(m_exchange.get(), &ScaleExchange::notice, this, &Session::forward);
    }
    return *m_exchange;
}

AutoLoader &Session::autoLoader()
{
    if (!m_autoLoader) {
        m_autoLoader = std::make_unique<AutoLoader>(m_store, exchange(), besideProgram(QLatin1String(kAutoLoadFileName)));
        connect(m_autoLoader.get(), &AutoLoader::notice, this, &Session::notice);
    }
    return *m_autoLoader;
}

void Session::forward(const Notice &notice)
{
    Notice n = notice;
    n.automatic = m_autoLoader && m_autoLoader->writing();
    emit this->notice(n);
}

Outcome Session::startExchange(CommandState command, const QString &range)
{
    ScaleExchange &x = exchange();
    // The refusal is told as a notice while the start runs; the outcome carries it too.
    QString refusal;
    const QMetaObject::Connection told = connect(&x, &ScaleExchange::notice, this, [&refusal](const Notice &n) {
        if (n.kind == Notice::Kind::Error && refusal.isEmpty())
            refusal = n.text;
    });
    bool started = false;
    switch (command) {
    case CommandState::GoodsWrite:
        started = x.goods().StartGoodsWrite(range, m_changedOnly);
        break;
    case CommandState::GoodsRead:
        started = x.goods().startGoodsRead(range);
        break;
    case CommandState::GoodsVerify:
        started = x.goods().startGoodsVerify(range);
        break;
    case CommandState::MessagesVerify:
        started = x.messages().startMessagesVerify(range);
        break;
    case CommandState::MessagesWrite:
        started = x.messages().startMessagesWrite(range, m_changedOnly);
        break;
    case CommandState::MessagesRead:
        started = x.messages().startMessagesRead(range);
        break;
    case CommandState::SettingsWrite:
        started = x.parameters().startSettingsWrite();
        break;
    case CommandState::SettingsRead:
        started = x.parameters().startSettingsRead();
        break;
    case CommandState::DateWrite:
        started = x.parameters().startClockWrite();
        break;
    case CommandState::LogoWrite:
        started = x.parameters().startLogoWrite();
        break;
    case CommandState::StateRead:
        started = x.parameters().startStateRead();
        break;
    case CommandState::TotalsRead:
        started = x.parameters().startTotalsRead();
        break;
    default:
        break;
    }
    disconnect(told);
    return started ? Outcome::success(QString()) : Outcome::refused(refusal);
}

} // namespace tevo
