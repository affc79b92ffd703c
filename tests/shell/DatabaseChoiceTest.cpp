// Choosing the database: the embedded file, or the PostgreSQL server that Database.ini names;
// a server that cannot be reached is a failed open, tried again at the next activation; the
// about box says which database is in use.
#include "ShellFixture.h"

#include "store/DatabaseChoice.h"
#include "store/SqlDialect.h"

#include <QFile>
#include <QLabel>

using namespace tevo;
using tevo::test::ShellTest;

namespace {

using DatabaseChoiceTest = ShellTest;

QString aboutDatabase(AppWindows &w)
{
    auto *label = w.aboutDialog.findChild<QLabel *>(QStringLiteral("DatabaseInUse"));
    if (!label)
        return QStringLiteral("<no label>");
    w.aboutDialog.show();
    const QString text = label->text();
    w.aboutDialog.hide();
    return text;
}

TEST_F(DatabaseChoiceTest, WithoutAServerTheEmbeddedFileIsUsed)
{
    // No Database.ini.
    AppWindows &w = activated();
    EXPECT_TRUE(w.mainWindow.store().tablesOpen());
    EXPECT_FALSE(w.mainWindow.store().database().location().isServer());
    EXPECT_EQ(aboutDatabase(w), QStringLiteral("База данных: файл ") + scratch.databasePath());
    windows.reset();
}

// A Database.ini that names no server is never taken for "no server": the open fails with the
// file and what is wrong with it, as for a server that cannot be reached, and the embedded file
// of this computer is not used.
TEST_F(DatabaseChoiceTest, ADatabaseIniThatNamesNoServerFailsTheOpenNamingTheFile)
{
    const struct {
        QByteArray ini;
        QString why;
    } cases[] = {
        {"[Database]\r\nServer=\r\n", QStringLiteral("строка Server= пуста")},
        {"[Database]\r\nSever=host=shop dbname=tevo\r\n", QStringLiteral("нет строки Server= (есть: Sever)")},
        {"[Datbase]\r\nServer=host=shop dbname=tevo\r\n", QStringLiteral("нет раздела [Database]")},
        {QByteArray("\x01\x02junk\xff", 7), QStringLiteral("нет раздела [Database]")},
    };
    for (const auto &c : cases) {
        scratch.writeFile(QLatin1String(kDatabaseChoiceFileName), c.ini);
        AppWindows &w = open();
        w.mainWindow.runActivationSteps();
        ASSERT_EQ(Dialogs::shownTexts().size(), 1) << c.why.toStdString();
        EXPECT_EQ(Dialogs::shownKinds().first(), Dialogs::Kind::Error);
        const QString text = Dialogs::shownTexts().first();
        EXPECT_TRUE(text.contains(scratch.file(QLatin1String(kDatabaseChoiceFileName))) && text.contains(c.why))
            << text.toStdString();
        EXPECT_FALSE(w.mainWindow.store().tablesOpen()) << c.why.toStdString();
        windows.reset();
        Dialogs::reset();
    }
}

// A password in a Database.ini that others may read is warned of, without the password.
TEST_F(DatabaseChoiceTest, APasswordInADatabaseIniOthersMayReadIsWarnedOf)
{
    const QString ini = scratch.file(QLatin1String(kDatabaseChoiceFileName));
    const struct {
        QByteArray server;
        QFileDevice::Permissions permissions;
        bool warned;
    } cases[] = {
        {"host=shop dbname=tevo password=s3cr3t", QFileDevice::ReadOwner | QFileDevice::ReadOther, true},
        {"host=shop dbname=tevo sslpassword=s3cr3t", QFileDevice::ReadOwner | QFileDevice::ReadGroup, true},
        {"host=shop dbname=tevo password=s3cr3t", QFileDevice::ReadOwner | QFileDevice::WriteOwner, false},
        {"host=shop dbname=tevo user=kassa", QFileDevice::ReadOwner | QFileDevice::ReadOther, false},
    };
    for (const auto &c : cases) {
        QFile::remove(ini);
        scratch.writeFile(QLatin1String(kDatabaseChoiceFileName), "[Database]\r\nServer=" + c.server + "\r\n");
        ASSERT_TRUE(QFile::setPermissions(ini, c.permissions));
        const QString warning = databaseChoiceWarning();
        EXPECT_EQ(!warning.isEmpty(), c.warned) << c.server.constData();
        EXPECT_FALSE(warning.contains(QStringLiteral("s3cr3t")));
        if (c.warned) {
            EXPECT_TRUE(warning.contains(ini)) << warning.toStdString();
        }
    }
}

TEST_F(DatabaseChoiceTest, AServerThatCannotBeReachedFailsTheOpenAndTheNextActivationTriesAgain)
{
    if (test::testCluster().isEmpty())
        GTEST_SKIP() << "no PostgreSQL test cluster: set TEVO_TEST_PG (scripts/pg-test-cluster.sh starts one)";
    test::ServerDatabase server;
    const DatabaseLocation where = DatabaseLocation::server(server.connectionString());
    test::execOn(where, {QStringLiteral("UPDATE T SET TNAME1 = 'С сервера' WHERE NPLU = 1")});

    scratch.writeFile(QLatin1String(kDatabaseChoiceFileName),
                      "[Database]\r\nServer=host=127.0.0.1 port=1 dbname=tevo user=kassa password=secret\r\n");
    // Readable by its owner only, as a file holding a password is kept (no warning of it here).
    ASSERT_TRUE(QFile::setPermissions(scratch.file(QLatin1String(kDatabaseChoiceFileName)),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    AppWindows &w = open();
    MainWindow &form = w.mainWindow;
    form.runActivationSteps();
    ASSERT_EQ(Dialogs::shownTexts().size(), 1);
    EXPECT_EQ(Dialogs::shownKinds().first(), Dialogs::Kind::Error);
    EXPECT_TRUE(Dialogs::shownTexts().first().contains(QStringLiteral("Connection refused")))
        << Dialogs::shownTexts().first().toStdString();
    EXPECT_FALSE(form.store().tablesOpen());
    EXPECT_TRUE(form.appState().startMinimized());
    EXPECT_EQ(aboutDatabase(w),
              QStringLiteral(
                  "База данных: сервер PostgreSQL host=127.0.0.1 port=1 dbname=tevo user=kassa (не открыта)"));

    scratch.writeFile(QLatin1String(kDatabaseChoiceFileName),
                      QStringLiteral("[Database]\r\nServer=%1\r\n").arg(server.connectionString()).toUtf8());
    Dialogs::reset();
    form.runActivationSteps();
    EXPECT_TRUE(Dialogs::shownTexts().isEmpty()) << Dialogs::shownTexts().join(' ').toStdString();
    ASSERT_TRUE(form.store().tablesOpen());
    EXPECT_FALSE(form.appState().startMinimized());
    EXPECT_EQ(form.store().goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("С сервера"));
    EXPECT_EQ(aboutDatabase(w), QStringLiteral("База данных: ") + where.describe());
    windows.reset(); // while the server database is still there
}

} // namespace
