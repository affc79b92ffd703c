// The change journal: an import of 4000 changed prices with and without the journal, and the
// answers read from a journal of 1,000,000 entries (about three years of a 4000-goods shop
// whose prices change every day: some 900 entries a day): one goods' history, the lowest price
// of the 30 days before a date for all 4000 goods (today, and a year and a half ago), and the
// journal's size on disk. On either engine.
#include "BenchDatabase.h"

#include "fileio/GoodsTextFile.h"
#include "session/History.h"
#include "store/Store.h"

#include <QFile>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace tevo;

constexpr int kEntries = 1000000;
constexpr qint64 kThreeYearsMs = 3LL * 365 * ChangeJournal::kDayMs;

// Two goods text files of 4000 goods whose prices differ in every row.
void writeGoodsFile(const QString &path, int priceOffset)
{
    QByteArray text;
    for (int n = 1; n <= 4000; ++n)
        text += QStringLiteral("[%1]\r\nNPLU=%1\r\nTNAME1=Товар номер %1\r\nPRICE=%2\r\n")
                    .arg(n)
                    .arg(100 + n * 7 + priceOffset)
                    .toLocal8Bit();
    text += "[Main]\r\nRecordCount=4000\r\n";
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
}

void BM_ImportTxt4000Changed(benchmark::State &state, DatabaseEngine engine, bool journal)
{
    bench::BenchDatabase db(engine, state);
    if (!db.ready())
        return;
    Store store;
    store.openTables(db.location());
    if (!journal) {
        store.goods().setJournal(nullptr);
        store.messages().setJournal(nullptr);
    }
    const QString a = db.file(QStringLiteral("a.txt"));
    const QString b = db.file(QStringLiteral("b.txt"));
    writeGoodsFile(a, 0);
    writeGoodsFile(b, 1);
    importGoodsText(store.goods(), a);
    store.database().commitNow();
    bool second = true;
    for (auto _ : state) {
        importGoodsText(store.goods(), second ? b : a); // every price changes
        second = !second;
        store.database().commitNow(); // the journal's entries go with the commit
    }
    store.database().commitNow();
    state.counters["entries"] = double(store.journal().count());
}
void BM_ImportTxt4000WithoutJournal(benchmark::State &state, DatabaseEngine engine)
{
    BM_ImportTxt4000Changed(state, engine, false);
}
void BM_ImportTxt4000WithJournal(benchmark::State &state, DatabaseEngine engine)
{
    BM_ImportTxt4000Changed(state, engine, true);
}
TEVO_BENCH_BOTH_ENGINES(BM_ImportTxt4000WithoutJournal);
TEVO_BENCH_BOTH_ENGINES(BM_ImportTxt4000WithJournal);

// A database whose journal holds a million entries over the three years before now, one
// fixture at a time (made once per engine: the fill takes a while).
struct BigJournal {
    std::unique_ptr<bench::BenchDatabase> db;
    std::unique_ptr<Store> store;
    DatabaseEngine engine = DatabaseEngine::Sqlite;
    double mebibytes = 0;
};

BigJournal *bigJournal(DatabaseEngine engine, benchmark::State &state)
{
    static std::unique_ptr<BigJournal> made;
    if (made && made->engine == engine)
        return made.get();
    made.reset();
    auto j = std::make_unique<BigJournal>();
    j->engine = engine;
    j->db = std::make_unique<bench::BenchDatabase>(engine, state);
    if (!j->db->ready())
        return nullptr;
    j->store = std::make_unique<Store>();
    j->store->openTables(j->db->location());
    Database &d = j->store->database();
    d.exec(QStringLiteral("UPDATE T SET TNAME1 = 'Товар номер ' || NPLU, PRICE = 100 + NPLU * 7"));
    const qint64 start = QDateTime::currentMSecsSinceEpoch() - kThreeYearsMs;
    // Seven of ten entries a price, the rest a name; each goods' price walks up and down.
    d.exec(
        QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %1) "
                       "INSERT INTO JOURNAL (AT, TBL, NUM, FIELD, OLDV, NEWV, SRC) SELECT %2 + CAST(x AS BIGINT) * %3, "
                       "'T', 1 + x % 4000, CASE WHEN x % 10 < 7 THEN 'PRICE' ELSE "
                       "'TNAME1' END, CAST(100 + x % 997 AS TEXT), CAST(100 + (x + 4000) % 997 AS TEXT), 1 + x / 4000 "
                       "FROM n")
            .arg(kEntries)
            .arg(start)
            .arg(kThreeYearsMs / kEntries));
    d.exec(QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %1) "
                          "INSERT INTO JOURNALSRC (AT, SOURCE, DETAIL, PROGRAM, USERNAME, COMPUTER) SELECT %2 + "
                          "CAST(x AS BIGINT) * %3, 2, '/srv/shop/price.txt', 'tevo', 'kassa', 'shop-pc' FROM n")
               .arg(kEntries / 4000 + 1)
               .arg(start)
               .arg(kThreeYearsMs / kEntries * 4000));
    d.exec(QStringLiteral("UPDATE JOURNALINFO SET VAL = %1 WHERE NAME = 'SINCE'").arg(start));
    d.exec(engine == DatabaseEngine::Sqlite ? QStringLiteral("ANALYZE") : QStringLiteral("ANALYZE JOURNAL"));
    d.commitNow();
    // The journal with its indexes (on SQLite the whole file, whose other tables are small).
    QSqlQuery size = engine == DatabaseEngine::Sqlite
                         ? d.exec(QStringLiteral("SELECT page_count * page_size FROM pragma_page_count(), "
                                                 "pragma_page_size()"))
                         : d.exec(QStringLiteral("SELECT pg_total_relation_size('journal')"));
    if (size.next())
        j->mebibytes = size.value(0).toDouble() / (1024.0 * 1024.0);
    j->store->goods().refresh();
    made = std::move(j);
    return made.get();
}

void BM_HistoryOfOneGoods(benchmark::State &state, DatabaseEngine engine)
{
    BigJournal *j = bigJournal(engine, state);
    if (!j)
        return;
    qint64 number = 1;
    int entries = 0;
    for (auto _ : state) {
        const RecordHistory h = recordHistory(*j->store, true, number);
        entries = int(h.changes.size());
        number = number % 4000 + 1;
    }
    state.counters["entries"] = entries;
    state.counters["journal_MiB"] = j->mebibytes;
}
TEVO_BENCH_BOTH_ENGINES(BM_HistoryOfOneGoods);

void BM_Lowest30Days4000(benchmark::State &state, DatabaseEngine engine)
{
    BigJournal *j = bigJournal(engine, state);
    if (!j)
        return;
    // Today, or a year and a half ago (every entry since then is after the date).
    const qint64 at = QDateTime::currentMSecsSinceEpoch() - state.range(0) * ChangeJournal::kDayMs;
    int goods = 0;
    for (auto _ : state)
        goods = int(lowestPrices(*j->store, at, 30).size());
    state.counters["goods"] = goods;
}
BENCHMARK_CAPTURE(BM_Lowest30Days4000, sqlite, DatabaseEngine::Sqlite)->Arg(0)->Arg(548)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Lowest30Days4000, server, DatabaseEngine::Postgres)->Arg(0)->Arg(548)->Unit(benchmark::kMillisecond);

} // namespace
