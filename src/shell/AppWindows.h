#pragma once
// The program's run in the window: the session, then the main window and the windows created
// after it at start-up, in this order, kept for the whole run. The session is held by value and
// outlives the windows; every other window is a child of the main window, made with it as its
// Qt parent and destroyed with it (the members are references to them).
#include "session/Session.h"
#include "shell/AboutDialog.h"
#include "shell/AutoLoadDialog.h"
#include "shell/MainWindow.h"
#include "shell/PacketLogWindow.h"
#include "shell/ScalesDialog.h"
#include "shell/TrayIcon.h"

namespace tevo {

struct AppWindows {
    AppWindows();
    AppWindows(const AppWindows &) = delete;
    AppWindows &operator=(const AppWindows &) = delete;

    Session session;
    MainWindow mainWindow;
    ScalesDialog &scalesDialog;
    AutoLoadDialog &autoLoadDialog;
    AboutDialog &aboutDialog;
    PacketLogWindow &packetLogWindow;
    TrayIcon &tray;
};

} // namespace tevo
