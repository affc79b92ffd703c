// A night of automatic loading with the main window shown: 500 changes of a watched 200-goods
// file, each loaded and written with "Быстрый обмен" into two scales, one of which drops its
// line every 150 requests. Nobody closes a box: the end texts go to the one notice box, and a
// modal box, should one appear, is counted and closed by the benchmark. Reports the memory
// (RSS) and the open descriptors of the program at the start (after the first load, which
// makes the boxes and connections a night keeps) and at the end, and how many loads the two
// scales took whole; at the end both must hold the last file's goods. Every load must be
// written, the descriptors stay the same and the memory must grow by less than 5 MiB, the
// packet log kept as the window keeps it (its latest lines) or cleared after each load.
#include "BenchScales.h"

#include "common/AppPaths.h"
#include "fileio/AutoLoad.h"
#include "shell/AppWindows.h"
#include "shell/Dialogs.h"
#include "shell/ExchangeHub.h"
#include "shell/PacketLogWindow.h"
#include "shell/ParametersTab.h"
#include "store/DatabaseFile.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

using namespace tevo;

// TEVO_AUTOLOAD_NIGHT_LOADS sets another number of loads (a short run to try it).
const int kLoads = qEnvironmentVariableIsSet("TEVO_AUTOLOAD_NIGHT_LOADS")
                       ? qMax(2, qEnvironmentVariableIntValue("TEVO_AUTOLOAD_NIGHT_LOADS"))
                       : 500;
constexpr int kGoods = 200;

// The resident memory of this process, in MiB.
double residentMiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

int openDescriptors() { return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot).size()); }

QString goodsName(int load, int n) { return QStringLiteral("Товар %1 партия %2").arg(n).arg(load); }

void writeGoodsFile(const QString &path, int load, const QDateTime &time)
{
    QByteArray text;
    for (int n = 1; n <= kGoods; ++n)
        text += QStringLiteral("[%1]\r\nNPLU=%1\r\nTNAME1=%2\r\nPRICE=%3\r\nCODE=%1\r\n")
                    .arg(n)
                    .arg(goodsName(load, n))
                    .arg(load * 1000 + n)
                    .toUtf8();
    text += "[Main]\r\nRecordCount=" + QByteArray::number(kGoods) + "\r\n";
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text) != text.size() || !f.flush())
        return;
    // Each load its own time (the watch compares times to the second).
    f.setFileTime(time, QFileDevice::FileModificationTime);
}

// How many of goods 1 … kGoods the scale's dump holds with the names of `load`.
int goodsOfLoad(const QString &dumpPath, int load)
{
    QFile f(dumpPath);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    int held = 0;
    for (const auto &g : QJsonDocument::fromJson(f.readAll()).object().value(QStringLiteral("goods")).toArray()) {
        const QJsonObject o = g.toObject();
        const int n = o.value(QStringLiteral("plu")).toInt();
        held += n >= 1 && n <= kGoods && o.value(QStringLiteral("name1")).toString() == goodsName(load, n) ? 1 : 0;
    }
    return held;
}

// `keepLog`: the packet log keeps its latest lines, as it does unless someone clears it (about
// 800 lines a load here); otherwise it is cleared after each load, which shows what the rest of
// the program keeps.
void BM_AutoLoadNight(benchmark::State &state, bool keepLog)
{
    QTemporaryDir dir;
    setProgramDir(dir.path());
    makeDatabaseFile(besideProgram(QLatin1String(kDatabaseFileName)));
    Dialogs::setScripted(false);
    Dialogs::reset();
    const QString dumps[2] = {dir.filePath(QStringLiteral("scale1.json")), dir.filePath(QStringLiteral("scale2.json"))};
    auto steady = std::make_unique<bench::SimulatedScale>(QStringList{QStringLiteral("--port"), QStringLiteral("0"),
                                                                      QStringLiteral("--dump"), dumps[0],
                                                                      QStringLiteral("--dump-at-exit")});
    auto dropping = std::make_unique<bench::SimulatedScale>(
        QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--dump"), dumps[1],
                    QStringLiteral("--dump-at-exit"), QStringLiteral("--drop-after"), QStringLiteral("150")});
    const QString watched = dir.filePath(QStringLiteral("goods.txt"));
    const QDateTime t0(QDate(2026, 1, 10), QTime(22, 0, 0));
    int written = 0;
    int modalBoxes = 0;
    int failed = 0;
    double rssStart = 0, rssEnd = 0, rssBeforeFirst = 0;
    int fdsStart = 0, fdsEnd = 0;
    int lastHeld[2] = {0, 0};
    qint64 logLines = 0; // lines the packet log took, summed over the loads
    {
        AppWindows w;
        Dialogs::setMainWindow(&w.mainWindow);
        w.mainWindow.runActivationSteps();
        Store &store = w.mainWindow.store();
        bench::addScaleRow(store, QStringLiteral("127.0.0.1"), steady->port());
        bench::addScaleRow(store, QStringLiteral("127.0.0.1"), dropping->port());
        store.database().commitNow();
        w.mainWindow.showNormal();
        ExchangeHub &hub = w.mainWindow.exchange();
        hub.engine().setPollInterval(ExchangeEngine::kDefaultPollMs);
        w.mainWindow.parametersTab().setFastExchangeTicked(true);
        AutoLoader &loader = hub.autoLoader();
        AutoLoadSettings s;
        s.FName = watched;
        s.EnableAutoLoad = true;
        s.LoadToScale = true;
        loader.settings = s;

        // A modal box would hold the night up: counted and closed.
        QTimer watchdog;
        watchdog.setInterval(50);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                ++modalBoxes;
                modal->close();
            }
        });
        watchdog.start();

        int writesEnded = 0;
        QObject::connect(&hub.exchange(), &ScaleExchange::ended, [&](const ExchangeReport &r) {
            if (r.command != CommandState::GoodsWrite)
                return;
            ++writesEnded;
            if (r.complete())
                ++written;
        });
        const auto loadOnce = [&](int load) {
            const int before = writesEnded;
            writeGoodsFile(watched, load, t0.addSecs(load));
            QEventLoop loop;
            QTimer poll;
            poll.setInterval(5);
            QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
                if (writesEnded > before)
                    loop.quit();
            });
            QTimer::singleShot(60000, &loop, &QEventLoop::quit);
            poll.start();
            loop.exec();
            if (writesEnded == before)
                ++failed;
            logLines += w.packetLogWindow.view()->document()->blockCount();
            if (!keepLog)
                w.packetLogWindow.view()->clear();
            if (qEnvironmentVariableIsSet("TEVO_BENCH_TRACE"))
                std::fprintf(stderr, "load %d: writes ended %d, whole %d, modal %d, RSS %.1f MiB, %d descriptors\n",
                             load, writesEnded, written, modalBoxes, residentMiB(), openDescriptors());
        };

        rssBeforeFirst = residentMiB();
        loader.applyTimer();
        loader.tmAutoLoad.setInterval(10);
        for (auto _ : state) {
            loadOnce(1);
            rssStart = residentMiB();
            fdsStart = openDescriptors();
            for (int load = 2; load <= kLoads; ++load)
                loadOnce(load);
            QCoreApplication::processEvents();
            rssEnd = residentMiB();
            fdsEnd = openDescriptors();
            if (keepLog)
                logLines = w.packetLogWindow.view()->document()->blockCount();
        }
        loader.tmAutoLoad.stop();
        hub.engine().stop();
        Dialogs::closeNotice();
    }
    // The scales write what they hold when they end.
    steady.reset();
    dropping.reset();
    for (int i = 0; i < 2; ++i)
        lastHeld[i] = goodsOfLoad(dumps[i], kLoads);

    state.counters["loads"] = kLoads;
    state.counters["loads_written_whole"] = written;
    state.counters["loads_not_ended"] = failed;
    state.counters["modal_boxes"] = modalBoxes;
    state.counters["notice_boxes"] = Dialogs::noticeBoxesOpened();
    state.counters["rss_before_first_mb"] = rssBeforeFirst;
    state.counters["rss_start_mb"] = rssStart;
    state.counters["rss_end_mb"] = rssEnd;
    state.counters["rss_growth_mb"] = rssEnd - rssStart;
    state.counters["fds_start"] = fdsStart;
    state.counters["fds_end"] = fdsEnd;
    state.counters["last_load_held_scale1"] = lastHeld[0];
    state.counters["last_load_held_scale2"] = lastHeld[1];
    state.counters["packet_log_lines"] = double(logLines);
    std::fprintf(
        stderr,
        "BM_AutoLoadNight (packet log %s): %d loads, %d written whole to both scales, %d not ended, %d modal "
        "boxes, %d notice boxes; RSS %.1f MiB before the first load, %.1f after it, %.1f at the end (%+.1f); "
        "descriptors %d → %d; the last file's goods held by the scales: %d and %d of %d; packet log lines %lld\n",
        keepLog ? "kept" : "cleared after each load", kLoads, written, failed, modalBoxes, Dialogs::noticeBoxesOpened(),
        rssBeforeFirst, rssStart, rssEnd, rssEnd - rssStart, fdsStart, fdsEnd, lastHeld[0], lastHeld[1], kGoods,
        static_cast<long long>(logLines));
    if (failed > 0 || written != kLoads)
        state.SkipWithError("not every load was written whole to both scales");
    else if (lastHeld[0] != kGoods || lastHeld[1] != kGoods)
        state.SkipWithError("a scale does not hold the last file's goods");
    else if (fdsEnd != fdsStart)
        state.SkipWithError("the open descriptors changed");
    else if (rssEnd - rssStart >= 5.0)
        state.SkipWithError("the memory grew by 5 MiB or more");
    Dialogs::reset();
    Dialogs::setMainWindow(nullptr);
    setProgramDir(QString());
}

} // namespace

BENCHMARK_CAPTURE(BM_AutoLoadNight, packet_log_cleared, false)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_AutoLoadNight, packet_log_kept, true)->Unit(benchmark::kSecond)->Iterations(1);
