#pragma once
// The command line of tevo-cli: the commands with their options and help texts, and the
// parsing of the arguments into one command to run. Options take their value as the next
// argument or after "=" (--range=1-5); the common options may stand anywhere. The help texts of
// the tables are kept as written (Russian) and translated where the help shows them.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tevo::cli {

// Bad arguments: exit status 2 with the text on standard error.
struct UsageError {
    QString text;
};

struct OptionSpec {
    QString name;      // "--range"
    QString valueName; // "R"; empty for a flag
    QString help;
    bool required = false;
};

class Runner;

struct CommandSpec {
    QString name;            // "write-goods"
    QStringList positionals; // names of the positional arguments ("WHAT", "FILE")
    QStringList choices;     // allowed values of the first positional, when it is a choice
    QVector<OptionSpec> options;
    QString summary;                      // one line for the command list
    QString details;                      // more lines for its --help
    bool exchange = false;                // talks to the scales: --timeout and --fast apply
    int (*run)(Runner &runner) = nullptr; // runs the command; returns its exit status
};

// Every command, in the order of the command list.
const QVector<CommandSpec> &commandSpecs();
const CommandSpec *findCommand(const QString &name);

struct CliArguments {
    QString command;                // empty: none given
    QHash<QString, QString> values; // option → value ("" for a flag), without the common ones
    QStringList positionals;
    QString db;              // --db PATH; empty: the data folder's database
    int timeoutSeconds = 30; // --timeout SECONDS; 0: never
    bool json = false;
    bool fast = false;
    bool help = false;
    bool version = false;

    bool has(const QString &option) const { return values.contains(option); }
    QString value(const QString &option) const { return values.value(option); }
};

// Throws UsageError.
CliArguments parseArguments(const QStringList &arguments);

QString programHelp();
QString commandHelp(const CommandSpec &command);
QString versionText();

} // namespace tevo::cli
