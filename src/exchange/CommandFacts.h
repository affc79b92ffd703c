#pragma once
// What is known of each command state in one place: the name the command line and its JSON
// report use, the words that name the command to the user ("запись товаров"), and the name of
// the long table operation a goods or messages exchange holds the store's guard under.
#include "exchange/ExchangeReport.h"

#include <QString>

namespace tevo {

struct CommandFacts {
    CommandState state = CommandState::None;
    const char *stepName = "none"; // "goods-write", … (tevo-cli's reports)
    const char *action = "";       // "запись товаров": names the command in the texts
    const char *guardName = "";    // "запись товаров в весы"; "" for an exchange that holds no table
};

// The facts of a state; a state without a description gets the facts of None.
const CommandFacts &commandFacts(CommandState state);

} // namespace tevo
