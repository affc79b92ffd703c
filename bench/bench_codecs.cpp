// Encoding and decoding the scale packets, and reducing a large bitmap to the logo.
#include "commands/ClockPackets.h"
#include "commands/Logo.h"
#include "commands/ScaleReadouts.h"
#include "commands/SettingsPackets.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tevo;

namespace {

// A 4000 × 4000 bitmap file with a pattern, made once.
const QString &largeBitmap(QImage::Format format)
{
    static QTemporaryDir dir;
    static QString paths[2];
    const int slot = format == QImage::Format_Mono ? 1 : 0;
    if (paths[slot].isEmpty()) {
        QImage img(4000, 4000, QImage::Format_RGB888);
        img.fill(Qt::white);
        for (int y = 0; y < img.height(); y += 7)
            for (int x = (y / 7) % 5; x < img.width(); x += 5)
                img.setPixel(x, y, qRgb(0, 0, 0));
        paths[slot] = dir.filePath(QStringLiteral("large-%1.bmp").arg(slot));
        img.convertToFormat(format).save(paths[slot], "BMP");
    }
    return paths[slot];
}

void BM_LogoFromBitmap(benchmark::State &state)
{
    const auto format = state.range(0) == 1 ? QImage::Format_Mono : QImage::Format_RGB888;
    const QString path = largeBitmap(format);
    if (QImageReader(path).size() != QSize(4000, 4000) || logoFromFile(path).isBlank()) {
        state.SkipWithError("the test bitmap was not made");
        return;
    }
    for (auto _ : state) {
        LogoPixels logo = logoFromFile(path);
        benchmark::DoNotOptimize(logo);
    }
    state.SetLabel(state.range(0) == 1 ? "4000x4000, 1 bit" : "4000x4000, 24 bit");
}
BENCHMARK(BM_LogoFromBitmap)->Arg(24)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SettingsPackets(benchmark::State &state)
{
    ScaleSettings settings;
    settings.department = 123;
    settings.labelFormatPosition = 29;
    settings.printOptions = 0xA5;
    const QString line1 = QStringLiteral("Магазин «Ромашка»");
    const QString line2 = QStringLiteral("ул. Шевченка, 12");
    LogoPixels logo;
    for (int i = 1; i <= 64; ++i)
        logo.set(i, i, true);
    const QDateTime when(QDate(2024, 3, 5), QTime(9, 7, 3));
    QByteArray stateReply(WeighingState::kLength, '\x11');
    QByteArray totalsReply(SalesTotals::kLength, '\x22');
    const QLocale locale(QLocale::Russian, QLocale::Russia);

    for (auto _ : state) {
        QByteArray s = buildSettingsPacket(settings);
        s[0] = char(0xAA);
        benchmark::DoNotOptimize(decodeSettingsReply(s));
        QByteArray h = buildHeaderPacket(line1, line2);
        h[0] = char(0xAA);
        benchmark::DoNotOptimize(decodeHeaderReply(h));
        QByteArray l = buildLogoWriteRequest(logo);
        l[0] = char(0xAA);
        benchmark::DoNotOptimize(logoFromReply(l));
        benchmark::DoNotOptimize(buildDatePacket(when.date()));
        benchmark::DoNotOptimize(buildTimePacket(when.time()));
        const WeighingState w = decodeWeighingState(stateReply);
        benchmark::DoNotOptimize(weightText(w.grams, locale));
        benchmark::DoNotOptimize(decodeSalesTotals(totalsReply));
    }
}
BENCHMARK(BM_SettingsPackets)->Unit(benchmark::kMicrosecond);

} // namespace
