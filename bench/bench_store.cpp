// The table rebuilds and opening the three tables, on a fresh database of each engine.
#include "BenchDatabase.h"

#include "store/Schema.h"
#include "store/Store.h"

#include <benchmark/benchmark.h>

namespace {

using tevo::DatabaseEngine;
using tevo::bench::BenchDatabase;

void BM_RebuildGoods(benchmark::State &state, DatabaseEngine engine)
{
    BenchDatabase db(engine, state);
    if (!db.ready())
        return;
    tevo::Store store;
    store.openTables(db.location());
    for (auto _ : state) {
        store.createEmptyGoods();
        store.database().commitNow();
    }
    state.counters["rows"] = store.goods().count();
}
TEVO_BENCH_BOTH_ENGINES(BM_RebuildGoods);

void BM_RebuildMessages(benchmark::State &state, DatabaseEngine engine)
{
    BenchDatabase db(engine, state);
    if (!db.ready())
        return;
    tevo::Store store;
    store.openTables(db.location());
    for (auto _ : state) {
        store.createEmptyMessages();
        store.database().commitNow();
    }
    state.counters["rows"] = store.messages().count();
}
TEVO_BENCH_BOTH_ENGINES(BM_RebuildMessages);

// One price typed into the goods grid and committed, as the window's idle rule does: on a far
// server every round trip of it counts.
void BM_CellEdit(benchmark::State &state, DatabaseEngine engine)
{
    BenchDatabase db(engine, state);
    if (!db.ready())
        return;
    tevo::Store store;
    store.openTables(db.location());
    store.createEmptyGoods();
    store.database().commitNow();
    int price = 100;
    for (auto _ : state) {
        store.goods().setValue(price % 4000, QStringLiteral("PRICE"), price);
        store.database().commitNow();
        ++price;
    }
}
TEVO_BENCH_BOTH_ENGINES(BM_CellEdit);

// T and M filled as after the rebuilds, S with ten scales.
void BM_OpenTables(benchmark::State &state, DatabaseEngine engine)
{
    BenchDatabase db(engine, state);
    if (!db.ready())
        return;
    {
        tevo::Store store;
        store.openTables(db.location());
        for (int i = 0; i < tevo::kMaxScales; ++i)
            store.scales().appendRow({{QStringLiteral("U"), QStringLiteral("F")},
                                      {QStringLiteral("W"), QStringLiteral("F")},
                                      {QStringLiteral("NAME"), QStringLiteral("scale")},
                                      {QStringLiteral("IP"), QStringLiteral("COM1")},
                                      {QStringLiteral("PORT"), 9600}});
        store.database().commitNow();
    }
    for (auto _ : state) {
        tevo::Store store;
        store.openTables(db.location());
        benchmark::DoNotOptimize(store.goods().count());
    }
}
TEVO_BENCH_BOTH_ENGINES(BM_OpenTables);

} // namespace
