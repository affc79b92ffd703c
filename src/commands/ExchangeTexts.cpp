#include "commands/ExchangeTexts.h"

#include "exchange/CommandFacts.h"
#include "exchange/ScaleChannels.h"

#include <QStringList>

namespace tevo {

namespace {

constexpr int kMaxListParts = 20;

bool isRecordRead(CommandState c) { return c == CommandState::GoodsRead || c == CommandState::MessagesRead; }

bool isRead(CommandState c) { return commandFacts(c).read; }

QString successText(const ExchangeReport &r)
{
    const QString text = factText(commandFacts(r.command).success);
    // The weighing state and the totals show in their displays only.
    return r.command == CommandState::GoodsWrite ? text.arg(r.recordsDone) : text;
}

// The warning line of a scale that refused records of a write.
QString refusedRecordsLine(CommandState c, const QString &name, const QVector<int> &numbers)
{
    const QString text = c == CommandState::MessagesWrite ? QStringLiteral("Весы «%1» отказались принять сообщения: %2")
                                                          : QStringLiteral("Весы «%1» отказались принять PLU: %2");
    return text.arg(name, numberList(numbers));
}

QString stepWhat(CommandState c)
{
    const QString what = factText(commandFacts(c).what);
    return what.isEmpty() ? QStringLiteral("команду %1").arg(int(c)) : what;
}

// "«запись товаров» (PLU 5)": the command a scale got stuck at, with its record.
QString stuckWhat(const ScaleStatus &s)
{
    QString what = QStringLiteral("«%1»").arg(factText(commandFacts(s.stuckStep).action));
    if (s.stuckRecord > 0)
        what += (s.stuckStep == CommandState::MessagesWrite || s.stuckStep == CommandState::MessagesRead
                     ? QStringLiteral(" (сообщение %1)")
                     : QStringLiteral(" (PLU %1)"))
                    .arg(s.stuckRecord);
    return what;
}

QString stepsWhat(const QVector<CommandState> &steps)
{
    QStringList parts;
    for (CommandState s : steps)
        parts << stepWhat(s);
    return parts.join(QStringLiteral(" и "));
}

} // namespace

QString numberList(const QVector<int> &numbers)
{
    QStringList parts;
    for (int i = 0; i < numbers.size();) {
        int j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        if (parts.size() == kMaxListParts) {
            parts << QStringLiteral("… (всего %1)").arg(numbers.size());
            break;
        }
        parts << (j > i ? QStringLiteral("%1-%2").arg(numbers[i]).arg(numbers[j]) : QString::number(numbers[i]));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

EndText endText(const ExchangeReport &r)
{
    if (r.end != ExchangeReport::End::Finished)
        return {};
    const QString refusedSteps = isRead(r.command) ? QStringLiteral("Весы «%1» отказались передать %2")
                                                   : QStringLiteral("Весы «%1» отказались принять %2");
    QStringList lines;
    for (const ScaleStatus &s : r.scales) {
        if (!s.unreachable.isEmpty()) {
            lines << unreachableScaleText(s.name, s.row, s.unreachable);
            continue;
        }
        if (s.timedOut) {
            lines << QStringLiteral("Весы «%1» не отвечают: сделано %2 из %3.").arg(s.name).arg(s.done).arg(s.total);
            continue;
        }
        if (s.stuck) {
            lines << QStringLiteral("Весы «%1» не отвечают на команду %2: сделано %3 из %4.")
                         .arg(s.name, stuckWhat(s))
                         .arg(s.done)
                         .arg(s.total);
            continue;
        }
        // A read skips the numbers a scale does not hold; that is no failure of the read.
        if (!s.refused.isEmpty() && !isRecordRead(r.command))
            lines << refusedRecordsLine(r.command, s.name, s.refused);
        if (!s.refusedSteps.isEmpty())
            lines << refusedSteps.arg(s.name, stepsWhat(s.refusedSteps));
    }
    if (!lines.isEmpty())
        return {true, lines.join(QLatin1Char('\n'))};
    return {false, successText(r)};
}

QString scaleLine(const ScaleStatus &s, CommandState command)
{
    if (!s.unreachable.isEmpty())
        return QStringLiteral("%1 — недоступны: %2").arg(s.name, s.unreachable);
    QString line = QStringLiteral("%1: %2 из %3").arg(s.name).arg(s.done).arg(s.total);
    if (!s.refused.isEmpty())
        line += (isRecordRead(command) ? QStringLiteral("; нет в весах: ") : QStringLiteral("; не приняты: "))
                + numberList(s.refused);
    if (!s.refusedSteps.isEmpty())
        line += QStringLiteral("; отказ: ") + stepsWhat(s.refusedSteps);
    if (s.timedOut)
        line += QStringLiteral(" — не отвечает, обмен с ними закончен");
    else if (s.stuck)
        line += QStringLiteral(" — не отвечает на команду %1, обмен с ними закончен").arg(stuckWhat(s));
    else if (s.stopped && !s.answered)
        line += QStringLiteral(" — не ответили ни разу, обмен прекращён");
    else if (s.stopped && s.silent)
        line += QStringLiteral(" — не отвечает, обмен прекращён");
    else if (s.stopped)
        line += QStringLiteral(" — обмен прекращён");
    else if (s.silent)
        line += QStringLiteral(" — не отвечает");
    return line;
}

} // namespace tevo
