// The database on a PostgreSQL server: tevo-initdb --server on an empty database and on one
// that has the tables, reaching the server with a password or ~/.pgpass, and a server that
// cannot be reached. These run in the server run of the store tests.
#include "TestSupport.h"

#include "common/Error.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tevo;
using namespace tevo::test;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out, err;
};

ToolRun initdb(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(binDir() + QStringLiteral("/tevo-initdb"), args);
    ToolRun r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// The first goods name and the row counts of T, M and S, as the program reads them.
QString contents(const QString &connection)
{
    Store store;
    store.openTables(DatabaseLocation::server(connection));
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(store.goods().count())
        .arg(store.goods().text(3999, QStringLiteral("NPLU")))
        .arg(store.messages().count())
        .arg(store.scales().count())
        .arg(store.goods().text(0, QStringLiteral("TNAME1")));
}

TEST(ServerSetUp, InitdbMakesTheTablesOnceAndReplacesThemOnlyWhenForced)
{
    // No password on the command line: refused before any connection, the value not repeated.
    for (const char *given : {"host=shop dbname=tevo user=kassa password=s3cr3t", "host=shop sslpassword=s3cr3t"}) {
        const ToolRun refused = initdb({QStringLiteral("--server"), QString::fromUtf8(given)});
        EXPECT_EQ(refused.exitCode, 2) << given;
        EXPECT_TRUE(refused.err.contains(QStringLiteral("~/.pgpass"))) << refused.err.toStdString();
        EXPECT_FALSE(refused.err.contains(QStringLiteral("s3cr3t"))) << refused.err.toStdString();
    }
    TEVO_SERVER_ONLY();
    ServerDatabase empty(false);
    const QString c = empty.connectionString();
    ToolRun r = initdb({QStringLiteral("--server"), c});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(contents(c), QStringLiteral("4000|4000|1000|0|"));

    // Text is Unicode on the server, not only what Windows-1251 holds.
    const QString name = QStringLiteral("Ёжик ґанок € 😀");
    {
        Store store;
        store.openTables(DatabaseLocation::server(c));
        store.goods().setValue(0, QStringLiteral("TNAME1"), name);
        store.messages().setValue(0, QStringLiteral("M8"), name);
        store.scales().appendRow({{QStringLiteral("NAME"), name}, {QStringLiteral("PORT"), 5001}});
        store.database().commitNow();
    }
    const QString filled = QStringLiteral("4000|4000|1000|1|") + name;
    EXPECT_EQ(contents(c), filled);

    execOn(DatabaseLocation::server(c), {QStringLiteral("DROP TABLE M")});
    const struct {
        QStringList options;
        int exitCode;
        const char *says;
        QString after;
    } cases[] = {
        {{}, 0, "left as they are on the server: T, S", filled},    // makes M only
        {{}, 1, "left as they are on the server: T, M, S", filled}, // nothing to make
        {{QStringLiteral("--if-missing")}, 0, "", filled},
        {{QStringLiteral("--force")}, 0, "made T, M, S", QStringLiteral("4000|4000|1000|0|")},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.options.join(' ').toStdString());
        r = initdb(k.options + QStringList{QStringLiteral("--server"), c});
        EXPECT_EQ(r.exitCode, k.exitCode) << r.err.toStdString();
        EXPECT_TRUE((r.out + r.err).contains(QLatin1String(k.says))) << (r.out + r.err).toStdString();
        EXPECT_EQ(contents(c), k.after);
    }
}

TEST(ServerSetUp, TheServerIsReachedWithAPasswordOrThePgpassFile)
{
    TEVO_SERVER_ONLY();
    ServerDatabase db;
    // A password with a blank, a quote and a backslash, over TCP, where the server asks for it.
    const QString password = QStringLiteral("it's a \\secret");
    const QString role = QStringLiteral("tevo_kassa_%1").arg(QCoreApplication::applicationPid());
    const DatabaseLocation where = DatabaseLocation::server(db.connectionString());
    execOn(where, {QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'it''s a \\secret'").arg(role),
                   QStringLiteral("GRANT ALL ON T, M, S, SMARKS TO %1").arg(role)});
    struct DropRole {
        DatabaseLocation where;
        QString role;
        ~DropRole() { execOn(where, {QStringLiteral("DROP OWNED BY ") + role, QStringLiteral("DROP ROLE ") + role}); }
    } dropRole{where, role};
    const ServerConnection cluster = ServerConnection::parse(db.connectionString());
    ServerConnection tcp;
    tcp.host = QStringLiteral("127.0.0.1");
    tcp.port = cluster.port;
    tcp.dbname = cluster.dbname;
    tcp.user = role;

    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("PGPASSFILE", home.filePath(QStringLiteral("pgpass")).toLocal8Bit());
    struct Unset {
        ~Unset() { qunsetenv("PGPASSFILE"); }
    } unset;

    // Without a password (and no ~/.pgpass entry) the server refuses, with its own text.
    Store refused;
    try {
        refused.openTables(DatabaseLocation::server(tcp.text()));
        FAIL() << "opened without a password";
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("password"))) << e.text().toStdString();
    }

    ServerConnection withPassword = tcp;
    withPassword.password = password;
    {
        Store store;
        store.openTables(DatabaseLocation::server(withPassword.text()));
        EXPECT_EQ(store.goods().count(), 4000);
    }

    // The same without password=, the password in the pgpass file (its ':' and '\' escaped).
    QFile pgpass(home.filePath(QStringLiteral("pgpass")));
    ASSERT_TRUE(pgpass.open(QIODevice::WriteOnly));
    pgpass.write(QStringLiteral("127.0.0.1:%1:%2:%3:it's a \\\\secret\n").arg(tcp.port, tcp.dbname, role).toUtf8());
    pgpass.close();
    pgpass.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    {
        Store store;
        store.openTables(DatabaseLocation::server(tcp.text()));
        EXPECT_EQ(store.goods().count(), 4000);
    }
}

TEST(ServerSetUp, AServerThatCannotBeReachedIsAFailedOpenAndTheNextOpenWorks)
{
    TEVO_SERVER_ONLY();
    ServerDatabase db;
    Store store;
    // Port 1 of this machine: nothing listens there.
    try {
        store.openTables(DatabaseLocation::server(QStringLiteral("host=127.0.0.1 port=1 dbname=tevo user=tevo")));
        FAIL() << "opened a server that is not there";
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("Connection refused"))) << e.text().toStdString();
    }
    EXPECT_FALSE(store.tablesOpen());
    // A database without the tables.
    ServerDatabase bare(false);
    EXPECT_THROW(store.openTables(DatabaseLocation::server(bare.connectionString())), DatabaseError);
    // A database that keeps its text in LATIN1: refused at the open, with the reason.
    const QString latin = QStringLiteral("tevo_latin1_%1").arg(QCoreApplication::applicationPid());
    const DatabaseLocation cluster = DatabaseLocation::server(testCluster());
    execOn(cluster,
           {QStringLiteral("DROP DATABASE IF EXISTS ") + latin,
            QStringLiteral("CREATE DATABASE %1 ENCODING 'LATIN1' TEMPLATE template0 LC_COLLATE 'C' LC_CTYPE 'C'")
                .arg(latin)});
    try {
        store.openTables(DatabaseLocation::server(testCluster() + QStringLiteral(" dbname=") + latin));
        ADD_FAILURE() << "a LATIN1 database was opened";
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("LATIN1")) && e.text().contains(QStringLiteral("UTF8")))
            << e.text().toStdString();
    }
    execOn(cluster, {QStringLiteral("DROP DATABASE IF EXISTS ") + latin});
    store.openTables(DatabaseLocation::server(db.connectionString()));
    EXPECT_TRUE(store.tablesOpen());
    EXPECT_EQ(store.goods().count(), 4000);
}

} // namespace
