#include "shell/AppWindows.h"

#include "shell/ExchangeHub.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace tevo {

AppWindows::AppWindows()
    : ScalesForm(MainForm.store(), MainForm.appState(), &MainForm), AutoLoadForm(&MainForm), AboutForm(MainForm.store().database(), &MainForm),
      PaketViewForm(&MainForm), Tray(MainForm, ScalesForm, AutoLoadForm)
{
    MainForm.setWindows(&ScalesForm, &AboutForm, &PaketViewForm);
    MainForm.setAutoLoad(&AutoLoadForm, &Tray);
    ExchangeHub &hub = MainForm.exchange();
    hub.mainWindowInTray = [this] { return Tray.mainWindowInTray(); };
    hub.showTrayBalloon = [this](const QString &title, const QString &text, int icon, int seconds) {
        Tray.showTrayBalloon(title, text, icon, seconds);
    };
    // Giving the automatic-loading dialog its loader reads the settings and may start the timer.
    AutoLoadForm.setLoader(&hub.autoLoader());
    QObject::connect(&ScalesForm, &TScalesForm::connectionCheckRequested, &MainForm,
                     [this] { MainForm.exchange().connectionCheck().start(); });
    // The end of the desktop session: save first, and run the closing steps if the
    // application quits without the main window having closed.
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QObject::connect(app, &QGuiApplication::commitDataRequest, &MainForm, &TMainForm::saveForSessionEnd,
                         Qt::DirectConnection);
        QObject::connect(app, &QCoreApplication::aboutToQuit, &MainForm, &TMainForm::aboutToQuit);
    }
}

} // namespace tevo
