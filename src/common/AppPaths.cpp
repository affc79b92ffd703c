#include "common/AppPaths.h"

#include <QCoreApplication>

namespace tevo {
namespace {
QString &overrideDir()
{
    static QString dir;
    return dir;
}
} // namespace

QString programDir()
{
    if (!overrideDir().isEmpty())
        return overrideDir();
    return QCoreApplication::applicationDirPath();
}

void setProgramDir(const QString &dir) { overrideDir() = dir; }

QString besideProgram(const QString &fileName) { return programDir() + QLatin1Char('/') + fileName; }

} // namespace tevo
