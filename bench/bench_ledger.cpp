// The ledger of what the scales hold: a write of the changed goods only ("Только изменённые")
// of 50 changed goods of 4000 to ten simulated scales that already hold the rest, at the normal
// pace (Timer1 at its 200 ms) and in fast exchange; and the check of 4000 goods against one
// scale in fast exchange. The scales start holding every goods record (loaded from a file the
// simulators read) and the ledger says so, as after an earlier write.
#include "BenchScales.h"

#include "commands/ScaleExchange.h"
#include "common/AppPaths.h"
#include "exchange/RecordDigest.h"
#include "store/DatabaseFile.h"
#include "store/Store.h"

#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace tevo;

constexpr int kRealPollMs = 200;
constexpr int kChanged = 50;

struct LedgerRig {
    QTemporaryDir dir;
    std::unique_ptr<Store> store;
    std::unique_ptr<ScaleExchange> exchange;
    std::vector<std::unique_ptr<bench::SimulatedScale>> scales;
    ExchangeReport last;
    int ended = 0;

    LedgerRig(int scaleCount, bool fast)
    {
        setProgramDir(dir.path());
        makeDatabaseFile(dir.filePath(QStringLiteral("TevoDataBase.gdb")));
        store = std::make_unique<Store>();
        store->openTables(dir.filePath(QStringLiteral("TevoDataBase.gdb")));
        bench::fillSampleData(*store);
        // Every goods record, as the scales hold it after a write of them all.
        Table &goods = store->goods();
        QJsonArray held;
        QVector<QByteArray> digests;
        for (int row = 0; row < goods.count(); ++row) {
            const QByteArray record = goodsRecordOf(goods, row);
            digests.append(goodsDigest(record));
            held.append(QJsonObject{{QStringLiteral("plu"), row + 1},
                                    {QStringLiteral("record"), QString::fromLatin1(record.toHex())}});
        }
        const QString load = dir.filePath(QStringLiteral("held.json"));
        QFile file(load);
        if (file.open(QIODevice::WriteOnly))
            file.write(QJsonDocument(QJsonObject{{QStringLiteral("goods"), held}}).toJson(QJsonDocument::Compact));
        file.close();
        for (int i = 0; i < scaleCount; ++i) {
            scales.push_back(std::make_unique<bench::SimulatedScale>(
                QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--load"), load}));
            bench::addScaleRow(*store, QStringLiteral("127.0.0.1"), scales.back()->port());
            const QString address = ScaleLedger::addressOf(store->scales(), i);
            for (int n = 1; n <= digests.size(); ++n)
                store->ledger().noteHeld(address, ScaleLedger::Kind::Goods, n, digests[n - 1]);
        }
        store->database().commitNow();
        exchange = std::make_unique<ScaleExchange>(*store);
        exchange->engine().setPollInterval(kRealPollMs);
        exchange->engine().setFastExchange(fast);
        QObject::connect(exchange.get(), &ScaleExchange::ended, [this](const ExchangeReport &r) {
            last = r;
            ++ended;
        });
    }
    ~LedgerRig()
    {
        exchange->engine().stop();
        exchange.reset();
        scales.clear();
        setProgramDir(QString());
    }
    bool waitEnded(int before)
    {
        if (ended > before)
            return true;
        QEventLoop loop;
        QTimer::singleShot(600000, &loop, &QEventLoop::quit);
        const auto c =
            QObject::connect(exchange.get(), &ScaleExchange::ended, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        loop.exec();
        QObject::disconnect(c);
        return ended > before;
    }
};

void BM_ChangedGoodsWrite50Of4000TenScales(benchmark::State &state, bool fast)
{
    LedgerRig rig(10, fast);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++round;
        Table &goods = rig.store->goods();
        for (int i = 0; i < kChanged; ++i)
            goods.setValue(i * 80, QStringLiteral("PRICE"), 100000 + round * 1000 + i);
        rig.store->database().commitNow();
        state.ResumeTiming();
        const int before = rig.ended;
        if (!rig.exchange->goods().StartGoodsWrite(QStringLiteral("1-4000"), true) || !rig.waitEnded(before)) {
            state.SkipWithError("the write did not end");
            return;
        }
    }
    for (const ScaleStatus &s : rig.last.scales)
        if (s.taken != kChanged || s.held != 4000 - kChanged || !rig.last.complete())
            state.SkipWithError("a scale was not sent exactly the changed goods");
}

void BM_VerifyGoods4000(benchmark::State &state)
{
    LedgerRig rig(1, true);
    for (auto _ : state) {
        const int before = rig.ended;
        if (!rig.exchange->goods().startGoodsVerify(QStringLiteral("1-4000")) || !rig.waitEnded(before)) {
            state.SkipWithError("the check did not end");
            return;
        }
    }
    if (!rig.last.complete() || rig.exchange->goods().differences().value(0).size() != 0)
        state.SkipWithError("the scale did not match");
}

} // namespace

BENCHMARK_CAPTURE(BM_ChangedGoodsWrite50Of4000TenScales, normal, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ChangedGoodsWrite50Of4000TenScales, fast, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseRealTime();
BENCHMARK(BM_VerifyGoods4000)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();
