#include "shell/AppWindows.h"

namespace tevo {

AppWindows::AppWindows()
    : ScalesForm(MainForm.store(), MainForm.appState(), &MainForm), AboutForm(&MainForm), PaketViewForm(&MainForm)
{
    MainForm.setWindows(&ScalesForm, &AboutForm, &PaketViewForm);
}

} // namespace tevo
