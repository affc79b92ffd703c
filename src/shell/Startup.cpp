#include "shell/Startup.h"

#include "common/AppPaths.h"
#include "common/ErrorSink.h"
#include "fileio/DataFolder.h"
#include "session/Language.h"
#include "shell/Dialogs.h"

#include <QGuiApplication>
#include <cstdio>

// Set by the build (cmake/Packaging.cmake).
#ifndef TEVO_APP_ID
#define TEVO_APP_ID "example.tevo.Tevo"
#endif

namespace tevo {
namespace {

const char kProgramVersion[] = "1.6";

// What `tevo --help` prints (help2man makes the manual page of it).
const char kHelpText[] =
    QT_TRANSLATE_NOOP("tevo::Startup",
                      "Использование: tevo [ПАРАМЕТР]\n"
                      "Окно Tevo: товары, сообщения и весы магазина и обмен с весами, печатающими этикетки,\n"
                      "по сети (TCP) и по COM-порту.\n"
                      "\n"
                      "  -h, --help     показать эту справку и выйти\n"
                      "  -v, --version  показать версию и выйти\n"
                      "\n"
                      "База данных и файлы настроек лежат в папке данных: у каждого пользователя своя,\n"
                      "~/.local/share/Tevo (или папка самой программы, если в неё можно писать).\n"
                      "Тот же обмен без окна: tevo-cli --help. Руководство: меню «Помощь» или\n"
                      "/usr/share/tevo/help/index.html.\n");

// The language chosen in the work properties file of the data folder, or the system's.
QString chosenLanguage() { return Language::chosen(besideProgram(QLatin1String(kColumnWidthsFileName))); }

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
            // In the chosen language: the data folder and the translations need an application
            // object, not a display.
            QCoreApplication app(argc, argv);
            Language language;
            language.install(chosenLanguage());
            std::fputs(QCoreApplication::translate("tevo::Startup", kHelpText).toUtf8().constData(), stdout);
            return true;
        }
    }
    return false;
}

void prepareStart(Language &language, const QString &languageCode)
{
    QCoreApplication::setApplicationName(QStringLiteral("Tevo"));
    QCoreApplication::setApplicationVersion(QLatin1String(kProgramVersion));
    // The desktop entry the windows belong to.
    QGuiApplication::setDesktopFileName(QStringLiteral(TEVO_APP_ID));

    // The program's texts and the toolkit's own (dialog buttons, context menus) in the language
    // chosen in the parameters tab, or the system's; Russian unless that is Ukrainian or English.
    language.install(languageCode.isEmpty() ? chosenLanguage() : languageCode);

    Dialogs::installErrorHandler();
    // Installed, the first start makes the database and the dBase template in the user's folder.
    guarded([] { prepareDataFolder(); });
}

} // namespace tevo
