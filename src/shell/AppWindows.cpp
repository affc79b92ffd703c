#include "shell/AppWindows.h"

#include "shell/ExchangeHub.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace tevo {

AppWindows::AppWindows()
    : mainWindow(session),
      scalesDialog(*new ScalesDialog(mainWindow.store(), mainWindow.appState(), &mainWindow)),
      autoLoadDialog(*new AutoLoadDialog(&mainWindow)),
      aboutDialog(*new AboutDialog(mainWindow.store().database(), &mainWindow)),
      packetLogWindow(*new PacketLogWindow(&mainWindow)),
      tray(*new TrayIcon(mainWindow, scalesDialog, autoLoadDialog))
{
    mainWindow.setWindows(&scalesDialog, &aboutDialog, &packetLogWindow);
    mainWindow.setAutoLoad(&autoLoadDialog, &tray);
    mainWindow.exchange().setTray(&tray);
    // Giving the automatic-loading dialog its loader reads the settings and may start the timer.
    autoLoadDialog.setLoader(&session.autoLoader());
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
