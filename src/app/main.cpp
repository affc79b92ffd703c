// Tevo: goods, messages and settings exchange with label-printing scales.
#include "common/AppPaths.h"
#include "common/ShutdownSignals.h"
#include "session/Language.h"
#include "shell/AppWindows.h"
#include "shell/Dialogs.h"
#include "shell/InstanceLock.h"
#include "shell/Startup.h"
#include "shell/TevoApplication.h"
#include "store/DriverMessages.h"

int main(int argc, char **argv)
{
    // Answered before the application object, which would need a display.
    if (tevo::answeredCommandLine(argc, argv))
        return 0;
    tevo::keepDriverWarningsQuiet();
    tevo::TevoApplication app(argc, argv);
    tevo::Language language;
    tevo::prepareStart(language);

    // SIGTERM and SIGINT from here on end the program by its closing steps.
    tevo::ShutdownSignals shutdownSignals;

    // One copy per data folder; a second one says so and ends.
    tevo::InstanceLock lock(tevo::besideProgram(QLatin1String(tevo::kDatabaseFileName)));
    if (!lock.claim()) {
        QObject::connect(&shutdownSignals, &tevo::ShutdownSignals::received, &app, [] { QCoreApplication::exit(1); });
        tevo::Dialogs::message(tevo::Dialogs::Kind::Error, lock.refusalText());
        return 1;
    }

    tevo::AppWindows windows;
    QObject::connect(&shutdownSignals, &tevo::ShutdownSignals::received, &windows.mainWindow,
                     &tevo::MainWindow::endOnRequest);
    QObject::connect(&windows.mainWindow, &tevo::MainWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    windows.mainWindow.showMaximized();
    return tevo::TevoApplication::exec();
}
