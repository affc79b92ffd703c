// tevo-initdb: makes the database file with the empty tables T (4000 goods), M (1000
// messages) and S, and the empty dBase template the goods export starts from. The program
// makes the same files with the same code when it first starts in the user's data folder.
#include "common/Error.h"
#include "fileio/DbfTemplate.h"
#include "store/DatabaseFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

const char kUsage[] = "usage: tevo-initdb [--if-missing | --force] DATABASE\n"
                      "       tevo-initdb --dbf-template-if-missing FILE\n";

int fail(const QString &text)
{
    std::fprintf(stderr, "tevo-initdb: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && args.size() != 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QString option = args.size() == 3 ? args.at(1) : QString();
    const QString path = args.last();
    try {
        if (option.isEmpty() || option == QLatin1String("--if-missing") || option == QLatin1String("--force")) {
            if (option == QLatin1String("--force") && QFileInfo::exists(path) && !QFile::remove(path))
                return fail(QStringLiteral("cannot remove %1").arg(path));
            if (tevo::makeDatabaseFileIfMissing(path)) {
                std::printf("tevo-initdb: made %s\n", qPrintable(path));
                return 0;
            }
            if (option == QLatin1String("--if-missing"))
                return 0;
            return fail(QStringLiteral("%1 exists; --force replaces it").arg(path));
        }
        if (option == QLatin1String("--dbf-template-if-missing")) {
            tevo::writeDbfTemplateIfMissing(path);
            return 0;
        }
    } catch (const tevo::Error &e) {
        return fail(e.text());
    }
    std::fprintf(stderr, "tevo-initdb: unknown option %s\n%s", qPrintable(option), kUsage);
    return 2;
}
