#include "TestSupport.h"

#include "common/AppPaths.h"
#include "store/DatabaseFile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <atomic>
#include <stdexcept>

namespace tevo::test {

ScratchDir::ScratchDir()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    makeDatabase(databasePath());
}

QString ScratchDir::databasePath() const { return m_dir.filePath(QLatin1String(kDatabaseFileName)); }

void ScratchDir::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write test file");
    f.write(bytes);
}

QByteArray ScratchDir::readFile(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void makeDatabase(const QString &path) { makeDatabaseFile(path); }

bool waitFor(const std::function<bool()> &cond, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!cond()) {
        if (deadline.hasExpired())
            return cond();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

void processEventsFor(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

QString binDir()
{
    const QByteArray env = qgetenv("TEVO_BIN_DIR");
    return env.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../bin") : QString::fromLocal8Bit(env);
}

QString sourceDir() { return QString::fromLocal8Bit(qgetenv("TEVO_SOURCE_DIR")); }

SqliteReader::SqliteReader() : m_process(std::make_unique<QProcess>()) {}

SqliteReader::~SqliteReader() { release(); }

bool SqliteReader::hold(const QString &databasePath)
{
    static const char *script = "import sqlite3, sys\n"
                                "c = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                                "c.execute('BEGIN')\n"
                                "c.execute('SELECT count(*) FROM T').fetchone()\n"
                                "print('holding', flush=True)\n"
                                "sys.stdin.readline()\n"
                                "c.execute('COMMIT')\n";
    m_process->start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromLatin1(script), databasePath});
    if (!m_process->waitForStarted(10000))
        return false;
    QByteArray out;
    QDeadlineTimer deadline(10000);
    while (!out.contains("holding") && !deadline.hasExpired() && m_process->state() == QProcess::Running) {
        m_process->waitForReadyRead(100);
        out += m_process->readAllStandardOutput();
    }
    return out.contains("holding");
}

void SqliteReader::release()
{
    if (m_process->state() == QProcess::NotRunning)
        return;
    m_process->write("\n");
    m_process->closeWriteChannel();
    if (!m_process->waitForFinished(10000))
        m_process->kill();
    m_process->waitForFinished(1000);
}

} // namespace tevo::test
