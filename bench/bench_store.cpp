// The table rebuilds and opening the three tables, on a database made in a temporary folder.
#include "store/DatabaseFile.h"
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
        tevo::makeDatabaseFile(path());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-setup"));
        {
            db.setDatabaseName(path());
            db.open();
            QSqlQuery q(db);
            for (int i = 0; i < tevo::kMaxScales; ++i)
                q.exec(QStringLiteral("INSERT INTO S (U, W, NAME, IP, PORT) VALUES ('F', 'F', 'scale', 'COM1', 9600)"));
            db.close();
        }
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("bench-setup"));
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
