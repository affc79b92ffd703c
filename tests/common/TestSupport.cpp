#include "TestSupport.h"

#include "common/AppPaths.h"
#include "common/Error.h"
#include "store/DatabaseFile.h"
#include "store/SqlDialect.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <unistd.h>

namespace tevo::test {

// --- the engine -------------------------------------------------------------------------

bool onServer() { return qgetenv("TEVO_TEST_ENGINE") == "postgresql"; }
QString testCluster() { return QString::fromLocal8Bit(qgetenv("TEVO_TEST_PG")); }
bool serverRequired() { return qgetenv("TEVO_TEST_REQUIRE_SERVER") == "1"; }

namespace {

// The connection string of database `name` on the test cluster.
QString onCluster(const QString &name)
{
    ServerConnection c = ServerConnection::parse(testCluster());
    c.dbname = name;
    return c.text();
}

// Runs statements on a fresh connection; the driver's text of the first that fails, or empty.
QString runOn(const DatabaseLocation &where, const QStringList &statements)
{
    try {
        withOwnConnection(where, [&](QSqlDatabase &db, const SqlDialect &dialect) {
            QSqlQuery q(db);
            for (const QString &sql : statements)
                if (!q.exec(sql))
                    throw DatabaseError(sql + QStringLiteral(": ") + dialect.errorText(q.lastError()));
        });
    } catch (const Error &e) {
        return e.text();
    }
    return {};
}

// The database each test's database is copied from: the one TEVO_TEST_PG_TEMPLATE names
// (made once for a CTest run by tests/common/server-template.sh), or else one made once per
// test program, with the tables made by tevo-initdb's code, dropped when its tests are done.
class TemplateDatabase {
public:
    static QString name()
    {
        const QString shared = qEnvironmentVariable("TEVO_TEST_PG_TEMPLATE");
        if (!shared.isEmpty())
            return shared;
        static TemplateDatabase t;
        return t.m_name;
    }
    static void dropIfMade()
    {
        if (made())
            runOn(DatabaseLocation::server(testCluster()),
                  {QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name())});
    }

private:
    TemplateDatabase() : m_name(QStringLiteral("tevo_template_%1").arg(QCoreApplication::applicationPid()))
    {
        const QString failure =
            runOn(DatabaseLocation::server(testCluster()),
                  {QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name),
                   QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(m_name)});
        if (!failure.isEmpty())
            throw std::runtime_error(failure.toStdString());
        makeServerTables(onCluster(m_name), false);
        made() = true;
    }
    static bool &made()
    {
        static bool m = false;
        return m;
    }
    QString m_name;
};

class ServerEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!onServer() || !testCluster().isEmpty())
            return;
        if (serverRequired()) {
            // Ended here, before any case can report itself skipped: CTest would count the run
            // as skipped, not failed.
            std::fprintf(stderr, "TEVO_TEST_ENGINE=postgresql needs TEVO_TEST_PG, the connection string of a "
                                 "test cluster\n");
            std::exit(1);
        } else
            GTEST_SKIP() << "no PostgreSQL test cluster: set TEVO_TEST_PG (scripts/pg-test-cluster.sh starts one)";
    }
    void TearDown() override { TemplateDatabase::dropIfMade(); }
};

const bool g_environment = (::testing::AddGlobalTestEnvironment(new ServerEnvironment), true);

} // namespace

ServerDatabase::ServerDatabase(bool withTables)
{
    static std::atomic<int> counter{0};
    m_name = QStringLiteral("tevo_test_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    const QString create = withTables
                               ? QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(m_name, TemplateDatabase::name())
                               : QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(m_name);
    const QString failure = runOn(DatabaseLocation::server(testCluster()), {create});
    if (!failure.isEmpty())
        throw std::runtime_error(failure.toStdString());
}

ServerDatabase::~ServerDatabase()
{
    runOn(DatabaseLocation::server(testCluster()),
          {QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name)});
}

QString ServerDatabase::connectionString() const { return onCluster(m_name); }

OwnCluster::OwnCluster()
{
    QByteArray out;
    if (!script({QStringLiteral("start")}, &out))
        throw std::runtime_error("the test's own PostgreSQL cluster did not start");
    // The lines "export NAME=VALUE" of the script, the value quoted by printf %q (blanks
    // behind a backslash).
    for (const QByteArray &line : out.split('\n')) {
        const QString l = QString::fromLocal8Bit(line);
        QString value = l.section(QLatin1Char('='), 1);
        value.replace(QRegularExpression(QStringLiteral("\\\\(.)")), QStringLiteral("\\1"));
        if (l.startsWith(QLatin1String("export TEVO_TEST_PG_DIR=")))
            m_dir = value;
        else if (l.startsWith(QLatin1String("export TEVO_TEST_PG=")))
            m_connection = value;
    }
    const QString failure = runOn(DatabaseLocation::server(m_connection),
                                  {QStringLiteral("CREATE DATABASE tevo TEMPLATE template0 ENCODING 'UTF8'")});
    if (!failure.isEmpty())
        throw std::runtime_error(failure.toStdString());
    makeServerTables(database().connectionString(), false);
}

OwnCluster::~OwnCluster()
{
    if (!m_dir.isEmpty())
        script({QStringLiteral("stop"), m_dir});
}

DatabaseLocation OwnCluster::database() const
{
    ServerConnection c = ServerConnection::parse(m_connection);
    c.dbname = QStringLiteral("tevo");
    return DatabaseLocation::server(c.text());
}

bool OwnCluster::halt() { return script({QStringLiteral("halt"), m_dir}); }
bool OwnCluster::resume() { return script({QStringLiteral("resume"), m_dir}); }

bool OwnCluster::script(const QStringList &args, QByteArray *out)
{
    QProcess p;
    p.start(QStringLiteral("bash"), QStringList{sourceDir() + QStringLiteral("/scripts/pg-test-cluster.sh")} + args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return false;
    if (out)
        *out = p.readAllStandardOutput();
    return true;
}

void execOn(const DatabaseLocation &where, const QStringList &statements)
{
    const QString failure = runOn(where, statements);
    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
}

QSqlDatabase openOther(const DatabaseLocation &where, const QString &connectionName)
{
    const SqlDialect &dialect = SqlDialect::of(where.engine());
    QSqlDatabase db = QSqlDatabase::addDatabase(dialect.driverName(), connectionName);
    dialect.configure(db, where);
    if (!where.isServer())
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
    EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
    return db;
}

void refuseRows(const DatabaseLocation &where, const QString &table, const QString &condition)
{
    if (where.isServer()) {
        execOn(where, {QStringLiteral("CREATE OR REPLACE FUNCTION tevo_refuse() RETURNS trigger LANGUAGE plpgsql AS "
                                      "$$BEGIN RAISE EXCEPTION 'refused by test'; END$$"),
                       QStringLiteral("CREATE TRIGGER refuse_rows BEFORE INSERT OR UPDATE ON %1 FOR EACH ROW "
                                      "WHEN (%2) EXECUTE FUNCTION tevo_refuse()")
                           .arg(table, condition)});
        return;
    }
    QStringList statements;
    for (const char *event : {"INSERT", "UPDATE"})
        statements << QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %1 ON %2 WHEN %3 "
                                     "BEGIN SELECT RAISE(ABORT, 'refused by test'); END")
                          .arg(QLatin1String(event), table, condition);
    execOn(where, statements);
}

// --- the scratch folder -----------------------------------------------------------------

ScratchDir::ScratchDir()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    makeDatabase(databasePath());
}

ScratchDir::~ScratchDir() = default;

QString ScratchDir::databasePath() const { return m_dir.filePath(QLatin1String(kDatabaseFileName)); }

DatabaseLocation ScratchDir::database()
{
    if (!onServer())
        return DatabaseLocation::file(databasePath());
    if (!m_server)
        m_server = std::make_unique<ServerDatabase>();
    return DatabaseLocation::server(m_server->connectionString());
}

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
    return env.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../bin")
                         : QString::fromLocal8Bit(env);
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

QuietPort::QuietPort(const QString &folder, const QString &portName)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    m_device = QString::fromLocal8Bit(::ptsname(m_master));
    // What the program sends is read and dropped, so that no write ever waits.
    auto *drain = new QSocketNotifier(m_master, QSocketNotifier::Read);
    QObject::connect(drain, &QSocketNotifier::activated, drain, [fd = m_master] {
        char buffer[4096];
        while (::read(fd, buffer, sizeof buffer) > 0) {
        }
    });
    m_drain.reset(drain);
    QFile ports(folder + QLatin1Char('/') + QLatin1String(kSerialPortsFileName));
    const bool exists = ports.exists();
    if (!ports.open(QIODevice::Append))
        throw std::runtime_error("cannot write the ports file");
    ports.write((exists ? QString() : QStringLiteral("[Ports]\r\n")).toLatin1()
                + QStringLiteral("%1=%2\r\n").arg(portName, m_device).toLocal8Bit());
}

QuietPort::~QuietPort()
{
    m_drain.reset();
    if (m_master >= 0)
        ::close(m_master);
}

} // namespace tevo::test
