#include "commands/ParameterCommands.h"

#include "commands/ClockPackets.h"
#include "common/Error.h"
#include "exchange/CommandFacts.h"
#include "exchange/ExchangeEngine.h"

namespace tevo {

ParameterCommands::ParameterCommands(ExchangeEngine &engine, ParametersHost &host) : m_engine(engine), m_host(host) {}

bool ParameterCommands::start(QVector<CommandState> steps, bool firstPollToEveryRow)
{
    ExchangePlan plan = planFor(*this, std::move(steps));
    plan.firstPollToEveryRow = firstPollToEveryRow;
    return m_engine.start(plan);
}

bool ParameterCommands::startSettingsWrite()
{
    const CommandFacts &facts = commandFacts(CommandState::SettingsWrite);
    if (!m_engine.canStart(facts.rule, factText(facts.countError)))
        return false;
    // The numbers and the label format are checked before anything starts.
    try {
        (void)m_host.settings();
    } catch (const Error &e) {
        m_engine.refuseStart(e.text());
        return false;
    }
    // The first poll of the settings write reaches every scale of the list.
    return start({CommandState::SettingsWrite, CommandState::HeaderWrite}, true);
}

bool ParameterCommands::startSettingsRead()
{
    return start({CommandState::SettingsRead, CommandState::HeaderRead, CommandState::LogoRead});
}

bool ParameterCommands::startLogoWrite() { return start({CommandState::LogoWrite}); }

bool ParameterCommands::startClockWrite() { return start({CommandState::DateWrite, CommandState::TimeWrite}); }

bool ParameterCommands::startStateRead() { return start({CommandState::StateRead}); }

bool ParameterCommands::startTotalsRead() { return start({CommandState::TotalsRead}); }

QByteArray ParameterCommands::buildRequest(CommandState state, int)
{
    switch (state) {
    case CommandState::SettingsWrite:
        return buildSettingsPacket(m_host.settings());
    case CommandState::HeaderWrite: {
        const ShopHeader h = m_host.header();
        return buildHeaderPacket(h.line1, h.line2);
    }
    case CommandState::SettingsRead:
        return QByteArray(1, char(kSettingsReadCommand));
    case CommandState::HeaderRead:
        return QByteArray(1, char(kHeaderReadCommand));
    case CommandState::LogoRead:
        return QByteArray(1, char(kLogoReadCommand));
    case CommandState::LogoWrite:
        return buildLogoWriteRequest(m_host.logo());
    case CommandState::DateWrite:
        return buildDatePacket(appClock().now().date());
    case CommandState::TimeWrite:
        return buildTimePacket(appClock().now().time());
    case CommandState::TotalsRead:
        return QByteArray(1, char(kSalesTotalsCommand));
    case CommandState::StateRead:
        return QByteArray(1, char(kWeighingStateCommand));
    default:
        return {};
    }
}

StepOutcome ParameterCommands::takeReply(CommandState state, int, const QByteArray &reply)
{
    // A read reply that grows past its length is decoded from its first bytes.
    switch (state) {
    case CommandState::SettingsRead:
        if (reply.size() < kSettingsPacketLength)
            return StepOutcome::Incomplete;
        m_host.setSettings(decodeSettingsReply(reply.left(kSettingsPacketLength)));
        return StepOutcome::StepDone;
    case CommandState::HeaderRead:
        if (reply.size() < kHeaderPacketLength)
            return StepOutcome::Incomplete;
        m_host.setHeader(decodeHeaderReply(reply.left(kHeaderPacketLength)));
        return StepOutcome::StepDone;
    case CommandState::LogoRead:
        if (reply.size() < kLogoPacketLength)
            return StepOutcome::Incomplete;
        m_host.setLogo(logoFromReply(reply.left(kLogoPacketLength)));
        return StepOutcome::StepDone;
    case CommandState::StateRead:
        if (reply.size() < WeighingState::kLength)
            return StepOutcome::Incomplete;
        m_host.showWeighingState(decodeWeighingState(reply));
        return StepOutcome::StepDone;
    case CommandState::TotalsRead:
        if (reply.size() < SalesTotals::kLength)
            return StepOutcome::Incomplete;
        m_host.showTotals(decodeSalesTotals(reply));
        return StepOutcome::StepDone;
    default:
        // The acknowledgement of a write: settings, shop header, logo, date, time.
        return StepOutcome::StepDone;
    }
}

} // namespace tevo
