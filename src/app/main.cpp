// Tevo: goods, messages and settings exchange with label-printing scales.
#include "shell/AppWindows.h"
#include "shell/Dialogs.h"
#include "shell/TevoApplication.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char **argv)
{
    tevo::TevoApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tevo"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.6"));

    // The toolkit's own texts (dialog buttons, context menus) in Russian.
    QTranslator translator;
    if (translator.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);

    tevo::Dialogs::installErrorHandler();

    tevo::AppWindows windows;
    QObject::connect(&windows.MainForm, &tevo::TMainForm::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    windows.MainForm.showMaximized();
    return app.exec();
}
