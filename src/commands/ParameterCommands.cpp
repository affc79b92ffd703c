#include "commands/ParameterCommands.h"

#include "commands/ClockPackets.h"
#include "common/Error.h"

namespace tevo {

namespace {
const QString kNoScale = QStringLiteral("Не выбраны ни одни весы!");
const QString kOnlyOneScale = QStringLiteral("Выберите только одни весы!");
} // namespace

ParameterCommands::ParameterCommands(ExchangeEngine &engine, ParametersHost &host, QObject *parent)
    : QObject(parent), m_engine(engine), m_host(host)
{
    for (int state : {cmd::SettingsRead, cmd::HeaderRead, cmd::LogoRead, cmd::SettingsWrite, cmd::HeaderWrite,
                      cmd::LogoWrite, cmd::DateWrite, cmd::TimeWrite, cmd::TotalsRead, cmd::StateRead})
        m_engine.registerCommand(state, this);
}

bool ParameterCommands::start(int state, bool exactlyOne, int interval)
{
    return m_engine.startExchange(state, exactlyOne, exactlyOne ? kOnlyOneScale : kNoScale, interval);
}

bool ParameterCommands::startSettingsWrite()
{
    if (m_engine.connectionCheckBlocks())
        return false;
    if (m_engine.SelectedScaleCount < 1) {
        emit m_engine.errorMessage(kNoScale);
        return false;
    }
    // The numbers and the label format are checked before anything starts.
    try {
        (void)m_host.settings();
    } catch (const Error &e) {
        emit m_engine.errorMessage(e.text());
        return false;
    }
    if (!start(cmd::SettingsWrite, false, 0))
        return false;
    // The first poll of the settings write reaches every scale of the list.
    m_engine.SendToAllScales = true;
    return true;
}

bool ParameterCommands::startSettingsRead()
{
    SettingsReply.clear();
    HeaderReply.clear();
    LogoReply.clear();
    return start(cmd::SettingsRead, true, kSlowPollMs);
}

bool ParameterCommands::startLogoWrite() { return start(cmd::LogoWrite, true, kSlowPollMs); }
bool ParameterCommands::startClockWrite() { return start(cmd::DateWrite, false, kSlowPollMs); }
bool ParameterCommands::startStateRead() { return start(cmd::StateRead, true, kSlowPollMs); }
bool ParameterCommands::startTotalsRead() { return start(cmd::TotalsRead, true, kSlowPollMs); }

QByteArray ParameterCommands::buildRequest(int state, int)
{
    switch (state) {
    case cmd::SettingsWrite:
        return buildSettingsPacket(m_host.settings());
    case cmd::HeaderWrite: {
        const ShopHeader h = m_host.header();
        return buildHeaderPacket(h.line1, h.line2);
    }
    case cmd::SettingsRead:
        return QByteArray(1, char(kSettingsReadCommand));
    case cmd::HeaderRead:
        return QByteArray(1, char(kHeaderReadCommand));
    case cmd::LogoRead:
        return QByteArray(1, char(kLogoReadCommand));
    case cmd::LogoWrite:
        return buildLogoWriteRequest(m_host.logo());
    case cmd::DateWrite:
        return buildDatePacket(appClock().now().date());
    case cmd::TimeWrite:
        return buildTimePacket(appClock().now().time());
    case cmd::TotalsRead:
        return QByteArray(1, char(kSalesTotalsCommand));
    case cmd::StateRead:
        return QByteArray(1, char(kWeighingStateCommand));
    default:
        return {};
    }
}

void ParameterCommands::handleReply(int state, const QByteArray &packet, int)
{
    switch (state) {
    case cmd::SettingsWrite:
        m_engine.ExchangeState = cmd::HeaderWrite;
        m_engine.pollAgain();
        return;
    case cmd::HeaderWrite:
        m_engine.endExchange(QStringLiteral("Настройки пользователя успешно переданы."));
        return;
    case cmd::LogoWrite:
        m_engine.endExchange(QStringLiteral("Логотип успешно записан."));
        return;
    case cmd::DateWrite:
        m_engine.ExchangeState = cmd::TimeWrite;
        m_engine.pollAgain();
        return;
    case cmd::TimeWrite:
        m_engine.endExchange(QStringLiteral("Дата и время синхронизированы с компьютером."));
        return;
    case cmd::SettingsRead:
        // A reply that grows past its length is decoded from its first bytes.
        SettingsReply.append(packet);
        if (SettingsReply.size() < kSettingsPacketLength)
            return;
        m_host.setSettings(decodeSettingsReply(SettingsReply.left(kSettingsPacketLength)));
        m_engine.ExchangeState = cmd::HeaderRead;
        m_engine.pollAgain();
        return;
    case cmd::HeaderRead:
        HeaderReply.append(packet);
        if (HeaderReply.size() < kHeaderPacketLength)
            return;
        m_host.setHeader(decodeHeaderReply(HeaderReply.left(kHeaderPacketLength)));
        m_engine.ExchangeState = cmd::LogoRead;
        m_engine.pollAgain();
        return;
    case cmd::LogoRead:
        LogoReply.append(packet);
        if (LogoReply.size() < kLogoPacketLength)
            return;
        m_host.setLogo(logoFromReply(LogoReply.left(kLogoPacketLength)));
        m_engine.AckReceived = 0;
        m_engine.endExchange(QStringLiteral("Настройки пользователя успешно считаны."));
        return;
    case cmd::StateRead:
        m_engine.ReplyBuffer.append(packet);
        if (m_engine.ReplyBuffer.size() < WeighingState::kLength)
            return;
        m_host.showWeighingState(decodeWeighingState(m_engine.ReplyBuffer));
        m_engine.endExchange();
        m_engine.ReplyBuffer.clear();
        return;
    case cmd::TotalsRead:
        m_engine.ReplyBuffer.append(packet);
        if (m_engine.ReplyBuffer.size() < SalesTotals::kLength)
            return;
        m_host.showTotals(decodeSalesTotals(m_engine.ReplyBuffer));
        m_engine.endExchange();
        m_engine.ReplyBuffer.clear();
        return;
    default:
        return;
    }
}

} // namespace tevo
