#pragma once
// The tray icon for the whole run: minimizing hides the main window to it, a click shows or
// hides the window once the double-click time has passed without a second click (a double
// click does nothing), its menu offers the program, the scales dialog, automatic loading and
// exit, and it shows balloons. Where the desktop has no tray, minimizing minimizes as usual
// and notices go to the main window's status bar, so nothing is ever out of reach.
#include <QObject>
#include <QString>
#include <QTimer>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace tevo {

class TMainForm;
class TScalesForm;
class TAutoLoadForm;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(TMainForm &mainForm, TScalesForm &scalesForm, TAutoLoadForm &autoLoadForm);
    ~TrayIcon() override;

    // The main window has been hidden to the tray.
    bool MainWindowInTray = false;

    bool trayAvailable() const { return m_available; }
    void setTrayAvailable(bool available) { m_available = available; } // tests

    QSystemTrayIcon *CoolTrayIcon = nullptr;
    QMenu *PopupMenu = nullptr;
    QAction *N12 = nullptr, *N13 = nullptr, *N15 = nullptr, *N14 = nullptr;

    // Balloon at the icon (title at most 63 characters, text at most 255; icon 0 none,
    // 1 information, 2 warning, 3 error); without a tray the text goes to the status bar.
    void ShowTrayBalloon(const QString &title, const QString &text, int icon, int seconds);

    void RestoreFromTray();
    void HideToTray();

public slots:
    void CoolTrayIconClick();
    void CoolTrayIconMinimizeToTray();
    void N12Click();
    void N13Click();
    void N15Click();
    void N14Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TMainForm &m_main;
    TScalesForm &m_scales;
    TAutoLoadForm &m_autoLoad;
    bool m_available = false;
    bool m_minimizedInPlace = false; // the start-up minimize, until the window is restored
    QTimer m_singleClick;            // runs from a click until the double-click time has passed
};

} // namespace tevo
