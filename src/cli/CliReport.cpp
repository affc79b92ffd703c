#include "cli/CliReport.h"

#include "commands/ExchangeTexts.h"
#include "exchange/CommandFacts.h"
#include "exchange/ExchangeEngine.h"

#include <QJsonArray>
#include <algorithm>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tevo::cli {

namespace {
// Plain progress lines come at most this often; the bar is redrawn this often.
constexpr int kPlainEveryMs = 1000;
constexpr int kBarEveryMs = 100;

QJsonArray numbers(const QVector<int> &list)
{
    QJsonArray a;
    for (int n : list)
        a.append(n);
    return a;
}

int terminalWidth(FILE *out)
{
    winsize ws{};
    if (ioctl(fileno(out), TIOCGWINSZ, &ws) == 0 && ws.ws_col > 20)
        return ws.ws_col;
    return 80;
}

void put(FILE *out, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    fflush(out);
}
} // namespace

QString stepName(CommandState state) { return QString::fromLatin1(commandFacts(state).stepName); }

int exitStatusOf(const ExchangeReport &report)
{
    switch (report.end) {
    case ExchangeReport::End::Stopped:
        return kFailure;
    case ExchangeReport::End::Failed:
        return report.failureKind == ExchangeReport::Failure::Data ? kBadInput : kFailure;
    case ExchangeReport::End::Finished:
        break;
    }
    return endText(report).warning ? kNotAll : kDone;
}

QStringList reportLines(const ExchangeReport &report)
{
    QStringList lines;
    for (const ScaleStatus &s : report.scales)
        lines << scaleLine(s, report.command);
    const EndText end = endText(report);
    if (!end.text.isEmpty())
        lines << end.text.split(QLatin1Char('\n'));
    return lines;
}

QJsonObject reportJson(const ExchangeReport &report)
{
    QJsonObject o;
    o.insert(QStringLiteral("step"), stepName(report.command));
    o.insert(QStringLiteral("end"), report.end == ExchangeReport::End::Finished  ? QStringLiteral("finished")
                                    : report.end == ExchangeReport::End::Stopped ? QStringLiteral("stopped")
                                                                                 : QStringLiteral("failed"));
    if (!report.failure.isEmpty())
        o.insert(QStringLiteral("failure"), report.failure);
    const EndText end = endText(report);
    o.insert(QStringLiteral("message"), end.text);
    o.insert(QStringLiteral("complete"), report.complete());
    o.insert(QStringLiteral("recordsDone"), report.recordsDone);
    o.insert(QStringLiteral("changedOnly"), report.changedOnly);
    QJsonArray scales;
    for (const ScaleStatus &s : report.scales) {
        QJsonObject j;
        j.insert(QStringLiteral("row"), s.row);
        j.insert(QStringLiteral("name"), s.name);
        j.insert(QStringLiteral("done"), s.done);
        j.insert(QStringLiteral("total"), s.total);
        j.insert(QStringLiteral("held"), s.held);
        j.insert(QStringLiteral("taken"), s.taken);
        j.insert(QStringLiteral("skipped"), s.skipped);
        j.insert(QStringLiteral("refused"), numbers(s.refused));
        QJsonArray steps;
        for (CommandState c : s.refusedSteps)
            steps.append(stepName(c));
        j.insert(QStringLiteral("refusedSteps"), steps);
        j.insert(QStringLiteral("answered"), s.answered);
        j.insert(QStringLiteral("finished"), s.finished);
        j.insert(QStringLiteral("timedOut"), s.timedOut);
        j.insert(QStringLiteral("stuck"), s.stuck);
        j.insert(QStringLiteral("stopped"), s.stopped);
        if (!s.unreachable.isEmpty())
            j.insert(QStringLiteral("unreachable"), s.unreachable);
        j.insert(QStringLiteral("line"), scaleLine(s, report.command));
        scales.append(j);
    }
    o.insert(QStringLiteral("scales"), scales);
    return o;
}

Progress::Progress(ExchangeEngine &engine, FILE *out, bool terminal)
    : m_engine(engine), m_out(out), m_terminal(terminal)
{
    connect(&engine, &ExchangeEngine::scaleProgress, this, &Progress::changed);
    m_timer.setInterval(terminal ? kBarEveryMs : kPlainEveryMs);
    connect(&m_timer, &QTimer::timeout, this, &Progress::draw);
    m_timer.start();
}

Progress::~Progress() { finish(); }

void Progress::changed(const ScaleStatus &status)
{
    m_scales.insert(status.row, status);
    m_dirty = true;
}

void Progress::draw()
{
    if (!m_dirty)
        return;
    m_dirty = false;
    QList<int> rows = m_scales.keys();
    std::sort(rows.begin(), rows.end());
    const CommandState command = m_engine.command();
    if (!m_terminal) {
        // Plain lines: a scale's line when it has changed since it was last printed.
        for (int row : rows) {
            const QString line = scaleLine(m_scales.value(row), command);
            if (m_printed.value(row) != line) {
                m_printed.insert(row, line);
                put(m_out, line + QLatin1Char('\n'));
            }
        }
        return;
    }
    qint64 done = 0, total = 0;
    QStringList parts;
    for (int row : rows) {
        const ScaleStatus &s = m_scales[row];
        done += s.done;
        total += s.total;
        parts << scaleLine(s, command);
    }
    const int width = terminalWidth(m_out);
    constexpr int kBarCells = 24;
    const int filled = total > 0 ? int(kBarCells * done / total) : 0;
    QString line = QStringLiteral("[%1%2] %3%  ")
                       .arg(QString(filled, QLatin1Char('#')), QString(kBarCells - filled, QLatin1Char('-')))
                       .arg(total > 0 ? int(100 * done / total) : 0, 3)
                   + parts.join(QStringLiteral(" · "));
    if (line.size() > width - 1)
        line = line.left(width - 2) + QChar(0x2026);
    put(m_out, QStringLiteral("\r\x1b[K") + line);
    m_barShown = true;
}

void Progress::finish()
{
    m_timer.stop();
    if (m_terminal && m_barShown) {
        put(m_out, QStringLiteral("\r\x1b[K"));
        m_barShown = false;
    }
}

} // namespace tevo::cli
