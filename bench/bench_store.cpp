// The table rebuilds and opening the three tables, on a database made in a temporary folder.
#include "store/Schema.h"
#include "store/Store.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <stdexcept>

namespace {

// A fresh database file with the three tables, T and M filled as after the rebuilds.
class BenchDatabase {
public:
    BenchDatabase()
    {
        if (!m_dir.isValid())
            throw std::runtime_error("no temporary folder");
        const QString name = QStringLiteral("bench-setup");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path());
            if (!db.open())
                throw std::runtime_error("cannot make the database");
            db.transaction();
            QSqlQuery q(db);
            for (const QString &sql : tevo::createTableStatements())
                q.exec(sql);
            q.prepare(QStringLiteral("INSERT INTO T (NPLU) VALUES (?)"));
            for (int n = 1; n <= tevo::kGoodsRowCount; ++n) {
                q.bindValue(0, n);
                q.exec();
            }
            q.prepare(QStringLiteral("INSERT INTO M (NPLU) VALUES (?)"));
            for (int n = 1; n <= tevo::kMessagesRowCount; ++n) {
                q.bindValue(0, n);
                q.exec();
            }
            for (int i = 0; i < tevo::kMaxScales; ++i)
                q.exec(QStringLiteral("INSERT INTO S (U, W, NAME, IP, PORT) VALUES ('F', 'F', 'scale', 'COM1', 9600)"));
            db.commit();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    QString path() const { return m_dir.filePath(QStringLiteral("TevoDataBase.gdb")); }

private:
    QTemporaryDir m_dir;
};

void BM_RebuildGoods(benchmark::State &state)
{
    BenchDatabase db;
    tevo::Store store;
    store.openTables(db.path());
    for (auto _ : state) {
        store.createEmptyGoods();
        store.database().commitNow();
    }
    state.counters["rows"] = store.goods().count();
}
BENCHMARK(BM_RebuildGoods)->Unit(benchmark::kMillisecond);

void BM_RebuildMessages(benchmark::State &state)
{
    BenchDatabase db;
    tevo::Store store;
    store.openTables(db.path());
    for (auto _ : state) {
        store.createEmptyMessages();
        store.database().commitNow();
    }
    state.counters["rows"] = store.messages().count();
}
BENCHMARK(BM_RebuildMessages)->Unit(benchmark::kMillisecond);

void BM_OpenTables(benchmark::State &state)
{
    BenchDatabase db;
    for (auto _ : state) {
        tevo::Store store;
        store.openTables(db.path());
        benchmark::DoNotOptimize(store.goods().count());
    }
}
BENCHMARK(BM_OpenTables)->Unit(benchmark::kMillisecond);

} // namespace
