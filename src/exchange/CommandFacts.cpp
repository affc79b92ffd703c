#include "exchange/CommandFacts.h"

#include <array>

namespace tevo {

namespace {
constexpr auto kOne = ScaleRule::ExactlyOne;
constexpr auto kAny = ScaleRule::AtLeastOne;
const char *const kNoScale = "Не выбраны ни одни весы!";
const char *const kOnlyOne = "Выберите только одни весы!";
constexpr int kSlow = 500; // the pace of the slow commands; nothing sets it back

// clang-format off
const std::array<CommandFacts, 18> kFacts = {{
    // state                       step name          action                        what                  read   rule  count error   poll   success text                                     guard name
    {CommandState::None,          "none",            "",                           "",                   false, kAny, "",           0,     "",                                              ""},
    {CommandState::SettingsRead,  "settings-read",   "чтение настроек",            "настройки",          true,  kOne, kOnlyOne,     kSlow, "Настройки пользователя успешно считаны.",       ""},
    {CommandState::HeaderRead,    "header-read",     "чтение заголовка магазина",  "заголовок магазина", true,  kOne, kOnlyOne,     0,     "",                                              ""},
    {CommandState::LogoRead,      "logo-read",       "чтение логотипа",            "логотип",            true,  kOne, kOnlyOne,     0,     "",                                              ""},
    {CommandState::CheckReply,    "check",           "проверка связи",             "",                   true,  kAny, "",           0,     "",                                              ""},
    {CommandState::SettingsWrite, "settings-write",  "запись настроек",            "настройки",          false, kAny, kNoScale,     0,     "Настройки пользователя успешно переданы.",      ""},
    {CommandState::HeaderWrite,   "header-write",    "запись заголовка магазина",  "заголовок магазина", false, kAny, kNoScale,     0,     "",                                              ""},
    {CommandState::LogoWrite,     "logo-write",      "запись логотипа",            "логотип",            false, kOne, kOnlyOne,     kSlow, "Логотип успешно записан.",                      ""},
    {CommandState::DateWrite,     "date-write",      "установка даты",             "дату",               false, kAny, kNoScale,     kSlow, "Дата и время синхронизированы с компьютером.",  ""},
    {CommandState::TimeWrite,     "time-write",      "установка времени",          "время",              false, kAny, kNoScale,     0,     "",                                              ""},
    {CommandState::GoodsRead,     "goods-read",      "чтение товаров",             "",                   true,  kOne, kOnlyOne,     0,     "Запрошенные PLU успешно считаны",               "чтение товаров из весов"},
    {CommandState::GoodsWrite,    "goods-write",     "запись товаров",             "",                   false, kAny, kNoScale,     0,     "Все PLU успешно записаны в весы %1",            "запись товаров в весы"},
    {CommandState::MessagesRead,  "messages-read",   "чтение сообщений",           "",                   true,  kOne, "На вкладеке \"Настройка\" выберите только одни весы!",
                                                                                                                                    0,     "Запрошенные сообщения успешно считаны",         "чтение сообщений из весов"},
    {CommandState::MessagesWrite, "messages-write",  "запись сообщений",           "",                   false, kAny, kNoScale,     0,     "Все сообщения успешно записаны",                "запись сообщений в весы"},
    {CommandState::GoodsVerify,   "goods-verify",    "сверка товаров с весами",    "",                   true,  kAny, kNoScale,     0,     "",                                              "сверка товаров с весами"},
    {CommandState::MessagesVerify,"messages-verify", "сверка сообщений с весами",  "",                   true,  kAny, kNoScale,     0,     "",                                              "сверка сообщений с весами"},
    {CommandState::TotalsRead,    "totals-read",     "чтение итогов продаж",       "итоги продаж",       true,  kOne, kOnlyOne,     kSlow, "",                                              ""},
    {CommandState::StateRead,     "state-read",      "чтение состояния весов",     "состояние весов",    true,  kOne, kOnlyOne,     kSlow, "",                                              ""},
}};
// clang-format on
} // namespace

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
