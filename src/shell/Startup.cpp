#include "shell/Startup.h"

#include "common/ErrorSink.h"
#include "fileio/DataFolder.h"
#include "shell/Dialogs.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// Set by the build (cmake/Packaging.cmake).
#ifndef TEVO_APP_ID
#define TEVO_APP_ID "example.tevo.Tevo"
#endif

namespace tevo {

void prepareStart(QTranslator &translator)
{
    QCoreApplication::setApplicationName(QStringLiteral("Tevo"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.6"));
    // The desktop entry the windows belong to.
    QGuiApplication::setDesktopFileName(QStringLiteral(TEVO_APP_ID));

    // The toolkit's own texts (dialog buttons, context menus) in Russian.
    if (translator.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);

    Dialogs::installErrorHandler();
    // Installed, the first start makes the database and the dBase template in the user's folder.
    guarded([] { prepareDataFolder(); });
}

} // namespace tevo
