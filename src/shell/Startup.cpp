#include "shell/Startup.h"

#include "common/ErrorSink.h"
#include "fileio/DataFolder.h"
#include "shell/Dialogs.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

// Set by the build (cmake/Packaging.cmake).
#ifndef TEVO_APP_ID
#define TEVO_APP_ID "example.tevo.Tevo"
#endif

namespace tevo {
namespace {

const char kProgramVersion[] = "1.6";

// What `tevo --help` prints (help2man makes the manual page of it).
const char kHelpText[] = "Использование: tevo [ПАРАМЕТР]\n"
                         "Окно Tevo: товары, сообщения и весы магазина и обмен с весами, печатающими этикетки,\n"
                         "по сети (TCP) и по COM-порту.\n"
                         "\n"
                         "  -h, --help     показать эту справку и выйти\n"
                         "  -v, --version  показать версию и выйти\n"
                         "\n"
                         "База данных и файлы настроек лежат в папке данных: у каждого пользователя своя,\n"
                         "~/.local/share/Tevo (или папка самой программы, если в неё можно писать).\n"
                         "Тот же обмен без окна: tevo-cli --help. Руководство: меню «Помощь» или\n"
                         "/usr/share/tevo/help/index.html.\n";

} // namespace

bool answeredCommandLine(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--version" || arg == "-v") {
            std::printf("tevo %s\n", kProgramVersion);
            return true;
        }
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelpText, stdout);
            return true;
        }
    }
    return false;
}

void prepareStart(QTranslator &translator)
{
    QCoreApplication::setApplicationName(QStringLiteral("Tevo"));
    QCoreApplication::setApplicationVersion(QLatin1String(kProgramVersion));
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
