// The exchange engine against simulated scales over loopback: polling every 1 ms (the
// program's own CPU per record, the benchmark's CPU time being the user-interface thread's,
// and the time per record on the wire), at the normal pace (Timer1 at its 200 ms), and in fast
// exchange (Timer1 at 200 ms as the fallback), over TCP and over a pseudo-terminal paced as a
// 9600 baud line.
#include "BenchDatabase.h"
#include "BenchScales.h"

#include "commands/ScaleExchange.h"
#include "common/AppPaths.h"
#include "store/DatabaseFile.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <ctime>
#include <functional>
#include <memory>

namespace {

using namespace tevo;

// How the scales of a run are reached and paced.
struct Setup {
    int scales = 1;
    int silent = 0;     // the last `silent` scales never answer
    int pollMs = 1;     // Timer1's interval
    bool fast = false;  // "Быстрый обмен"
    int serialBaud = 0; // > 0: the scales are on pseudo-terminals paced at this line speed
    int ackDelayMs = 0; // every scale answers each request this late (polls at once)
    DatabaseEngine engine = DatabaseEngine::Sqlite;
};

qint64 threadCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// One store, scale exchange and simulated scales for a benchmark run.
struct Rig {
    QTemporaryDir dir;
    std::unique_ptr<bench::BenchDatabase> server; // the server's database, when on the server
    bool ready = true;
    std::unique_ptr<Store> store;
    std::unique_ptr<ScaleExchange> exchange;
    std::vector<std::unique_ptr<bench::SimulatedScale>> scales;
    int ended = 0;
    int finishedScales = 0;
    bool allTaken = true; // every end so far was a success at every scale

    explicit Rig(int scaleCount = 1, int silent = 0) : Rig(Setup{scaleCount, silent}) {}
    // `state` is needed on the server, which may be missing (the benchmark is then skipped).
    explicit Rig(const Setup &setup, benchmark::State *state = nullptr)
    {
        setProgramDir(dir.path()); // the serial ports file is read from here
        makeDatabaseFile(dir.filePath(QStringLiteral("TevoDataBase.gdb")));
        store = std::make_unique<Store>();
        if (setup.engine == DatabaseEngine::Postgres) {
            server = std::make_unique<bench::BenchDatabase>(setup.engine, *state);
            ready = server->ready();
            if (!ready)
                return;
            store->openTables(server->location());
        } else {
            store->openTables(dir.filePath(QStringLiteral("TevoDataBase.gdb")));
        }
        bench::fillSampleData(*store);
        QByteArray ports = "[Ports]\r\n";
        for (int i = 0; i < setup.scales; ++i) {
            const bool serial = setup.serialBaud > 0;
            QStringList options;
            if (serial)
                options << QStringLiteral("--pty") << QStringLiteral("--baud") << QString::number(setup.serialBaud);
            else
                options << QStringLiteral("--port") << QStringLiteral("0");
            if (i >= setup.scales - setup.silent)
                options << QStringLiteral("--silent");
            if (setup.ackDelayMs > 0)
                options << QStringLiteral("--ack-delay") << QString::number(setup.ackDelayMs);
            scales.push_back(std::make_unique<bench::SimulatedScale>(options));
            const bench::SimulatedScale &sim = *scales.back();
            if (serial) {
                ports += QStringLiteral("COM%1=%2\r\n").arg(i + 1).arg(sim.firstLine).toLocal8Bit();
                bench::addScaleRow(*store, QStringLiteral("COM%1").arg(i + 1), setup.serialBaud);
            } else {
                bench::addScaleRow(*store, QStringLiteral("127.0.0.1"), sim.port());
            }
        }
        QFile portsFile(dir.filePath(QLatin1String(kSerialPortsFileName)));
        if (portsFile.open(QIODevice::WriteOnly))
            portsFile.write(ports);
        portsFile.close();
        exchange = std::make_unique<ScaleExchange>(*store);
        exchange->engine().setPollInterval(setup.pollMs);
        exchange->engine().setFastExchange(setup.fast);
        QObject::connect(&exchange->engine(), &ExchangeEngine::started, [this] { finishedScales = 0; });
        QObject::connect(&exchange->engine(), &ExchangeEngine::scaleProgress, [this](const ScaleStatus &s) {
            if (s.finished)
                ++finishedScales;
        });
        QObject::connect(exchange.get(), &ScaleExchange::ended, [this](const ExchangeReport &r) {
            ++ended;
            allTaken = allTaken && r.complete();
        });
    }
    ~Rig()
    {
        if (exchange)
            exchange->engine().stop();
        exchange.reset();
        scales.clear();
        setProgramDir(QString());
    }
    // Runs the event loop, sleeping between events, until the exchange has ended.
    bool waitEnded(int before, int timeoutMs = 600000)
    {
        if (ended > before)
            return true;
        QEventLoop loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        const auto c =
            QObject::connect(exchange.get(), &ScaleExchange::ended, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        loop.exec();
        QObject::disconnect(c);
        return ended > before;
    }
    // The same, until `count` scales have finished their part.
    bool waitFinished(int count, int timeoutMs = 600000)
    {
        if (finishedScales >= count)
            return true;
        QEventLoop loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        const auto c = QObject::connect(&exchange->engine(), &ExchangeEngine::scaleProgress, &loop, [&] {
            if (finishedScales >= count)
                loop.quit();
        });
        loop.exec();
        QObject::disconnect(c);
        return finishedScales >= count;
    }
};

// Runs one exchange per iteration, started by `start`, and counts the program's CPU per record
// (the user-interface thread's) and the wall time per record.
void runExchange(benchmark::State &state, Rig &rig, int records, const std::function<bool(Rig &)> &start)
{
    qint64 cpu = 0;
    qint64 wall = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        const int before = rig.ended;
        const qint64 cpuBefore = threadCpuNs();
        clock.start();
        if (!start(rig) || !rig.waitEnded(before)) {
            state.SkipWithError("the exchange did not end");
            return;
        }
        wall += clock.nsecsElapsed();
        cpu += threadCpuNs() - cpuBefore;
    }
    if (!rig.allTaken)
        state.SkipWithError("a scale did not take every record");
    const double perRecord = double(records) * double(state.iterations());
    state.SetItemsProcessed(int64_t(perRecord));
    state.counters["cpu_us_per_record"] = double(cpu) / 1e3 / perRecord;
    state.counters["ms_per_record"] = double(wall) / 1e6 / perRecord;
}

void runGoodsWrite(benchmark::State &state, const Setup &setup, const QString &range, int records)
{
    Rig rig(setup);
    runExchange(state, rig, records, [&](Rig &r) { return r.exchange->goods().StartGoodsWrite(range); });
}

void runGoodsWrite(benchmark::State &state, int scaleCount, const QString &range, int records)
{
    runGoodsWrite(state, Setup{scaleCount}, range, records);
}

void runMessagesWrite(benchmark::State &state, const Setup &setup)
{
    Rig rig(setup);
    runExchange(state, rig, 1000,
                [](Rig &r) { return r.exchange->messages().startMessagesWrite(QStringLiteral("1-1000")); });
}

// A goods read of what a write before it has put into the scale.
void runGoodsRead(benchmark::State &state, const Setup &setup)
{
    Rig rig(setup, &state);
    if (!rig.ready)
        return;
    const int before = rig.ended;
    rig.exchange->goods().StartGoodsWrite(QStringLiteral("1-4000"));
    if (!rig.waitEnded(before)) {
        state.SkipWithError("the write before the read did not end");
        return;
    }
    // The commits the read makes (each a round trip to a server).
    int commits = 0;
    const QMetaObject::Connection counting =
        QObject::connect(&rig.store->database(), &Database::committed, [&commits] { ++commits; });
    // On the server, a second program's window open on the same goods: the times it reads them
    // again while the read goes on (each commit is announced to it).
    std::unique_ptr<Store> second;
    int rereads = 0;
    if (rig.server) {
        second = std::make_unique<Store>();
        second->openTables(rig.server->location());
        QObject::connect(&second->goods(), &Table::reset, [&rereads] { ++rereads; });
    }
    runExchange(state, rig, 4000, [](Rig &r) { return r.exchange->goods().startGoodsRead(QStringLiteral("1-4000")); });
    QObject::disconnect(counting);
    state.counters["commits"] = double(commits) / double(qMax<qint64>(1, state.iterations()));
    if (second) {
        // The last announcements arrive and the pause between two looks runs out.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 2 * Store::kRereadPauseMs + 500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        state.counters["second_window_rereads"] = double(rereads) / double(qMax<qint64>(1, state.iterations()));
    }
}

void BM_EngineCycle(benchmark::State &state) { runGoodsWrite(state, 1, QStringLiteral("1-200"), 200); }
void BM_GoodsWrite4000(benchmark::State &state) { runGoodsWrite(state, 1, QStringLiteral("1-4000"), 4000); }
void BM_GoodsWrite4000TenScales(benchmark::State &state) { runGoodsWrite(state, 10, QStringLiteral("1-4000"), 4000); }

// --- the normal pace and fast exchange, Timer1 at its real 200 ms --------------------------------

constexpr int kRealPollMs = 200;
const Setup kNormal{1, 0, kRealPollMs, false};
const Setup kFast{1, 0, kRealPollMs, true};

// The normal pace per record: one tick of Timer1 and the round trips.
void BM_NormalGoodsWrite25(benchmark::State &state) { runGoodsWrite(state, kNormal, QStringLiteral("1-25"), 25); }
void BM_FastGoodsWrite4000(benchmark::State &state) { runGoodsWrite(state, kFast, QStringLiteral("1-4000"), 4000); }
void BM_FastGoodsWrite4000TenScales(benchmark::State &state)
{
    runGoodsWrite(state, Setup{10, 0, kRealPollMs, true}, QStringLiteral("1-4000"), 4000);
}

void BM_FastMessagesWrite1000(benchmark::State &state) { runMessagesWrite(state, kFast); }

void BM_FastGoodsRead4000(benchmark::State &state) { runGoodsRead(state, kFast); }

// A 9600 baud line: poll, ready, the 85-byte record and the acknowledgement are 88 bytes of
// 10 bits, 91.7 ms a record on the wire.
constexpr int kBaud = 9600;
constexpr double kWireMsPerGoodsRecord = 88 * 10 * 1000.0 / kBaud;

void runSerialGoodsWrite(benchmark::State &state, bool fast, int records)
{
    runGoodsWrite(state, Setup{1, 0, kRealPollMs, fast, kBaud}, QStringLiteral("1-%1").arg(records), records);
    state.counters["wire_ms"] = kWireMsPerGoodsRecord * records;
}

void BM_NormalSerialGoodsWrite10At9600(benchmark::State &state) { runSerialGoodsWrite(state, false, 10); }

// A scale that takes 50 ms to store each record (its ready answers come at once): the scale's
// own 400 × 50 ms is the floor; fast exchange should add little to it, the normal pace one
// Timer1 interval a record.
constexpr int kSlowScaleAckMs = 50;
void BM_GoodsWrite400SlowScale(benchmark::State &state, bool fast)
{
    Setup setup{1, 0, kRealPollMs, fast};
    setup.ackDelayMs = kSlowScaleAckMs;
    runGoodsWrite(state, setup, QStringLiteral("1-400"), 400);
    state.counters["scale_ms"] = 400.0 * kSlowScaleAckMs;
}
void BM_FastSerialGoodsWrite100At9600(benchmark::State &state) { runSerialGoodsWrite(state, true, 100); }

// Nine answering scales and one silent: the time until the nine hold all 4000 goods.
void BM_GoodsWrite4000OneSilentOfTen(benchmark::State &state)
{
    Rig rig(10, 1);
    for (auto _ : state) {
        rig.exchange->goods().StartGoodsWrite(QStringLiteral("1-4000"));
        const bool nine = rig.waitFinished(9);
        state.PauseTiming();
        rig.exchange->engine().stop();
        state.ResumeTiming();
        if (!nine) {
            state.SkipWithError("the nine did not finish");
            return;
        }
    }
    state.SetItemsProcessed(int64_t(4000) * state.iterations());
}

void BM_MessagesWrite1000(benchmark::State &state) { runMessagesWrite(state, Setup{}); }

// On the file and on the server: every record read is a row update.
void BM_GoodsRead4000(benchmark::State &state, DatabaseEngine engine)
{
    Setup setup;
    setup.engine = engine;
    runGoodsRead(state, setup);
}

} // namespace

BENCHMARK(BM_EngineCycle)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GoodsWrite4000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_GoodsWrite4000TenScales)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_GoodsWrite4000OneSilentOfTen)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_MessagesWrite1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_GoodsRead4000, sqlite, DatabaseEngine::Sqlite)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_GoodsRead4000, server, DatabaseEngine::Postgres)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_NormalGoodsWrite25)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FastGoodsWrite4000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FastGoodsWrite4000TenScales)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FastMessagesWrite1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FastGoodsRead4000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_GoodsWrite400SlowScale, normal, false)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_GoodsWrite400SlowScale, fast, true)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_NormalSerialGoodsWrite10At9600)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FastSerialGoodsWrite100At9600)->Unit(benchmark::kMillisecond)->Iterations(1);
