#include "shell/AppWindows.h"

#include "shell/ExchangeHub.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace tevo {

AppWindows::AppWindows()
    : scalesDialog(mainWindow.store(), mainWindow.appState(), &mainWindow),
      autoLoadDialog(&mainWindow),
      aboutDialog(mainWindow.store().database(), &mainWindow),
      packetLogWindow(&mainWindow),
      tray(mainWindow, scalesDialog, autoLoadDialog)
{
    mainWindow.setWindows(&scalesDialog, &aboutDialog, &packetLogWindow);
    mainWindow.setAutoLoad(&autoLoadDialog, &tray);
    ExchangeHub &hub = mainWindow.exchange();
    hub.mainWindowInTray = [this] { return tray.mainWindowInTray(); };
    hub.showTrayBalloon = [this](const QString &title, const QString &text, int icon, int seconds) {
        tray.showTrayBalloon(title, text, icon, seconds);
    };
    // Giving the automatic-loading dialog its loader reads the settings and may start the timer.
    autoLoadDialog.setLoader(&hub.autoLoader());
    QObject::connect(&scalesDialog, &ScalesDialog::connectionCheckRequested, &mainWindow,
                     [this] { mainWindow.exchange().connectionCheck().start(); });
    // The end of the desktop session: save first, and run the closing steps if the
    // application quits without the main window having closed.
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QObject::connect(app, &QGuiApplication::commitDataRequest, &mainWindow, &MainWindow::saveForSessionEnd,
                         Qt::DirectConnection);
        QObject::connect(app, &QCoreApplication::aboutToQuit, &mainWindow, &MainWindow::aboutToQuit);
    }
}

} // namespace tevo
