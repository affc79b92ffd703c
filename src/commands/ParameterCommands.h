#pragma once
// The commands of the parameters tab: the settings and shop-header write (states 10 → 11)
// and read (1 → 2 → 3 with the logo), the logo write (12), the clock (20 → 21), the
// weighing state (89) and the sales totals (85).
#include "commands/Logo.h"
#include "commands/ScaleReadouts.h"
#include "commands/SettingsPackets.h"
#include "exchange/ExchangeEngine.h"

#include <QObject>

namespace tevo {

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

class ParameterCommands : public QObject, public ExchangeCommand {
    Q_OBJECT
public:
    ParameterCommands(ExchangeEngine &engine, ParametersHost &host, QObject *parent = nullptr);

    static constexpr int kSlowPollMs = 500;

    bool startSettingsWrite();   // Button1
    bool startSettingsRead();    // Button2
    bool startLogoWrite();       // SpeedButton5
    bool startClockWrite();      // Button3
    bool startStateRead();       // btnReNewScaleState
    bool startTotalsRead();      // btnItog

    QByteArray SettingsReply;
    QByteArray HeaderReply;
    QByteArray LogoReply;

    QByteArray buildRequest(int state, int number) override;
    void handleReply(int state, const QByteArray &packet, int scaleRecNo) override;

private:
    bool start(int state, bool exactlyOne, int interval);

    ExchangeEngine &m_engine;
    ParametersHost &m_host;
};

} // namespace tevo
