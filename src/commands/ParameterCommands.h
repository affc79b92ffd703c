#pragma once
// The commands of the parameters tab: the settings and shop-header write (states 10 → 11)
// and read (1 → 2 → 3 with the logo), the logo write (12), the clock (20 → 21), the
// weighing state (89) and the sales totals (85).
#include "commands/Logo.h"
#include "commands/ScaleReadouts.h"
#include "commands/SettingsPackets.h"
#include "exchange/ExchangeCommand.h"

namespace tevo {

class ExchangeEngine;

// What the commands need of the parameters tab.
class ParametersHost {
public:
    virtual ~ParametersHost() = default;
    // The settings as the controls hold them now; throws ConversionError for a text that is
    // not a whole number and InputError when no label format is chosen.
    virtual ScaleSettings settings() const = 0;
    virtual void setSettings(const ScaleSettings &settings) = 0;
    virtual ShopHeader header() const = 0;
    virtual void setHeader(const ShopHeader &header) = 0;
    virtual LogoPixels logo() const = 0;
    virtual void setLogo(const LogoPixels &logo) = 0; // a logo read from a scale: keep and draw it
    virtual void showWeighingState(const WeighingState &state) = 0;
    virtual void showTotals(const SalesTotals &totals) = 0;
};

// The parameters kept in memory, for a program without the window.
class MemoryParameters : public ParametersHost {
public:
    ScaleSettings settingsValue;
    ShopHeader headerValue;
    LogoPixels logoValue;
    WeighingState weighingState;
    SalesTotals salesTotals;

    ScaleSettings settings() const override { return settingsValue; }
    void setSettings(const ScaleSettings &s) override { settingsValue = s; }
    ShopHeader header() const override { return headerValue; }
    void setHeader(const ShopHeader &h) override { headerValue = h; }
    LogoPixels logo() const override { return logoValue; }
    void setLogo(const LogoPixels &l) override { logoValue = l; }
    void showWeighingState(const WeighingState &s) override { weighingState = s; }
    void showTotals(const SalesTotals &t) override { salesTotals = t; }
};

class ParameterCommands : public ExchangeCommand {
public:
    ParameterCommands(ExchangeEngine &engine, ParametersHost &host);

    bool startSettingsWrite(); // Button1
    bool startSettingsRead();  // Button2
    bool startLogoWrite();     // SpeedButton5
    bool startClockWrite();    // Button3
    bool startStateRead();     // btnReNewScaleState
    bool startTotalsRead();    // btnItog

    QByteArray buildRequest(CommandState state, int number) override;
    StepOutcome takeReply(CommandState state, int number, const QByteArray &reply) override;

private:
    // The steps with the rule and the pace their first step's facts give.
    bool start(QVector<CommandState> steps, bool firstPollToEveryRow = false);

    ExchangeEngine &m_engine;
    ParametersHost &m_host;
};

} // namespace tevo
