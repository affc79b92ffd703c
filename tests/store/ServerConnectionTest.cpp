// Connection strings as libpq reads them, split the way the Qt driver takes them, and what the
// user is shown of them.
#include "common/Error.h"
#include "store/DatabaseLocation.h"

#include <gtest/gtest.h>

using namespace tevo;

namespace {

struct ParseCase {
    const char *name;
    const char *text;
    const char *host, *port, *dbname, *user, *password;
    const char *options; // optionsText()
};

TEST(ServerConnection, SplitsAConnectionStringAsLibpqReadsIt)
{
    const ParseCase cases[] = {
        {"plain", "host=shop port=5432 dbname=tevo user=kassa", "shop", "5432", "tevo", "kassa", "", ""},
        {"blanks around = and at the ends", "  host = shop\tdbname= tevo  ", "shop", "", "tevo", "", "", ""},
        {"quoted, with blanks, quotes and backslashes", R"(password='it\'s' user='a b' dbname='q\\y')", "", "",
         R"(q\y)", "a b", "it's", ""},
        {"an empty quoted value", "password='' user=u", "", "", "", "u", "", ""},
        {"other keys kept in order, keys folded", "SSLMODE=require host=h options='-c search_path=x'", "h", "", "", "",
         "", "sslmode='require' options='-c search_path=x'"},
        {"a backslash outside quotes", R"(password=a\ b)", "", "", "", "", "a b", ""},
        {"a list of hosts and ports", "host=a,b port=1,2", "a,b", "1,2", "", "", "", ""},
    };
    for (const ParseCase &c : cases) {
        SCOPED_TRACE(c.name);
        const ServerConnection s = ServerConnection::parse(QString::fromUtf8(c.text));
        EXPECT_EQ(s.host, QString::fromUtf8(c.host));
        EXPECT_EQ(s.port, QString::fromUtf8(c.port));
        EXPECT_EQ(s.dbname, QString::fromUtf8(c.dbname));
        EXPECT_EQ(s.user, QString::fromUtf8(c.user));
        EXPECT_EQ(s.password, QString::fromUtf8(c.password));
        EXPECT_EQ(s.optionsText().toStdString(), c.options);
        // Written out again, it reads back the same.
        const ServerConnection again = ServerConnection::parse(s.text());
        EXPECT_EQ(again.text(), s.text());
        EXPECT_EQ(again.password, s.password);
    }
}

TEST(ServerConnection, RefusesWhatLibpqWouldNotRead)
{
    // No text quotes a value of the string (a password written with a blank, unquoted, would
    // show its second half).
    const struct {
        const char *text;
        const char *error;
        const char *secret;
    } cases[] = {
        {"host=a dbname", "missing \"=\" after the value of \"host\"", "dbname"},
        {"host", "missing \"=\" at the start", "host"},
        {"=x", "missing \"=\" at the start", "x"},
        {"password=abc def", "missing \"=\" after the value of \"password\"", "def"},
        {"user=kassa password=s3cr3t hunter2 dbname=tevo", "after the value of \"password\"", "hunter2"},
        {"password='open", "unterminated quoted string", "open"},
        {"postgresql://kassa@shop/tevo", "key=value pairs", "kassa"},
    };
    for (const auto &c : cases) {
        try {
            ServerConnection::parse(QString::fromUtf8(c.text));
            ADD_FAILURE() << c.text << " was read";
        } catch (const DatabaseError &e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(c.error))) << c.text << ": " << e.text().toStdString();
            EXPECT_FALSE(e.text().contains(QString::fromUtf8(c.secret))) << c.text << ": " << e.text().toStdString();
        }
    }
}

TEST(ServerConnection, TheUserIsNeverShownThePassword)
{
    const DatabaseLocation server =
        DatabaseLocation::server(QStringLiteral("host=shop password='s3cret word' dbname=tevo sslmode=require "
                                                "sslpassword=k3y"));
    EXPECT_EQ(server.describe(), QStringLiteral("сервер PostgreSQL host=shop dbname=tevo sslmode=require"));
    EXPECT_EQ(DatabaseLocation::file(QStringLiteral("/data/TevoDataBase.gdb")).describe(),
              QStringLiteral("файл /data/TevoDataBase.gdb"));
}

} // namespace
