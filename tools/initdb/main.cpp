// tevo-initdb: makes the database with the empty tables T (4000 goods), M (1000 messages) and
// S, as a file or in a database on a PostgreSQL server, and the empty dBase template the goods
// export starts from. The program makes the same file with the same code when it first starts
// in the user's data folder.
#include "common/Error.h"
#include "fileio/DbfTemplate.h"
#include "store/DatabaseFile.h"
#include "store/DatabaseLocation.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

const char kUsage[] = "usage: tevo-initdb [--if-missing | --force] DATABASE\n"
                      "       tevo-initdb [--if-missing | --force] --server \"CONNECTION STRING\"\n"
                      "       tevo-initdb --dbf-template-if-missing FILE\n"
                      "--server makes the tables in a PostgreSQL database named by a libpq connection\n"
                      "string (host=... port=... dbname=... user=...); tables that exist are left as\n"
                      "they are unless --force replaces them. The password is never given here (other\n"
                      "users see a command line): it comes from ~/.pgpass, or is asked for.\n";

int fail(const QString &text)
{
    std::fprintf(stderr, "tevo-initdb: %s\n", qPrintable(text));
    return 1;
}

int usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

// Tables that exist are kept (and named); --force makes them again. Without --if-missing,
// nothing to make is a failure, as for the file.
// The password, typed at the terminal without echo; empty when there is no terminal.
QString askPassword(const QString &user)
{
    if (!isatty(STDIN_FILENO))
        return {};
    std::fprintf(stderr, "Password for %s: ", qPrintable(user.isEmpty() ? QStringLiteral("the server") : user));
    termios before{};
    tcgetattr(STDIN_FILENO, &before);
    termios quiet = before;
    quiet.c_lflag &= ~tcflag_t(ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    std::string line;
    for (int ch = std::getchar(); ch != EOF && ch != '\n'; ch = std::getchar())
        line.push_back(char(ch));
    tcsetattr(STDIN_FILENO, TCSANOW, &before);
    std::fputc('\n', stderr);
    return QString::fromStdString(line);
}

int makeOnServer(const QString &connection, const QString &option)
{
    tevo::ServerConnection c = tevo::ServerConnection::parse(connection);
    bool withPassword = !c.password.isEmpty();
    for (const auto &o : c.options)
        withPassword = withPassword || o.first.contains(QLatin1String("password"));
    if (withPassword) {
        std::fputs("tevo-initdb: no password on the command line (other users see it, and it stays in the shell's "
                   "history): put it into ~/.pgpass (host:port:dbname:user:password, readable by you only), or "
                   "leave it out and type it when asked\n",
                   stderr);
        return 2;
    }
    const bool force = option == QLatin1String("--force");
    tevo::ServerTables result;
    try {
        result = tevo::makeServerTables(connection, force);
    } catch (const tevo::DatabaseError &e) {
        // The server wants a password that ~/.pgpass does not hold: asked for at the terminal.
        if (!e.text().contains(QLatin1String("password")))
            throw;
        c.password = askPassword(c.user);
        if (c.password.isEmpty())
            throw;
        result = tevo::makeServerTables(c.text(), force);
    }
    if (!result.made.isEmpty())
        std::printf("tevo-initdb: made %s on the server\n", qPrintable(result.made.join(QLatin1String(", "))));
    if (!result.kept.isEmpty() && option != QLatin1String("--if-missing"))
        std::fprintf(stderr, "tevo-initdb: left as they are on the server: %s (--force replaces them)\n",
                     qPrintable(result.kept.join(QLatin1String(", "))));
    return result.made.isEmpty() && option != QLatin1String("--if-missing") ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 1 && (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h"))) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (args.size() == 1 && args.first() == QLatin1String("--version")) {
        std::printf("tevo-initdb %s\n", TEVO_VERSION);
        return 0;
    }
    QString option;
    if (!args.isEmpty() && args.first().startsWith(QLatin1String("--")) && args.first() != QLatin1String("--server"))
        option = args.takeFirst();
    const bool server = !args.isEmpty() && args.first() == QLatin1String("--server");
    if (server)
        args.removeFirst();
    if (args.size() != 1)
        return usage();
    const QString target = args.first();
    const bool databaseOption =
        option.isEmpty() || option == QLatin1String("--if-missing") || option == QLatin1String("--force");
    try {
        if (server) {
            if (!databaseOption)
                return usage();
            return makeOnServer(target, option);
        }
        if (databaseOption) {
            if (option == QLatin1String("--force") && QFileInfo::exists(target) && !QFile::remove(target))
                return fail(QStringLiteral("cannot remove %1").arg(target));
            if (tevo::makeDatabaseFileIfMissing(target)) {
                std::printf("tevo-initdb: made %s\n", qPrintable(target));
                return 0;
            }
            if (option == QLatin1String("--if-missing"))
                return 0;
            return fail(QStringLiteral("%1 exists; --force replaces it").arg(target));
        }
        if (option == QLatin1String("--dbf-template-if-missing")) {
            tevo::writeDbfTemplateIfMissing(target);
            return 0;
        }
    } catch (const tevo::Error &e) {
        return fail(e.text());
    }
    std::fprintf(stderr, "tevo-initdb: unknown option %s\n%s", qPrintable(option), kUsage);
    return 2;
}
