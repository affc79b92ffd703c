#include "exchange/CommandFacts.h"

#include <QCoreApplication>
#include <array>

namespace tevo {

namespace {
// The texts of the table are translated where they are shown (factText), in the context
// "CommandFacts".
constexpr auto kOne = ScaleRule::ExactlyOne;
constexpr auto kAny = ScaleRule::AtLeastOne;
const char *const kNoScale = QT_TRANSLATE_NOOP("CommandFacts", "Не выбраны ни одни весы!");
const char *const kOnlyOne = QT_TRANSLATE_NOOP("CommandFacts", "Выберите только одни весы!");
constexpr int kSlow = 500; // the pace of the slow commands; nothing sets it back

// clang-format off
const std::array<CommandFacts, 18> kFacts = {{
    // state                       step name          action                        what                  read   rule  count error   poll   success text                                     guard name
    {CommandState::None,          "none",            "",                           "",                   false, kAny, "",           0,     "",                                              ""},
    {CommandState::SettingsRead,  "settings-read",   QT_TRANSLATE_NOOP("CommandFacts", "чтение настроек"),            QT_TRANSLATE_NOOP("CommandFacts", "настройки"),          true,  kOne, kOnlyOne,     kSlow, QT_TRANSLATE_NOOP("CommandFacts", "Настройки пользователя успешно считаны."),       ""},
    {CommandState::HeaderRead,    "header-read",     QT_TRANSLATE_NOOP("CommandFacts", "чтение заголовка магазина"),  QT_TRANSLATE_NOOP("CommandFacts", "заголовок магазина"), true,  kOne, kOnlyOne,     0,     "",                                              ""},
    {CommandState::LogoRead,      "logo-read",       QT_TRANSLATE_NOOP("CommandFacts", "чтение логотипа"),            QT_TRANSLATE_NOOP("CommandFacts", "логотип"),            true,  kOne, kOnlyOne,     0,     "",                                              ""},
    {CommandState::CheckReply,    "check",           QT_TRANSLATE_NOOP("CommandFacts", "проверка связи"),             "",                   true,  kAny, "",           0,     "",                                              ""},
    {CommandState::SettingsWrite, "settings-write",  QT_TRANSLATE_NOOP("CommandFacts", "запись настроек"),            QT_TRANSLATE_NOOP("CommandFacts", "настройки"),          false, kAny, kNoScale,     0,     QT_TRANSLATE_NOOP("CommandFacts", "Настройки пользователя успешно переданы."),      ""},
    {CommandState::HeaderWrite,   "header-write",    QT_TRANSLATE_NOOP("CommandFacts", "запись заголовка магазина"),  QT_TRANSLATE_NOOP("CommandFacts", "заголовок магазина"), false, kAny, kNoScale,     0,     "",                                              ""},
    {CommandState::LogoWrite,     "logo-write",      QT_TRANSLATE_NOOP("CommandFacts", "запись логотипа"),            QT_TRANSLATE_NOOP("CommandFacts", "логотип"),            false, kOne, kOnlyOne,     kSlow, QT_TRANSLATE_NOOP("CommandFacts", "Логотип успешно записан."),                      ""},
    {CommandState::DateWrite,     "date-write",      QT_TRANSLATE_NOOP("CommandFacts", "установка даты"),             QT_TRANSLATE_NOOP("CommandFacts", "дату"),               false, kAny, kNoScale,     kSlow, QT_TRANSLATE_NOOP("CommandFacts", "Дата и время синхронизированы с компьютером."),  ""},
    {CommandState::TimeWrite,     "time-write",      QT_TRANSLATE_NOOP("CommandFacts", "установка времени"),          QT_TRANSLATE_NOOP("CommandFacts", "время"),              false, kAny, kNoScale,     0,     "",                                              ""},
    {CommandState::GoodsRead,     "goods-read",      QT_TRANSLATE_NOOP("CommandFacts", "чтение товаров"),             "",                   true,  kOne, kOnlyOne,     0,     QT_TRANSLATE_NOOP("CommandFacts", "Запрошенные PLU успешно считаны"),               QT_TRANSLATE_NOOP("CommandFacts", "чтение товаров из весов")},
    {CommandState::GoodsWrite,    "goods-write",     QT_TRANSLATE_NOOP("CommandFacts", "запись товаров"),             "",                   false, kAny, kNoScale,     0,     QT_TRANSLATE_NOOP("CommandFacts", "Все PLU успешно записаны в весы %1"),            QT_TRANSLATE_NOOP("CommandFacts", "запись товаров в весы")},
    {CommandState::MessagesRead,  "messages-read",   QT_TRANSLATE_NOOP("CommandFacts", "чтение сообщений"),           "",                   true,  kOne, QT_TRANSLATE_NOOP("CommandFacts", "На вкладеке \"Настройка\" выберите только одни весы!"),
                                                                                                                                    0,     QT_TRANSLATE_NOOP("CommandFacts", "Запрошенные сообщения успешно считаны"),         QT_TRANSLATE_NOOP("CommandFacts", "чтение сообщений из весов")},
    {CommandState::MessagesWrite, "messages-write",  QT_TRANSLATE_NOOP("CommandFacts", "запись сообщений"),           "",                   false, kAny, kNoScale,     0,     QT_TRANSLATE_NOOP("CommandFacts", "Все сообщения успешно записаны"),                QT_TRANSLATE_NOOP("CommandFacts", "запись сообщений в весы")},
    {CommandState::GoodsVerify,   "goods-verify",    QT_TRANSLATE_NOOP("CommandFacts", "сверка товаров с весами"),    "",                   true,  kAny, kNoScale,     0,     "",                                              QT_TRANSLATE_NOOP("CommandFacts", "сверка товаров с весами")},
    {CommandState::MessagesVerify,"messages-verify", QT_TRANSLATE_NOOP("CommandFacts", "сверка сообщений с весами"),  "",                   true,  kAny, kNoScale,     0,     "",                                              QT_TRANSLATE_NOOP("CommandFacts", "сверка сообщений с весами")},
    {CommandState::TotalsRead,    "totals-read",     QT_TRANSLATE_NOOP("CommandFacts", "чтение итогов продаж"),       QT_TRANSLATE_NOOP("CommandFacts", "итоги продаж"),       true,  kOne, kOnlyOne,     kSlow, "",                                              ""},
    {CommandState::StateRead,     "state-read",      QT_TRANSLATE_NOOP("CommandFacts", "чтение состояния весов"),     QT_TRANSLATE_NOOP("CommandFacts", "состояние весов"),    true,  kOne, kOnlyOne,     kSlow, "",                                              ""},
}};
// clang-format on
} // namespace

QString factText(const char *text) { return *text ? QCoreApplication::translate("CommandFacts", text) : QString(); }

ExchangePlan planFor(ExchangeCommand &command, QVector<CommandState> steps)
{
    const CommandFacts &f = commandFacts(steps.value(0));
    ExchangePlan plan;
    plan.command = &command;
    plan.steps = std::move(steps);
    plan.rule = f.rule;
    plan.countError = factText(f.countError);
    plan.pollInterval = f.pollInterval;
    return plan;
}

const CommandFacts &commandFacts(CommandState state)
{
    for (const CommandFacts &f : kFacts)
        if (f.state == state)
            return f;
    return kFacts[0];
}

} // namespace tevo
