// Tevo: goods, messages and settings exchange with label-printing scales.
#include "shell/AppWindows.h"
#include "shell/Startup.h"
#include "shell/TevoApplication.h"

#include <QTranslator>

int main(int argc, char **argv)
{
    tevo::TevoApplication app(argc, argv);
    QTranslator translator;
    tevo::prepareStart(translator);

    tevo::AppWindows windows;
    QObject::connect(&windows.MainForm, &tevo::TMainForm::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    windows.MainForm.showMaximized();
    return app.exec();
}
