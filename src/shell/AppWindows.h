#pragma once
// The program's windows, created at start-up in this order and kept for the whole run.
#include "shell/AboutForm.h"
#include "shell/AutoLoadForm.h"
#include "shell/MainForm.h"
#include "shell/PaketViewForm.h"
#include "shell/ScalesForm.h"
#include "shell/TrayIcon.h"

namespace tevo {

struct AppWindows {
    AppWindows();

    TMainForm MainForm;
    TScalesForm ScalesForm;
    TAutoLoadForm AutoLoadForm;
    TAboutForm AboutForm;
    TPaketViewForm PaketViewForm;
    TrayIcon Tray;
};

} // namespace tevo
