#pragma once
// Qt's database drivers write warnings of their own to the terminal ("QSqlQuery::exec: database
// not open", "Unable to free statement" …). The program says what went wrong in its own texts
// (the error box, tevo-cli's standard error), so those warnings are dropped; every other
// message goes where it went before.
namespace tevo {

// Installs the filter for the whole program (once, at the start of main).
void keepDriverWarningsQuiet();

// True for a message text the filter drops.
bool isDriverWarning(const char *message);

} // namespace tevo
