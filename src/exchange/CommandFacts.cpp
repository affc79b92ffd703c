#include "exchange/CommandFacts.h"

#include <array>

namespace tevo {

namespace {
const std::array<CommandFacts, 16> kFacts = {{
    {CommandState::None, "none", "", ""},
    {CommandState::SettingsRead, "settings-read", "чтение настроек", ""},
    {CommandState::HeaderRead, "header-read", "чтение заголовка магазина", ""},
    {CommandState::LogoRead, "logo-read", "чтение логотипа", ""},
    {CommandState::CheckReply, "check", "проверка связи", ""},
    {CommandState::SettingsWrite, "settings-write", "запись настроек", ""},
    {CommandState::HeaderWrite, "header-write", "запись заголовка магазина", ""},
    {CommandState::LogoWrite, "logo-write", "запись логотипа", ""},
    {CommandState::DateWrite, "date-write", "установка даты", ""},
    {CommandState::TimeWrite, "time-write", "установка времени", ""},
    {CommandState::GoodsRead, "goods-read", "чтение товаров", "чтение товаров из весов"},
    {CommandState::GoodsWrite, "goods-write", "запись товаров", "запись товаров в весы"},
    {CommandState::MessagesRead, "messages-read", "чтение сообщений", "чтение сообщений из весов"},
    {CommandState::MessagesWrite, "messages-write", "запись сообщений", "запись сообщений в весы"},
    {CommandState::TotalsRead, "totals-read", "чтение итогов продаж", ""},
    {CommandState::StateRead, "state-read", "чтение состояния весов", ""},
}};
} // namespace

const CommandFacts &commandFacts(CommandState state)
{
    for (const CommandFacts &f : kFacts)
        if (f.state == state)
            return f;
    return kFacts[0];
}

} // namespace tevo
