#include "BenchDatabase.h"

#include "common/AppPaths.h"
#include "common/Error.h"
#include "store/DatabaseFile.h"
#include "store/SqlDialect.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace tevo::bench {
namespace {

QString cluster() { return QString::fromLocal8Bit(qgetenv("TEVO_TEST_PG")); }

// Runs one statement on the cluster's own database; the failure's text, or empty.
QString onCluster(const QString &sql)
{
    try {
        withOwnConnection(DatabaseLocation::server(cluster()), [&](QSqlDatabase &db, const SqlDialect &dialect) {
            QSqlQuery q(db);
            if (!q.exec(sql))
                throw DatabaseError(dialect.errorText(q.lastError()));
        });
    } catch (const Error &e) {
        return e.text();
    }
    return {};
}

} // namespace

BenchDatabase::BenchDatabase(DatabaseEngine engine, benchmark::State &state)
{
    if (!m_dir.isValid()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    try {
        if (engine == DatabaseEngine::Sqlite) {
            m_location = DatabaseLocation::file(m_dir.filePath(QLatin1String(kDatabaseFileName)));
            makeDatabaseFile(m_location.path());
        } else {
            if (cluster().isEmpty()) {
                state.SkipWithError("no PostgreSQL cluster: set TEVO_TEST_PG (scripts/pg-test-cluster.sh starts one)");
                return;
            }
            static std::atomic<int> counter{0};
            m_serverName = QStringLiteral("tevo_bench_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
            const QString failure =
                onCluster(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(m_serverName));
            if (!failure.isEmpty())
                throw DatabaseError(failure);
            ServerConnection c = ServerConnection::parse(cluster());
            c.dbname = m_serverName;
            m_location = DatabaseLocation::server(c.text());
            makeServerTables(m_location.connectionString(), false);
        }
        m_ready = true;
    } catch (const Error &e) {
        state.SkipWithError(e.text().toUtf8().constData());
    }
}

BenchDatabase::~BenchDatabase()
{
    if (!m_serverName.isEmpty())
        onCluster(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_serverName));
}

} // namespace tevo::bench
