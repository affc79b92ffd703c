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
QString refusedRecordsLine(CommandState c, const QString &title, const QVector<int> &numbers)
{
    const QString text = c == CommandState::MessagesWrite ? QStringLiteral("%1 отказались принять сообщения: %2")
                                                          : QStringLiteral("%1 отказались принять PLU: %2");
    return text.arg(title, numberList(numbers));
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

namespace {
// "1 расхождение", "3 расхождения", "12 расхождений".
QString differencesText(int n)
{
    const int tens = n % 100, units = n % 10;
    const char *word = units == 1 && tens != 11                               ? "расхождение"
                       : units >= 2 && units <= 4 && (tens < 12 || tens > 14) ? "расхождения"
                                                                              : "расхождений";
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(word));
}
} // namespace

QString differenceKindText(RecordDifference::Kind kind)
{
    switch (kind) {
    case RecordDifference::Kind::Differs:
        return QStringLiteral("отличается");
    case RecordDifference::Kind::Missing:
        return QStringLiteral("нет в весах");
    case RecordDifference::Kind::Extra:
        return QStringLiteral("лишний в весах");
    }
    return {};
}

QString verifySummaryLine(const ScaleVerify &s)
{
    if (!s.answered)
        return QStringLiteral("%1 не ответили: сверка не сделана.").arg(scaleTitle(s.name, s.address));
    QString line =
        QStringLiteral("%1: %2 из %3").arg(scaleTitle(s.name, s.address), differencesText(s.differingRecords())).arg(s.total);
    if (!s.complete)
        line += QStringLiteral(" (сверено не всё: весы перестали отвечать)");
    return line;
}

EndText verifyText(const VerifyReport &r)
{
    QStringList lines;
    if (!r.failure.isEmpty())
        lines << r.failure;
    for (const ScaleVerify &s : r.scales)
        lines << verifySummaryLine(s);
    return {!r.matches(), lines.join(QLatin1Char('\n'))};
}

EndText endText(const ExchangeReport &r)
{
    if (r.end != ExchangeReport::End::Finished)
        return {};
    if (r.command == CommandState::GoodsVerify || r.command == CommandState::MessagesVerify)
        return {}; // verifyText, with what the check found
    const QString refusedSteps =
        isRead(r.command) ? QStringLiteral("%1 отказались передать %2") : QStringLiteral("%1 отказались принять %2");
    QStringList lines;
    QStringList counts; // "Только изменённые": what each scale was sent and already held
    for (const ScaleStatus &s : r.scales) {
        const QString title = scaleTitle(s.name, s.address);
        if (r.changedOnly && s.unreachable.isEmpty())
            counts << QStringLiteral("%1: отправлено %2, уже были в весах %3").arg(title).arg(s.taken).arg(s.held);
        if (!s.unreachable.isEmpty()) {
            lines << unreachableScaleText(s.name, s.row, s.unreachable);
            continue;
        }
        if (s.timedOut) {
            lines << QStringLiteral("%1 не отвечают: сделано %2 из %3.").arg(title).arg(s.done).arg(s.total);
            continue;
        }
        if (s.stuck) {
            lines << QStringLiteral("%1 не отвечают на команду %2: сделано %3 из %4.")
                         .arg(title, stuckWhat(s))
                         .arg(s.done)
                         .arg(s.total);
            continue;
        }
        // A read skips the numbers a scale does not hold; that is no failure of the read.
        if (!s.refused.isEmpty() && !isRecordRead(r.command))
            lines << refusedRecordsLine(r.command, title, s.refused);
        if (!s.refusedSteps.isEmpty())
            lines << refusedSteps.arg(title, stepsWhat(s.refusedSteps));
    }
    if (!lines.isEmpty())
        return {true, (lines + counts).join(QLatin1Char('\n'))};
    return {false, (QStringList{successText(r)} + counts).join(QLatin1Char('\n'))};
}

QString scaleLine(const ScaleStatus &s, CommandState command)
{
    if (!s.unreachable.isEmpty())
        return QStringLiteral("%1 — недоступны: %2").arg(s.name, s.unreachable);
    QString line = QStringLiteral("%1: %2 из %3").arg(scaleTitle(s.name, s.address)).arg(s.done).arg(s.total);
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
