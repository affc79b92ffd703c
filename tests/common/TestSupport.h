#pragma once
// Helpers shared by the tests: a scratch folder with a fresh database, the database engine the
// tests run against, waiting on the event loop, paths of the built tools.
#include "store/DatabaseLocation.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QObject;
class QProcess;

namespace tevo::test {

// --- the engine -------------------------------------------------------------------------
// The store and file-exchange tests run once against SQLite and once against a PostgreSQL
// server: TEVO_TEST_ENGINE=postgresql picks the server, whose cluster TEVO_TEST_PG names (a
// libpq connection string of a user that may make databases; scripts/pg-test-cluster.sh
// starts one). Without TEVO_TEST_PG the server run skips every test, unless
// TEVO_TEST_REQUIRE_SERVER=1 (CI) makes that a failure.
bool onServer();
QString testCluster(); // TEVO_TEST_PG, empty when none
bool serverRequired();

// A fresh database on the test cluster, with the tables T, M and S as tevo-initdb makes them
// (or without them), dropped again at the end.
class ServerDatabase {
public:
    explicit ServerDatabase(bool withTables = true);
    ~ServerDatabase();
    ServerDatabase(const ServerDatabase &) = delete;
    ServerDatabase &operator=(const ServerDatabase &) = delete;
    const QString &name() const { return m_name; }
    QString connectionString() const;

private:
    QString m_name;
};

// A PostgreSQL cluster of the test's own (scripts/pg-test-cluster.sh), for the tests that stop
// and start the server: the shared cluster serves tests running at the same time. Its
// database "tevo" has the tables. Throws std::runtime_error when the cluster cannot start.
class OwnCluster {
public:
    OwnCluster();
    ~OwnCluster();
    OwnCluster(const OwnCluster &) = delete;
    OwnCluster &operator=(const OwnCluster &) = delete;
    DatabaseLocation database() const;
    // Stops the server (fast: its clients lose their connections) / starts it again.
    bool halt();
    bool resume();

private:
    bool script(const QStringList &args, QByteArray *out = nullptr);
    QString m_dir;
    QString m_connection;
};

// Runs statements on a connection of their own to `where` (test set-up); fails the test
// with the driver's text when one fails.
void execOn(const DatabaseLocation &where, const QStringList &statements);
// Opens a connection of its own to `where` under `connectionName`, as another program would.
QSqlDatabase openOther(const DatabaseLocation &where, const QString &connectionName);
// Makes every insert into or update of `table` fail ("refused by test") when `condition` holds
// for the new row, written as SQL over NEW (for example "NEW.NPLU = 3").
void refuseRows(const DatabaseLocation &where, const QString &table, const QString &condition);

// --- the scratch folder -----------------------------------------------------------------
// A temporary folder that stands in for "beside the program", holding a fresh database file
// made by the set-up tool's code. database() is the database the tests of the chosen engine
// work on: that file, or a fresh server database made when first asked for.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QString databasePath() const;
    DatabaseLocation database();
    void writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ServerDatabase> m_server;
};

// Skips a test that is about the server only when the tests run on SQLite.
#define TEVO_SERVER_ONLY()                                                                                             \
    do {                                                                                                               \
        if (!::tevo::test::onServer())                                                                                 \
            GTEST_SKIP() << "runs in the server run of the tests";                                                     \
    } while (0)

// Skips a test that is about the SQLite file itself when the tests run on the server.
#define TEVO_SQLITE_FILE_ONLY(why)                                                                                     \
    do {                                                                                                               \
        if (::tevo::test::onServer())                                                                                  \
            GTEST_SKIP() << "about the SQLite file only: " << why;                                                     \
    } while (0)

// Makes the database file with empty T (4000 rows), M (1000 rows) and S.
void makeDatabase(const QString &path);

// Runs the event loop until cond() holds or the time is up; returns cond().
bool waitFor(const std::function<bool()> &cond, int timeoutMs = 5000);
void processEventsFor(int ms);

QString binDir();    // the folder of tevo and its tools
QString sourceDir(); // the project's source folder

// Another process reading the database: python3's sqlite3 module holds a read transaction on
// the file (a shared lock, which keeps any commit from finishing) until release().
class SqliteReader {
public:
    SqliteReader();
    ~SqliteReader();
    SqliteReader(const SqliteReader &) = delete;
    SqliteReader &operator=(const SqliteReader &) = delete;

    // Starts the reader; true once it holds its read transaction.
    bool hold(const QString &databasePath);
    // Ends the read transaction and the process.
    void release();

private:
    std::unique_ptr<QProcess> m_process;
};

// A serial port that opens and where nobody answers, for a test that answers for its scale
// itself: a pseudo-terminal whose other end the test holds (and drains), mapped to `portName`
// ("COM1") in the ports file of `folder`, the folder beside the program.
class QuietPort {
public:
    QuietPort(const QString &folder, const QString &portName);
    ~QuietPort();
    QuietPort(const QuietPort &) = delete;
    QuietPort &operator=(const QuietPort &) = delete;
    const QString &device() const { return m_device; }

private:
    int m_master = -1;
    QString m_device;
    std::unique_ptr<QObject> m_drain;
};

} // namespace tevo::test
