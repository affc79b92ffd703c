#include "common/NewFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

namespace tevo {

QString temporaryNameBeside(const QString &path)
{
    return QStringLiteral("%1.new-%2-%3")
        .arg(path)
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

bool publishUnlessExists(const QString &temporaryPath, const QString &path)
{
    // QFile::rename never replaces an existing file (on Linux it renames with RENAME_NOREPLACE
    // or links, both of which fail when the name is taken).
    const bool moved = QFile::rename(temporaryPath, path);
    if (!moved)
        QFile::remove(temporaryPath);
    return moved;
}

} // namespace tevo
