// The packet log after a long run: a hundred thousand lines appended (TEVO_LOG_LINES sets
// another number, a million say, for a measurement by hand); the view keeps the latest lines,
// in order, and still answers.
#include "shell/PacketLogWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <cstdio>
#include <gtest/gtest.h>

using namespace tevo;

namespace {
QByteArray residentMemory()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed();
    return {};
}
} // namespace

TEST(PaketViewFormVolume, ManyLinesAppendAndTheViewStillAnswers)
{
    PacketLogWindow form;
    form.show();
    const int lines =
        qEnvironmentVariableIntValue("TEVO_LOG_LINES") > 0 ? qEnvironmentVariableIntValue("TEVO_LOG_LINES") : 100000;
    const QByteArray ready("\x80", 1);
    const QByteArray ack("\xAA", 1);
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer batch;
    batch.start();
    for (int n = 0; n < lines; ++n) {
        form.appendPacket(n % 2 ? ack : ready, QStringLiteral("Касса 1"));
        if (n % 50000 == 49999) {
            QCoreApplication::processEvents(); // the window keeps answering meanwhile
            std::printf("lines %d: last 50000 in %lld ms\n", n + 1, static_cast<long long>(batch.restart()));
        }
    }
    form.flushLog();
    const qint64 appendMs = clock.elapsed();
    QCoreApplication::processEvents();
    // The latest lines, at least kMaxLines of them and at most twice as many; the oldest gone.
    const int kept = form.view()->document()->blockCount();
    EXPECT_GE(kept, qMin(lines, PacketLogWindow::kMaxLines));
    EXPECT_LE(kept, qMin(lines, 2 * PacketLogWindow::kMaxLines));
    // The first line kept is line lines - kept (0-based): a ready answer when that is even.
    EXPECT_EQ(form.view()->document()->firstBlock().text(),
              QStringLiteral("Get[1]: ") + QChar((lines - kept) % 2 ? 0x0404 : 0x0402)
                  + QStringLiteral("    «Касса 1»: ") + QLatin1String((lines - kept) % 2 ? "AA" : "80"));
    QElapsedTimer answer;
    answer.start();
    QScrollBar *bar = form.view()->verticalScrollBar();
    bar->setValue(bar->maximum());
    form.view()->moveCursor(QTextCursor::End);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.view()->document()->lastBlock().text(),
              QStringLiteral("Get[1]: ") + QChar(0x0404) + QStringLiteral("    «Касса 1»: AA"));
    form.appendPacket(ready, QStringLiteral("Касса 1"));
    form.flushLog();
    QCoreApplication::processEvents();
    const qint64 answerMs = answer.elapsed();
    EXPECT_LT(answerMs, 2000);
    EXPECT_LE(form.view()->document()->blockCount(), qMin(lines + 1, 2 * PacketLogWindow::kMaxLines));
    EXPECT_EQ(form.view()->document()->lastBlock().text(),
              QStringLiteral("Get[1]: ") + QChar(0x0402) + QStringLiteral("    «Касса 1»: 80"));
    std::printf("packet log: %d lines in %lld ms; scroll to the end and one more line in %lld ms; VmRSS %s\n", lines,
                static_cast<long long>(appendMs), static_cast<long long>(answerMs), residentMemory().constData());
}
