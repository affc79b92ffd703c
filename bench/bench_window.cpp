// A fast 4000-goods write to one TCP scale with the main window shown, the grid following the
// transfer, the per-scale line in the status bar and the packet log window open: the wall
// time, and how long the window ever went without handling an event (the longest gap between
// two runs of a 1 ms timer during the write).
#include "BenchScales.h"

#include "common/AppPaths.h"
#include "shell/AppWindows.h"
#include "shell/Dialogs.h"
#include "shell/ExchangeHub.h"
#include "shell/ParametersTab.h"
#include "store/DatabaseFile.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

using namespace tevo;

void BM_FastGoodsWrite4000Window(benchmark::State &state)
{
    QTemporaryDir dir;
    setProgramDir(dir.path());
    makeDatabaseFile(besideProgram(QLatin1String(kDatabaseFileName)));
    Dialogs::setScripted(true);
    Dialogs::reset();
    bench::SimulatedScale sim({QStringLiteral("--port"), QStringLiteral("0")});
    {
        AppWindows w;
        w.mainWindow.runActivationSteps();
        Store &store = w.mainWindow.store();
        bench::fillSampleData(store);
        bench::addScaleRow(store, QStringLiteral("127.0.0.1"), sim.port());
        w.mainWindow.showNormal();
        w.packetLogWindow.show();
        ExchangeHub &hub = w.mainWindow.exchange();
        hub.engine().setPollInterval(ExchangeEngine::kDefaultPollMs);
        w.mainWindow.parametersTab().setFastExchangeTicked(true);
        // The windows' first painting is not part of the write.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 300)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        probe.setInterval(1);
        QElapsedTimer sinceLast;
        qint64 longestNs = 0;
        QObject::connect(&probe, &QTimer::timeout,
                         [&] { longestNs = std::max(longestNs, sinceLast.nsecsElapsed()), sinceLast.start(); });
        bool complete = true;
        for (auto _ : state) {
            QEventLoop loop;
            const auto c = QObject::connect(&hub.exchange(), &ScaleExchange::ended, &loop, [&](const ExchangeReport &r) {
                complete = complete && r.complete();
                loop.quit();
            });
            QTimer::singleShot(120000, &loop, &QEventLoop::quit);
            if (!hub.goods().StartGoodsWrite(QStringLiteral("1-4000"))) {
                state.SkipWithError("the write did not start");
                break;
            }
            sinceLast.start();
            probe.start();
            loop.exec();
            probe.stop();
            QObject::disconnect(c);
        }
        if (!complete)
            state.SkipWithError("the scale did not take every record");
        QCoreApplication::processEvents();
        state.counters["longest_gap_ms"] = double(longestNs) / 1e6;
        state.counters["log_lines"] = w.packetLogWindow.view()->document()->blockCount();
        hub.engine().stop();
    }
    Dialogs::reset();
    Dialogs::setScripted(false);
    setProgramDir(QString());
}

} // namespace

BENCHMARK(BM_FastGoodsWrite4000Window)->Unit(benchmark::kMillisecond)->Iterations(1);
