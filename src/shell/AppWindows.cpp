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
    // Creating the automatic-loading dialog reads its settings and may start its timer.
    MainForm.setAutoLoad(&AutoLoadForm, &Tray);
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
