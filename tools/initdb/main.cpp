// tevo-initdb: makes the database file with the empty tables T (4000 goods), M (1000
// messages) and S, and the empty dBase template the goods export starts from.
#include "fileio/DbfTemplate.h"
#include "common/Error.h"
#include "store/DatabaseFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace {

int makeDatabase(const QString &path)
{
    try {
        tevo::makeDatabaseFile(path);
    } catch (const tevo::Error &e) {
        std::fprintf(stderr, "tevo-initdb: %s\n", qPrintable(e.text()));
        return 1;
    }
    std::printf("tevo-initdb: made %s\n", qPrintable(path));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr,
                     "usage: tevo-initdb [--if-missing] DATABASE\n"
                     "       tevo-initdb --dbf-template-if-missing FILE\n");
        return 2;
    }
    const QString option = args.at(1);
    const QString path = args.at(2);
    if (option == QLatin1String("--if-missing") || option == QLatin1String("--force")) {
        if (QFileInfo::exists(path)) {
            if (option == QLatin1String("--if-missing"))
                return 0;
            QFile::remove(path);
        }
        return makeDatabase(path);
    }
    if (option == QLatin1String("--dbf-template-if-missing")) {
        if (QFileInfo::exists(path))
            return 0;
        QString error;
        if (!tevo::writeDbfTemplate(path, &error)) {
            std::fprintf(stderr, "tevo-initdb: %s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }
    std::fprintf(stderr, "tevo-initdb: unknown option %s\n", qPrintable(option));
    return 2;
}
