#pragma once
// The program's windows, created at start-up in this order and kept for the whole run.
#include "shell/AboutDialog.h"
#include "shell/AutoLoadDialog.h"
#include "shell/MainWindow.h"
#include "shell/PacketLogWindow.h"
#include "shell/ScalesDialog.h"
#include "shell/TrayIcon.h"

namespace tevo {

struct AppWindows {
    AppWindows();

    MainWindow mainWindow;
    ScalesDialog scalesDialog;
    AutoLoadDialog autoLoadDialog;
    AboutDialog aboutDialog;
    PacketLogWindow packetLogWindow;
    TrayIcon tray;
};

} // namespace tevo
