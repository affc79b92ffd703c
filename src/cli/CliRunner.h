#pragma once
// Runs one command of tevo-cli on the program's core: the same store, exchange engine,
// commands, file formats and texts as the window, without any window. The database is the
// data folder's (or --db); changes are committed as soon as each piece of work is done, and a
// change waits a few seconds for another program (the window) that holds the file.
//
// The window's single-copy lock is not taken: the command line is meant to run beside the
// window, and the database file's own locks keep the two apart (see README). It holds the
// command line's mark instead (store/CommandLineMark), by which a program that finds the
// database busy tells that a command holds it.
#include "cli/CliArguments.h"

#include <QJsonObject>
#include <QStringList>
#include <QVector>
#include <memory>

namespace tevo {
class CommandLineMark;
class MemoryParameters;
class ScaleExchange;
class Session;
class Store;
struct Outcome;
enum class CommandState : int;
} // namespace tevo

namespace tevo::cli {

// A command that cannot go on: its exit status and text (standard error).
struct Failure {
    int status;
    QString text;
    bool printed = false; // said on standard error already
    bool busy = false;    // another program's lock outlasted the wait: `text` is the driver's
};

class Runner {
public:
    explicit Runner(const CliArguments &arguments);
    ~Runner();

    // Runs the command and prints its output; returns the exit status.
    int run();

    // The commands, as each command's description (CommandSpec::run) calls them.
    int scalesCommand();
    int checkCommand();
    int transferCommand(bool goods, bool write);
    int verifyCommand();
    int clockCommand();
    int readSettingsCommand();
    int writeSettingsCommand();
    int writeLogoCommand();
    int readoutCommand(bool totals);
    int importCommand();
    // import goods|messages FILE: the tabular import (session/TabularImport).
    int tabularImportCommand();
    int exportCommand();
    int rebuildCommand();
    int dataCheckCommand();
    int loadCommand();
    int historyCommand();

private:
    void openDatabase(bool allTables);
    void commit();
    Store &store();
    ScaleExchange &exchange();
    // Selects the scales of --scales (or --scale) for the exchange; without it the scales
    // whose U is set take part, as in the window.
    void selectScales();
    QVector<int> resolveScales(const QString &list, bool one) const;
    // Starts the exchange of `command` and runs it to its end; prints the report.
    int runExchange(CommandState command, const QString &range = QString());
    // The outcome of an operation: its text said when it was done; otherwise the failure
    // thrown (a file that cannot be read counts as bad input when `readsInput`).
    void take(const Outcome &outcome, bool readsInput);

    void out(const QString &line);
    void say(const QString &text); // a closing text: a line, and "message" in JSON

    const CliArguments &m_args;
    std::unique_ptr<CommandLineMark> m_mark; // held from the opening of a database file to the end
    std::unique_ptr<MemoryParameters> m_parameters;
    std::unique_ptr<Session> m_session;
    QStringList m_lines; // standard output, unless --json
    QJsonObject m_json;  // standard output with --json
    bool m_interrupted = false;
};

} // namespace tevo::cli
