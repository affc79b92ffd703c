#pragma once
// The database a benchmark works on, for either engine: a fresh file in a temporary folder, or
// a fresh database on the PostgreSQL cluster named by TEVO_TEST_PG (scripts/pg-test-cluster.sh),
// both with the tables as tevo-initdb makes them. Benchmarks are registered once per engine
// (BM_X/sqlite, BM_X/server); without a cluster the server ones stop with a message.
#include "store/DatabaseLocation.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace tevo::bench {

class BenchDatabase {
public:
    BenchDatabase(DatabaseEngine engine, benchmark::State &state);
    ~BenchDatabase();
    BenchDatabase(const BenchDatabase &) = delete;
    BenchDatabase &operator=(const BenchDatabase &) = delete;

    // False (and the benchmark marked skipped) when the engine cannot be had.
    bool ready() const { return m_ready; }
    const DatabaseLocation &location() const { return m_location; }
    QString file(const QString &name) const { return m_dir.filePath(name); } // a scratch file

private:
    QTemporaryDir m_dir;
    DatabaseLocation m_location;
    QString m_serverName;
    bool m_ready = false;
};

} // namespace tevo::bench

// Registers BM once per engine.
#define TEVO_BENCH_BOTH_ENGINES(BM)                                                                                    \
    BENCHMARK_CAPTURE(BM, sqlite, ::tevo::DatabaseEngine::Sqlite)->Unit(benchmark::kMillisecond);                      \
    BENCHMARK_CAPTURE(BM, server, ::tevo::DatabaseEngine::Postgres)->Unit(benchmark::kMillisecond)
