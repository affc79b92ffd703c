#include "store/CommandLineMark.h"

#include "store/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
// The texts of this unit, translated under the context "CommandLineMark".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(CommandLineMark)
};
} // namespace

namespace tevo {
namespace {

// The window holds its lock file while it runs (shell/InstanceLock): QLockFile writes the
// process number on its first line and holds an exclusive flock on it.
QString windowLockPath(const QString &databasePath) { return databasePath + QStringLiteral(".lock"); }

bool windowHolds(const QString &databasePath)
{
    QFile file(windowLockPath(databasePath));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.readLine().trimmed().toLongLong() == ::getpid())
        return false; // this process is the window
    // A shared lock is refused while the window holds its own; got, it is given back at once.
    if (::flock(file.handle(), LOCK_SH | LOCK_NB) == 0) {
        ::flock(file.handle(), LOCK_UN);
        return false;
    }
    return errno == EWOULDBLOCK;
}

// Whether another process holds a POSIX lock on the file that a write lock would meet.
bool lockedByOtherProcess(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    const bool held = ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

// Seconds as the busy text says them: "5", "0,1".
QString secondsText(int ms) { return QString::number(ms / 1000.0).replace(QLatin1Char('.'), QLatin1Char(',')); }

} // namespace

CommandLineMark::CommandLineMark(const QString &databasePath)
{
    if (databasePath.isEmpty())
        return;
    // Never removed: another command may hold its lock on it at this moment.
    m_fd = ::open(QFile::encodeName(markPath(databasePath)).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_fd < 0)
        return;
    struct flock lock {};
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    if (::fcntl(m_fd, F_SETLK, &lock) != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

CommandLineMark::~CommandLineMark()
{
    if (m_fd >= 0)
        ::close(m_fd); // the lock goes with it
}

QString databaseHolder(const DatabaseLocation &location)
{
    QStringList holders;
    if (!location.isServer() && !location.path().isEmpty()) {
        if (windowHolds(location.path()))
            holders << Tr::tr("окно Tevo");
        if (lockedByOtherProcess(CommandLineMark::markPath(location.path())))
            holders << Tr::tr("другая команда tevo-cli");
    }
    if (holders.isEmpty())
        return Tr::tr("другая программа");
    return holders.join(Tr::tr(" или "));
}

QString databaseBusyText(const QString &databaseText, const Database &database, bool capital)
{
    // Two whole sentences, not a letter put before the rest: a translation words them its own way.
    const QString text = capital ? Tr::tr("База данных занята другой программой (%1): Tevo ждал %2 с, пока %3 "
                                          "сохранит свои изменения. Повторите команду позже.")
                                 : Tr::tr("база данных занята другой программой (%1): Tevo ждал %2 с, пока %3 "
                                          "сохранит свои изменения. Повторите команду позже.");
    return text.arg(databaseText.simplified(), secondsText(database.lockWaitMs()), databaseHolder(database.location()));
}

} // namespace tevo
