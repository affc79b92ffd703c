#include "commands/ExchangeTexts.h"

#include "common/Convert.h"
#include "exchange/CommandFacts.h"
#include "exchange/ScaleChannels.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
// The texts of this unit, translated under the context "ExchangeTexts".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ExchangeTexts)
};
} // namespace

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
    const QString text = c == CommandState::MessagesWrite ? Tr::tr("%1 отказались принять сообщения: %2")
                                                          : Tr::tr("%1 отказались принять PLU: %2");
    return text.arg(title, numberList(numbers));
}

QString stepWhat(CommandState c)
{
    const QString what = factText(commandFacts(c).what);
    return what.isEmpty() ? Tr::tr("команду %1").arg(int(c)) : what;
}

// "«запись товаров» (PLU 5)": the command a scale got stuck at, with its record.
QString stuckWhat(const ScaleStatus &s)
{
    QString what = QStringLiteral("«%1»").arg(factText(commandFacts(s.stuckStep).action));
    if (s.stuckRecord > 0)
        what += (s.stuckStep == CommandState::MessagesWrite || s.stuckStep == CommandState::MessagesRead
                     ? Tr::tr(" (сообщение %1)")
                     : QStringLiteral(" (PLU %1)"))
                    .arg(s.stuckRecord);
    return what;
}

QString stepsWhat(const QVector<CommandState> &steps)
{
    QStringList parts;
    for (CommandState s : steps)
        parts << stepWhat(s);
    return parts.join(Tr::tr(" и "));
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
            parts << Tr::tr("… (всего %1)").arg(numbers.size());
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
    // not translated: the Russian forms; the other languages take the plural forms of their translation
    return countText("ExchangeTexts", QT_TRANSLATE_N_NOOP("ExchangeTexts", "%n расхождений"), n, "расхождение",
                     "расхождения", "расхождений");
}
} // namespace

QString differenceKindText(RecordDifference::Kind kind)
{
    switch (kind) {
    case RecordDifference::Kind::Differs:
        return Tr::tr("отличается");
    case RecordDifference::Kind::Missing:
        return Tr::tr("нет в весах");
    case RecordDifference::Kind::Extra:
        return Tr::tr("лишний в весах");
    }
    return {};
}

QString verifySummaryLine(const ScaleVerify &s)
{
    if (!s.answered)
        return Tr::tr("%1 не ответили: сверка не сделана.").arg(scaleTitle(s.name, s.address));
    QString line =
        Tr::tr("%1: %2 из %3").arg(scaleTitle(s.name, s.address), differencesText(s.differingRecords())).arg(s.total);
    if (!s.complete)
        line += Tr::tr(" (сверено не всё: весы перестали отвечать)");
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
        isRead(r.command) ? Tr::tr("%1 отказались передать %2") : Tr::tr("%1 отказались принять %2");
    QStringList lines;
    QStringList counts; // "Только изменённые": what each scale was sent and already held
    for (const ScaleStatus &s : r.scales) {
        const QString title = scaleTitle(s.name, s.address);
        if (r.changedOnly && s.unreachable.isEmpty())
            counts << Tr::tr("%1: отправлено %2, уже были в весах %3").arg(title).arg(s.taken).arg(s.held);
        if (!s.unreachable.isEmpty()) {
            lines << unreachableScaleText(s.name, s.address, s.row, s.unreachable);
            continue;
        }
        if (s.timedOut) {
            lines << Tr::tr("%1 не отвечают: сделано %2 из %3.").arg(title).arg(s.done).arg(s.total);
            continue;
        }
        if (s.stuck) {
            lines << Tr::tr("%1 не отвечают на команду %2: сделано %3 из %4.").arg(title, stuckWhat(s)).arg(s.done).arg(s.total);
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
        return Tr::tr("%1 — недоступны: %2").arg(scaleTitle(s.name, s.address), s.unreachable);
    QString line = Tr::tr("%1: %2 из %3").arg(scaleTitle(s.name, s.address)).arg(s.done).arg(s.total);
    if (!s.refused.isEmpty())
        line += (isRecordRead(command) ? Tr::tr("; нет в весах: ") : Tr::tr("; не приняты: ")) + numberList(s.refused);
    if (!s.refusedSteps.isEmpty())
        line += Tr::tr("; отказ: ") + stepsWhat(s.refusedSteps);
    if (s.timedOut)
        line += Tr::tr(" — не отвечает, обмен с ними закончен");
    else if (s.stuck)
        line += Tr::tr(" — не отвечает на команду %1, обмен с ними закончен").arg(stuckWhat(s));
    else if (s.stopped && !s.answered)
        line += Tr::tr(" — не ответили ни разу, обмен прекращён");
    else if (s.stopped && s.silent)
        line += Tr::tr(" — не отвечает, обмен прекращён");
    else if (s.stopped)
        line += Tr::tr(" — обмен прекращён");
    else if (s.silent)
        line += Tr::tr(" — не отвечает");
    return line;
}

} // namespace tevo
