// tevo-cli: every exchange with the scales and every file command of Tevo without the window,
// for schedules (cron) and accounting systems. See README, "The command line".
#include "cli/CliArguments.h"
#include "cli/CliReport.h"
#include "cli/CliRunner.h"
#include "common/AppPaths.h"
#include "session/Language.h"
#include "store/DriverMessages.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
void print(FILE *f, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
}
} // namespace

int main(int argc, char **argv)
{
    tevo::keepDriverWarningsQuiet();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tevo-cli"));
    // The language chosen in the window's parameters tab, or the system's (session/Language).
    tevo::Language language;
    language.install(tevo::Language::chosen(tevo::besideProgram(QLatin1String(tevo::kColumnWidthsFileName))));
    using namespace tevo::cli;
    CliArguments arguments;
    try {
        arguments = parseArguments(QCoreApplication::arguments().mid(1));
    } catch (const UsageError &e) {
        print(stderr, QStringLiteral("tevo-cli: %1\n").arg(e.text));
        return kBadInput;
    }
    if (arguments.version) {
        print(stdout, versionText() + QLatin1Char('\n'));
        return kDone;
    }
    if (arguments.help) {
        const CommandSpec *command = findCommand(arguments.command);
        print(stdout, command ? commandHelp(*command) : programHelp());
        return kDone;
    }
    Runner runner(arguments);
    return runner.run();
}
