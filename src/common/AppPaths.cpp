#include "common/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// Set by the build from its install prefix.
#ifndef TEVO_INSTALL_BINDIR
#define TEVO_INSTALL_BINDIR "/usr/bin"
#endif
#ifndef TEVO_SHARED_DIR_FROM_BIN
#define TEVO_SHARED_DIR_FROM_BIN "../share/tevo"
#endif

namespace tevo {
namespace {
QString &overrideDir()
{
    static QString dir;
    return dir;
}

QString canonicalOrClean(const QString &dir)
{
    const QString canonical = QFileInfo(dir).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(dir) : canonical;
}
} // namespace

QString programDir()
{
    if (!overrideDir().isEmpty())
        return overrideDir();
    return QCoreApplication::applicationDirPath();
}

void setProgramDir(const QString &dir) { overrideDir() = dir; }

DataPlace dataPlaceFor(const QString &programDir, const QString &installDir)
{
    if (canonicalOrClean(programDir) == canonicalOrClean(installDir))
        return DataPlace::UserDataFolder;
    // access(2): the user's rights, a read-only mount and an immutable folder all count.
    return QFileInfo(programDir).isWritable() ? DataPlace::BesideProgram : DataPlace::UserDataFolder;
}

DataPlace dataPlace() { return dataPlaceFor(programDir(), QStringLiteral(TEVO_INSTALL_BINDIR)); }

QString userDataDir()
{
    // The application data location of the program "Tevo" (no organisation), whatever name the
    // running tool has.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tevo");
}

QString dataDir() { return dataPlace() == DataPlace::BesideProgram ? programDir() : userDataDir(); }

QString besideProgram(const QString &fileName) { return dataDir() + QLatin1Char('/') + fileName; }

QString shippedFile(const QString &relativePath)
{
    const QString beside = programDir() + QLatin1Char('/') + relativePath;
    const QString installed =
        QDir::cleanPath(programDir() + QStringLiteral("/" TEVO_SHARED_DIR_FROM_BIN "/") + relativePath);
    if (QFileInfo::exists(beside))
        return beside;
    return installed;
}

} // namespace tevo
