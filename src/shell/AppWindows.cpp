#include "shell/AppWindows.h"

#include "shell/ExchangeHub.h"

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
}

} // namespace tevo
