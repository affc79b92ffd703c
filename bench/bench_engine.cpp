// The exchange engine against one simulated scale over loopback, polling every 1 ms: the
// program's own CPU per record (the benchmark's CPU time is the user-interface thread's) and
// the time per record on the wire.
#include "commands/ScaleExchange.h"
#include "store/DatabaseFile.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace tevo;

// One store, scale exchange and simulated scales for a benchmark run; the last `silent`
// scales never answer.
struct Rig {
    QTemporaryDir dir;
    std::unique_ptr<Store> store;
    std::unique_ptr<ScaleExchange> exchange;
    std::vector<std::unique_ptr<QProcess>> scales;
    int ended = 0;
    int finishedScales = 0;

    explicit Rig(int scaleCount = 1, int silent = 0)
    {
        makeDatabaseFile(dir.filePath(QStringLiteral("TevoDataBase.gdb")));
        store = std::make_unique<Store>();
        store->openTables(dir.filePath(QStringLiteral("TevoDataBase.gdb")));
        store->database().exec(QStringLiteral("UPDATE T SET TNAME1 = 'Товар номер ' || NPLU, TNAME2 = 'Вторая строка', "
                                              "PRICE = NPLU * 10, UBDATE = '5', CODE = NPLU"));
        store->database().exec(QStringLiteral("UPDATE M SET M1 = 'Сообщение ' || NPLU, M8 = 'конец'"));
        store->database().commitNow();
        store->goods().refresh();
        store->messages().refresh();
        for (int i = 0; i < scaleCount; ++i) {
            auto p = std::make_unique<QProcess>();
            QStringList options{QStringLiteral("--port"), QStringLiteral("0")};
            if (i >= scaleCount - silent)
                options << QStringLiteral("--silent");
            p->start(QCoreApplication::applicationDirPath() + QStringLiteral("/tevo-scalesim"), options);
            p->waitForStarted();
            while (!p->canReadLine() && p->waitForReadyRead(3000)) {
            }
            const quint16 port = static_cast<quint16>(QString::fromLatin1(p->readLine()).section(' ', 1).trimmed().toUInt());
            store->scales().appendRow({{QStringLiteral("U"), QStringLiteral("T")},
                                       {QStringLiteral("W"), QStringLiteral("T")},
                                       {QStringLiteral("IP"), QStringLiteral("127.0.0.1")},
                                       {QStringLiteral("PORT"), port}});
            scales.push_back(std::move(p));
        }
        exchange = std::make_unique<ScaleExchange>(*store);
        exchange->engine().setPollInterval(1);
        QObject::connect(&exchange->engine(), &ExchangeEngine::started, [this] { finishedScales = 0; });
        QObject::connect(&exchange->engine(), &ExchangeEngine::scaleProgress, [this](const ScaleStatus &s) {
            if (s.finished)
                ++finishedScales;
        });
        QObject::connect(exchange.get(), &ScaleExchange::ended, [this] { ++ended; });
    }
    ~Rig()
    {
        exchange->engine().stop();
        for (auto &p : scales) {
            p->terminate();
            p->waitForFinished(3000);
        }
    }
    // Runs the event loop, sleeping between events, until the exchange has ended.
    bool waitEnded(int before, int timeoutMs = 600000)
    {
        if (ended > before)
            return true;
        QEventLoop loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        const auto c = QObject::connect(exchange.get(), &ScaleExchange::ended, &loop, &QEventLoop::quit,
                                        Qt::QueuedConnection);
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

void runGoodsWrite(benchmark::State &state, int scaleCount, const QString &range, int records)
{
    Rig rig(scaleCount);
    for (auto _ : state) {
        const int before = rig.ended;
        rig.exchange->goods().StartGoodsWrite(range);
        if (!rig.waitEnded(before)) {
            state.SkipWithError("the write did not end");
            return;
        }
    }
    state.SetItemsProcessed(int64_t(records) * state.iterations());
}

void BM_EngineCycle(benchmark::State &state) { runGoodsWrite(state, 1, QStringLiteral("1-200"), 200); }
void BM_GoodsWrite4000(benchmark::State &state) { runGoodsWrite(state, 1, QStringLiteral("1-4000"), 4000); }
void BM_GoodsWrite4000TenScales(benchmark::State &state) { runGoodsWrite(state, 10, QStringLiteral("1-4000"), 4000); }

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

void BM_MessagesWrite1000(benchmark::State &state)
{
    Rig rig;
    for (auto _ : state) {
        const int before = rig.ended;
        rig.exchange->messages().startMessagesWrite(QStringLiteral("1-1000"));
        if (!rig.waitEnded(before)) {
            state.SkipWithError("the write did not end");
            return;
        }
    }
    state.SetItemsProcessed(int64_t(1000) * state.iterations());
}

void BM_GoodsRead4000(benchmark::State &state)
{
    Rig rig;
    {
        const int before = rig.ended;
        rig.exchange->goods().StartGoodsWrite(QStringLiteral("1-4000"));
        rig.waitEnded(before);
    }
    for (auto _ : state) {
        const int before = rig.ended;
        rig.exchange->goods().startGoodsRead(QStringLiteral("1-4000"));
        if (!rig.waitEnded(before)) {
            state.SkipWithError("the read did not end");
            return;
        }
    }
    state.SetItemsProcessed(int64_t(4000) * state.iterations());
}

} // namespace

BENCHMARK(BM_EngineCycle)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GoodsWrite4000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_GoodsWrite4000TenScales)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_GoodsWrite4000OneSilentOfTen)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_MessagesWrite1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_GoodsRead4000)->Unit(benchmark::kMillisecond)->Iterations(1);
