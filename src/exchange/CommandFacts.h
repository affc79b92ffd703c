#pragma once
// What is known of each command state, in one table that the engine, the starters, the end
// texts and the command line read: the name tevo-cli's reports use, the words that name the
// command and what its step carries, whether it reads, which scales it needs and the error
// when they are not chosen, the poll interval it sets, the success text, and the name of the
// long table operation a goods or messages exchange holds the store's guard under. The first
// step of an exchange names the command; later steps (the header after the settings) have
// facts of their own for the texts that name a step.
#include "exchange/ExchangeCommand.h"

#include <QString>

namespace tevo {

struct CommandFacts {
    CommandState state = CommandState::None;
    const char *stepName = "none"; // "goods-write", … (tevo-cli's reports)
    const char *action = "";       // "запись товаров": names the command in the texts
    const char *what = "";         // "заголовок магазина": what a step carries, for its refusal
    bool read = false;             // the scale sends data back
    ScaleRule rule = ScaleRule::AtLeastOne;
    const char *countError = ""; // when the chosen scales break the rule
    int pollInterval = 0;        // Timer1's interval from the start on; 0 leaves it
    const char *success = "";    // the end text when every scale did everything; "" none
    const char *guardName = "";  // "запись товаров в весы"; "" for an exchange that holds no table
};

// The facts of a state; a state without a description gets the facts of None.
const CommandFacts &commandFacts(CommandState state);

// A text of the facts as shown, in the language of the program ("" stays empty).
QString factText(const char *text);

// A plan of the steps with what the first step's facts say: the scales rule, its error, the
// poll interval.
ExchangePlan planFor(ExchangeCommand &command, QVector<CommandState> steps);

} // namespace tevo
