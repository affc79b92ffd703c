#include "shell/InstanceLock.h"

#include <QCoreApplication>
#include <QDir>

namespace tevo {

InstanceLock::InstanceLock(const QString &databasePath)
    : m_path(databasePath + QStringLiteral(".lock")), m_databasePath(databasePath), m_lock(m_path)
{
    // Only a lock whose process is gone counts as stale, however old it is.
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::claim()
{
    if (m_lock.tryLock(0))
        return true;
    return m_lock.error() != QLockFile::LockFailedError;
}

QString InstanceLock::refusalText() const
{
    qint64 pid = 0;
    QString host, application;
    const bool known = const_cast<QLockFile &>(m_lock).getLockInfo(&pid, &host, &application);
    return QCoreApplication::translate(
               "tevo::InstanceLock", "Программа уже работает с базой данных %1%2. Вторая копия программы закрывается: "
                                     "работайте в уже открытой (она может быть свёрнута в значок у часов).")
        .arg(QDir::toNativeSeparators(m_databasePath),
             known ? QCoreApplication::translate("tevo::InstanceLock", " (процесс %1)").arg(pid) : QString());
}

} // namespace tevo
