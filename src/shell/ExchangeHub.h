#pragma once
// Joins the exchange engine, its commands, automatic loading and the tray to the windows: the
// starters behind the buttons, the parameters tab as the commands see it, the message boxes,
// the progress bars and the packet log.
#include "commands/ConnectionCheck.h"
#include "commands/MessagesTransfer.h"
#include "commands/ParameterCommands.h"
#include "exchange/ExchangeEngine.h"
#include "exchange/GoodsTransfer.h"
#include "exchange/ScaleChannels.h"
#include "fileio/AutoLoad.h"

#include <QObject>
#include <memory>

namespace tevo {

class TMainForm;
class TScalesForm;

class ExchangeHub : public QObject, public ParametersHost {
    Q_OBJECT
public:
    explicit ExchangeHub(TMainForm &form);
    ~ExchangeHub() override;

    ExchangeEngine &engine() { return *m_engine; }
    ScaleChannels &channels() { return *m_channels; }
    GoodsTransfer &goods() { return *m_goods; }
    MessagesTransfer &messages() { return *m_messages; }
    ParameterCommands &parameters() { return *m_parameters; }
    ConnectionCheck &connectionCheck() { return *m_check; }
    AutoLoader &autoLoader() { return *m_autoLoader; }

    // Shows the scales dialog with the caption as a picker; true when it closed with OK. The
    // engine then has the recounted number of selected scales.
    bool pickScales(const QString &caption);

    // MainWindowInTray and the balloon, set by the tray.
    std::function<bool()> mainWindowInTray;
    std::function<void(const QString &title, const QString &text, int icon, int seconds)> showTrayBalloon;

    // ParametersHost
    ScaleSettings settings() const override;
    void setSettings(const ScaleSettings &settings) override;
    ShopHeader header() const override;
    void setHeader(const ShopHeader &header) override;
    LogoPixels logo() const override { return m_logo; }
    void setLogo(const LogoPixels &logo) override;
    void showWeighingState(const WeighingState &state) override;
    void showTotals(const SalesTotals &totals) override;

    // A logo opened from a file.
    void setLogoFromFile(const QString &fileName);

private:
    void syncSelectedCount();

    TMainForm &m_form;
    std::unique_ptr<ScaleChannels> m_channels;
    std::unique_ptr<ExchangeEngine> m_engine;
    std::unique_ptr<GoodsTransfer> m_goods;
    std::unique_ptr<MessagesTransfer> m_messages;
    std::unique_ptr<ParameterCommands> m_parameters;
    std::unique_ptr<ConnectionCheck> m_check;
    std::unique_ptr<AutoLoader> m_autoLoader;
    LogoPixels m_logo;
};

} // namespace tevo
