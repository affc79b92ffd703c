#pragma once
// The tray icon for the whole run: minimizing hides the main window to it, a click shows or
// hides the window once the double-click time has passed without a second click (a double
// click does nothing), its menu offers the program, the scales dialog, automatic loading and
// exit, and it shows balloons. Where the desktop has no tray, minimizing minimizes as usual
// and notices go to the main window's status bar, so nothing is ever out of reach.
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace tevo {

class MainWindow;
class ScalesDialog;
class AutoLoadDialog;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(MainWindow &mainWindow, ScalesDialog &scalesDialog, AutoLoadDialog &autoLoadDialog);
    ~TrayIcon() override;

    // The main window has been hidden to the tray.
    bool mainWindowInTray() const { return m_mainWindowInTray; }

    bool trayAvailable() const { return m_available; }
    void setTrayAvailable(bool available) { m_available = available; } // tests

    // The icon ("CoolTrayIcon") and its menu ("PopupMenu": "N12" … "N15").
    QSystemTrayIcon *systemTrayIcon() const { return m_icon; }
    QMenu *menu() const { return m_menu.get(); }

    // Balloon at the icon (title at most 63 characters, text at most 255; icon 0 none,
    // 1 information, 2 warning, 3 error); without a tray the text goes to the status bar.
    void showTrayBalloon(const QString &title, const QString &text, int icon, int seconds);

    void restoreFromTray();
    void hideToTray();

public slots:
    // A click on the icon, once the double-click time has passed: shows or hides the window.
    void onIconClicked();
    void onShowProgramTriggered();
    void onScalesSetupTriggered();
    void onAutoLoadTriggered();
    void onExitTriggered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // A balloon was shown (or, without a tray, its text put into the status bar).
    void balloonShown(const QString &text, int icon);

private:
    MainWindow &m_main;
    ScalesDialog &m_scales;
    AutoLoadDialog &m_autoLoad;
    QSystemTrayIcon *m_icon = nullptr;
    std::unique_ptr<QMenu> m_menu;
    QAction *m_showProgramAction = nullptr;
    QAction *m_scalesSetupAction = nullptr;
    QAction *m_autoLoadAction = nullptr;
    QAction *m_exitAction = nullptr;
    bool m_mainWindowInTray = false;
    bool m_available = false;
    bool m_minimizedInPlace = false; // the start-up minimize, until the window is restored
    QTimer m_singleClick;            // runs from a click until the double-click time has passed
};

} // namespace tevo
