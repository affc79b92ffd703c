#pragma once
// Joins the scale exchange and automatic loading to the windows: the buttons of the goods,
// messages and parameters tabs start their commands (each after the scales dialog, shown as a
// picker with its caption, has closed with OK), the parameters tab as the commands see it, the
// message boxes and tray balloons, the progress bars, the grids that follow a transfer, the
// per-scale progress panel and the packet log. The bars, the grids and the per-scale lines are
// brought up to date at most about 30 times a second, so that a fast exchange does not wait for
// a repaint per record; what the end of an exchange shows is shown at once.
#include "session/AutoLoader.h"
#include "session/Session.h"

#include <QMap>
#include <QObject>
#include <memory>
#include <optional>

namespace tevo {

class MainWindow;
class ScaleProgressPanel;
class TrayIcon;
class UpdateThrottle;
class VerifyWindow;

class ExchangeHub : public QObject, public ParametersHost {
    Q_OBJECT
public:
    // Becomes the session's parameters host: made before the session's exchange is first used.
    ExchangeHub(MainWindow &window, Session &session);
    ~ExchangeHub() override;

    ScaleExchange &exchange() { return m_session.exchange(); }
    ExchangeEngine &engine() { return exchange().engine(); }
    ScaleChannels &channels() { return exchange().channels(); }
    GoodsTransfer &goods() { return exchange().goods(); }
    MessagesTransfer &messages() { return exchange().messages(); }
    ParameterCommands &parameters() { return exchange().parameters(); }
    ConnectionCheck &connectionCheck() { return exchange().connectionCheck(); }
    AutoLoader &autoLoader() { return m_session.autoLoader(); }
    ScaleProgressPanel &progressPanel() { return *m_panel; }

    // Shows the scales dialog with the caption as a picker; true when it closed with OK.
    bool pickScales(const QString &caption);

    // The tray icon: the end of a goods write goes to its balloon while the main window is
    // hidden there, and so do the words in passing of automatic loading.
    void setTray(TrayIcon *tray) { m_tray = tray; }

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

public slots:
    // Goods tab.
    void onWriteGoodsClicked();
    void onReadGoodsClicked();
    void onVerifyGoodsClicked(); // "Сверить с весами"
    // Messages tab.
    void onWriteMessagesClicked();
    void onReadMessagesClicked();
    void onVerifyMessagesClicked();
    // Both tabs: the exchange that runs stops.
    void onStopClicked();
    // Parameters tab.
    void onWriteSettingsClicked();
    void onReadSettingsClicked();
    void onWriteClockClicked();
    void onOpenLogoClicked();
    void onWriteLogoClicked();
    void onReadStateClicked();
    void onReadTotalsClicked();

private:
    // What the session tells, shown: a box, the notice box of automatic loading, the common
    // error box or the tray balloon.
    void show(const Notice &notice);
    void balloon(const QString &text, int icon);
    // Picks the scales with `caption`, then starts the command (a refusal has been told).
    void pickAndStart(const QString &caption, CommandState command, const QString &range = QString());
    void syncSelectedCount();
    // A text of automatic loading (a refused file, its write's errors and end): shown in the one
    // notice box, which waits for nobody, with every text of the latest load.
    void showAutomatic(int kind, const QString &text);
    void showProgressNow(); // the bars, the grid and the per-scale lines as they stand

    MainWindow &m_window;
    Session &m_session;
    TrayIcon *m_tray = nullptr;
    ScaleProgressPanel *m_panel = nullptr;
    VerifyWindow *m_verifyWindow = nullptr; // made at the first check's end
    LogoPixels m_logo;
    // What waits to be shown.
    UpdateThrottle *m_progressThrottle = nullptr;
    std::optional<int> m_barValue[2]; // goods, messages
    std::optional<std::pair<ProgressBar, int>> m_followed;
    QMap<int, ScaleStatus> m_lines; // by record number in S
    // The texts of the latest automatic load and the most serious kind among them.
    QStringList m_automaticTexts;
    int m_automaticKind = 0;
};

} // namespace tevo
