// File exchange on a full goods table of 4000 named rows, on either engine.
#include "BenchDatabase.h"

#include "common/AppPaths.h"
#include "fileio/ColumnMapping.h"
#include "fileio/CsvImport.h"
#include "fileio/DbfExchange.h"
#include "fileio/DbfTemplate.h"
#include "fileio/GoodsSheetFile.h"
#include "fileio/GoodsTextFile.h"
#include "fileio/GoodsXlsxFile.h"
#include "fileio/ImportPlan.h"
#include "fileio/TabularFile.h"
#include "session/Operations.h"
#include "session/TabularImport.h"
#include "store/Schema.h"
#include "store/Store.h"

#include <QByteArray>
#include <QFile>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

namespace {

using namespace tevo;

// A database of either engine whose goods table holds 4000 named, priced rows.
class FullGoods {
public:
    FullGoods(DatabaseEngine engine, benchmark::State &state) : m_db(engine, state)
    {
        if (!m_db.ready())
            return;
        m_store = std::make_unique<Store>();
        m_store->openTables(m_db.location());
        Database &db = m_store->database();
        db.exec(
            QStringLiteral("UPDATE T SET TNAME1 = 'Товар номер ' || NPLU, TNAME2 = 'Производитель ' || (NPLU % 97), "
                           "PRICE = 100 + NPLU * 7, UBDATE = CAST(NPLU % 30 AS TEXT), TARA = (NPLU % 50) * 2, "
                           "CODE = 100000 + NPLU, GROUPCODE = NPLU % 12, MESSAGE = NPLU % 1000"));
        db.commitNow();
        m_store->goods().refresh();
    }
    bool ready() const { return m_db.ready(); }
    Table &goods() { return m_store->goods(); }
    Store &store() { return *m_store; }
    QString file(const QString &name) const { return m_db.file(name); }

private:
    bench::BenchDatabase m_db;
    std::unique_ptr<Store> m_store; // closed before the database goes
};

void BM_ExportTxt4000(benchmark::State &state)
{
    FullGoods g(DatabaseEngine::Sqlite, state); // reads the table in memory only
    if (!g.ready())
        return;
    const QString path = g.file(QStringLiteral("goods.txt"));
    for (auto _ : state)
        exportGoodsText(g.goods(), path);
}
BENCHMARK(BM_ExportTxt4000)->Unit(benchmark::kMillisecond);

void BM_ImportTxt4000(benchmark::State &state, DatabaseEngine engine)
{
    FullGoods g(engine, state);
    if (!g.ready())
        return;
    const QString path = g.file(QStringLiteral("goods.txt"));
    exportGoodsText(g.goods(), path);
    for (auto _ : state)
        benchmark::DoNotOptimize(importGoodsText(g.goods(), path));
}
TEVO_BENCH_BOTH_ENGINES(BM_ImportTxt4000);

void BM_ExportDbf4000(benchmark::State &state)
{
    FullGoods g(DatabaseEngine::Sqlite, state); // reads the table in memory only
    if (!g.ready())
        return;
    const QString templatePath = g.file(QLatin1String(kDbfTemplateFileName));
    writeDbfTemplate(templatePath, nullptr);
    const QString path = g.file(QStringLiteral("goods.dbf"));
    for (auto _ : state)
        exportGoodsDbf(g.goods(), path, templatePath);
}
BENCHMARK(BM_ExportDbf4000)->Unit(benchmark::kMillisecond);

void BM_ImportDbf4000(benchmark::State &state, DatabaseEngine engine)
{
    FullGoods g(engine, state);
    if (!g.ready())
        return;
    const QString templatePath = g.file(QLatin1String(kDbfTemplateFileName));
    writeDbfTemplate(templatePath, nullptr);
    const QString path = g.file(QStringLiteral("goods.dbf"));
    exportGoodsDbf(g.goods(), path, templatePath);
    for (auto _ : state)
        importGoodsDbf(g.goods(), path);
}
TEVO_BENCH_BOTH_ENGINES(BM_ImportDbf4000);

void BM_ExportXls4000(benchmark::State &state)
{
    FullGoods g(DatabaseEngine::Sqlite, state); // reads the table in memory only
    if (!g.ready())
        return;
    const QString path = g.file(QStringLiteral("goods.xls"));
    for (auto _ : state)
        exportGoodsXls(g.goods(), path);
}
BENCHMARK(BM_ExportXls4000)->Unit(benchmark::kMillisecond);

void BM_ImportGoodsCsv4000(benchmark::State &state, DatabaseEngine engine)
{
    FullGoods g(engine, state);
    if (!g.ready())
        return;
    QByteArray csv;
    for (int n = 1; n <= kGoodsRowCount; ++n)
        csv += QStringLiteral("%1;Молоко %1;пастеризованное;%2;5;0;%3;7;\r\n").arg(n).arg(1000 + n).arg(n).toUtf8();
    const QString path = g.file(QStringLiteral("goods.csv"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(csv) != csv.size()) {
        state.SkipWithError("cannot write the input file");
        return;
    }
    f.close();
    for (auto _ : state)
        importGoodsCsv(g.goods(), path);
}
TEVO_BENCH_BOTH_ENGINES(BM_ImportGoodsCsv4000);

// The tabular import as the window and tevo-cli run it, from the file to the commit: read,
// map by the header, plan (the preview and the bad lines), apply under the guard, commit. Two
// files that differ in every price take turns, so every pass changes all 4000 goods.
void importTabular(Store &store, const QString &path)
{
    const TabularImport import(ImportTarget::Goods, path);
    const ImportPlan plan = import.plan(store.goods());
    if (!plan.ready())
        throw std::runtime_error(plan.problems().value(0).toStdString());
    const Outcome outcome = applyImport(store, plan);
    if (!outcome.done())
        throw std::runtime_error(outcome.text.toStdString());
    store.database().commitNow();
}

void BM_ImportXlsx4000(benchmark::State &state, DatabaseEngine engine)
{
    FullGoods g(engine, state);
    if (!g.ready())
        return;
    const QString paths[2] = {g.file(QStringLiteral("a.xlsx")), g.file(QStringLiteral("b.xlsx"))};
    exportGoodsXlsx(g.goods(), paths[0]);
    for (int r = 0; r < g.goods().count(); ++r)
        g.goods().setValue(r, QStringLiteral("PRICE"), g.goods().value(r, QStringLiteral("PRICE")).toLongLong() + 1);
    exportGoodsXlsx(g.goods(), paths[1]);
    int turn = 0;
    for (auto _ : state)
        importTabular(g.store(), paths[turn++ % 2]);
}
TEVO_BENCH_BOTH_ENGINES(BM_ImportXlsx4000);

void BM_ImportHeaderCsv4000(benchmark::State &state, DatabaseEngine engine)
{
    FullGoods g(engine, state);
    if (!g.ready())
        return;
    const QString paths[2] = {g.file(QStringLiteral("a.csv")), g.file(QStringLiteral("b.csv"))};
    for (int k = 0; k < 2; ++k) {
        QByteArray csv = QStringLiteral("Код;Наименование;Цена, грн;Срок годности\r\n").toUtf8();
        for (int n = 1; n <= kGoodsRowCount; ++n)
            csv += QStringLiteral("%1;\"Молоко \"\"Ферма\"\" %1\";%2,%3;5\r\n")
                       .arg(n)
                       .arg(1000 + n)
                       .arg(k * 10 + n % 50, 2, 10, QLatin1Char('0'))
                       .toUtf8();
        QFile f(paths[k]);
        if (!f.open(QIODevice::WriteOnly) || f.write(csv) != csv.size()) {
            state.SkipWithError("cannot write the input file");
            return;
        }
    }
    int turn = 0;
    for (auto _ : state)
        importTabular(g.store(), paths[turn++ % 2]);
}
TEVO_BENCH_BOTH_ENGINES(BM_ImportHeaderCsv4000);

void BM_ExportXlsx4000(benchmark::State &state)
{
    FullGoods g(DatabaseEngine::Sqlite, state); // reads the table in memory only
    if (!g.ready())
        return;
    const QString path = g.file(QStringLiteral("goods.xlsx"));
    for (auto _ : state)
        exportGoodsXlsx(g.goods(), path);
}
BENCHMARK(BM_ExportXlsx4000)->Unit(benchmark::kMillisecond);

} // namespace
