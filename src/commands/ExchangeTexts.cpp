#include "commands/ExchangeTexts.h"

#include "exchange/ScaleChannels.h"

#include <QStringList>

namespace tevo {

namespace {

constexpr int kMaxListParts = 20;

bool isRecordRead(CommandState c) { return c == CommandState::GoodsRead || c == CommandState::MessagesRead; }

bool isRead(CommandState c)
{
    switch (c) {
    case CommandState::SettingsRead:
    case CommandState::HeaderRead:
    case CommandState::LogoRead:
    case CommandState::GoodsRead:
    case CommandState::MessagesRead:
    case CommandState::TotalsRead:
    case CommandState::StateRead:
        return true;
    default:
        return false;
    }
}

QString successText(const ExchangeReport &r)
{
    switch (r.command) {
    case CommandState::GoodsWrite:
        return QStringLiteral("Все PLU успешно записаны в весы %1").arg(r.recordsDone);
    case CommandState::GoodsRead:
        return QStringLiteral("Запрошенные PLU успешно считаны");
    case CommandState::MessagesWrite:
        return QStringLiteral("Все сообщения успешно записаны");
    case CommandState::MessagesRead:
        return QStringLiteral("Запрошенные сообщения успешно считаны");
    case CommandState::SettingsWrite:
        return QStringLiteral("Настройки пользователя успешно переданы.");
    case CommandState::SettingsRead:
        return QStringLiteral("Настройки пользователя успешно считаны.");
    case CommandState::LogoWrite:
        return QStringLiteral("Логотип успешно записан.");
    case CommandState::DateWrite:
        return QStringLiteral("Дата и время синхронизированы с компьютером.");
    default:
        return {}; // the weighing state and the totals show in their displays only
    }
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
    switch (c) {
    case CommandState::SettingsWrite:
    case CommandState::SettingsRead:
        return QStringLiteral("настройки");
    case CommandState::HeaderWrite:
    case CommandState::HeaderRead:
        return QStringLiteral("заголовок магазина");
    case CommandState::LogoWrite:
    case CommandState::LogoRead:
        return QStringLiteral("логотип");
    case CommandState::DateWrite:
        return QStringLiteral("дату");
    case CommandState::TimeWrite:
        return QStringLiteral("время");
    case CommandState::StateRead:
        return QStringLiteral("состояние весов");
    case CommandState::TotalsRead:
        return QStringLiteral("итоги продаж");
    default:
        return QStringLiteral("команду %1").arg(int(c));
    }
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
