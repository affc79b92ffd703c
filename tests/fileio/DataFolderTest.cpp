// Where the program's files live: beside a program folder the user may write to, in the
// user's data folder when the program's folder is read-only or is the install folder; the
// first start there makes the database and the dBase template and never replaces a file.
#include "FileioTestSupport.h"

#include "common/AppPaths.h"
#include "common/Error.h"
#include "fileio/DataFolder.h"
#include "fileio/DbfTemplate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace tevo;
using namespace tevo::test;

namespace {

// A folder nobody may write to, root included (immutable for root, without write bits for
// anyone else).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &path) : m_path(path)
    {
        if (geteuid() == 0)
            m_done = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
        else
            m_done = QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder()
    {
        if (!m_done)
            return;
        if (geteuid() == 0)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
        else
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool done() const { return m_done; }

private:
    QString m_path;
    bool m_done = false;
};

class DataFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.isValid() && home.isValid());
        m_oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    }
    void TearDown() override
    {
        setProgramDir(QString());
        if (m_oldDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", m_oldDataHome);
    }
    QString userFolder() const { return home.path() + QStringLiteral("/Tevo"); }

    QTemporaryDir program; // the program's folder
    QTemporaryDir home;    // the user's XDG data folder

private:
    QByteArray m_oldDataHome;
};

TEST_F(DataFolder, PlaceFollowsTheProgramFolder)
{
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    const QString link = other.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QFile::link(program.path(), link));
    struct Case {
        const char *what;
        QString programDir, installDir;
        DataPlace expected;
    } cases[] = {
        {"a folder of the user's own", program.path(), QStringLiteral("/usr/bin"), DataPlace::BesideProgram},
        {"the install folder, though writable (root)", program.path(), program.path(), DataPlace::UserDataFolder},
        {"the install folder reached through a link", link, program.path(), DataPlace::UserDataFolder},
        {"a folder that does not exist", program.filePath(QStringLiteral("gone")), QStringLiteral("/usr/bin"),
         DataPlace::UserDataFolder},
    };
    for (const Case &c : cases)
        EXPECT_EQ(dataPlaceFor(c.programDir, c.installDir), c.expected) << c.what;

    // The user's folder is the application data location of the program "Tevo".
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Tevo"));
    EXPECT_EQ(userDataDir(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QCoreApplication::setApplicationName(name);
    EXPECT_EQ(userDataDir(), userFolder());
}

TEST_F(DataFolder, WritableProgramFolderKeepsEverythingBesideIt)
{
    setProgramDir(program.path());
    EXPECT_EQ(dataPlace(), DataPlace::BesideProgram);
    EXPECT_EQ(besideProgram(QLatin1String(kAutoLoadFileName)), program.filePath(QLatin1String(kAutoLoadFileName)));
    EXPECT_TRUE(prepareDataFolder().isEmpty()); // the build makes the files there
    EXPECT_FALSE(QFileInfo::exists(userFolder()));
}

TEST_F(DataFolder, ReadOnlyProgramFolderUsesTheUserFolderMadeOnFirstStart)
{
    ReadOnlyFolder readOnly(program.path());
    if (!readOnly.done())
        GTEST_SKIP() << "this file system cannot make a folder read-only";
    setProgramDir(program.path());
    ASSERT_EQ(dataPlace(), DataPlace::UserDataFolder);
    const QString database = userFolder() + QLatin1Char('/') + QLatin1String(kDatabaseFileName);
    const QString dbfTemplate = userFolder() + QLatin1Char('/') + QLatin1String(kDbfTemplateFileName);
    for (const char *name :
         {kDatabaseFileName, kDbfTemplateFileName, kColumnWidthsFileName, kAutoLoadFileName, kSerialPortsFileName})
        EXPECT_EQ(besideProgram(QLatin1String(name)), userFolder() + QLatin1Char('/') + QLatin1String(name));

    // First start: the folder, a database with the empty tables and the template.
    EXPECT_EQ(prepareDataFolder(), (QStringList{database, dbfTemplate}));
    {
        Store store;
        store.openTables(database);
        EXPECT_EQ(store.goods().count(), 4000);
        EXPECT_EQ(store.messages().count(), 1000);
        store.goods().setValue(0, QStringLiteral("TNAME1"), QStringLiteral("Молоко"));
        store.database().close();
    }
    QFile t(dbfTemplate);
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    EXPECT_EQ(t.readAll(), dbfTemplateBytes());
    t.close();
    EXPECT_EQ(QDir(userFolder()).entryList(QDir::Files),
              (QStringList{QString::fromLatin1(kDbfTemplateFileName), QString::fromLatin1(kDatabaseFileName)}))
        << "no temporary file is left behind";

    // Later starts leave what is there, whatever it holds.
    ASSERT_TRUE(t.open(QIODevice::WriteOnly | QIODevice::Truncate));
    t.write("the user's own template");
    t.close();
    EXPECT_TRUE(prepareDataFolder().isEmpty());
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    EXPECT_EQ(t.readAll(), QByteArray("the user's own template"));
    Store store;
    store.openTables(database);
    EXPECT_EQ(store.goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("Молоко"));
}

TEST_F(DataFolder, AFolderThatCannotBeMadeIsReported)
{
    ReadOnlyFolder readOnly(home.path());
    if (!readOnly.done())
        GTEST_SKIP() << "this file system cannot make a folder read-only";
    setProgramDir(program.filePath(QStringLiteral("gone"))); // no such folder: not writable
    try {
        prepareDataFolder();
        FAIL() << "the data folder was made in a read-only folder";
    } catch (const FileError &e) {
        EXPECT_TRUE(e.text().contains(userFolder())) << e.text().toStdString();
    }
}

// The set-up tool makes a database only where none is, unless told to replace it.
TEST_F(DataFolder, SetUpToolNeverReplacesADatabaseUnlessForced)
{
    const QString database = program.filePath(QLatin1String(kDatabaseFileName));
    auto initdb = [&](const QStringList &args) {
        QProcess p;
        p.start(binDir() + QStringLiteral("/tevo-initdb"), args + QStringList{database});
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    auto name = [&] {
        Store store;
        store.openTables(database);
        return store.goods().text(0, QStringLiteral("TNAME1"));
    };
    ASSERT_EQ(initdb({}), 0);
    {
        Store store;
        store.openTables(database);
        store.goods().setValue(0, QStringLiteral("TNAME1"), QStringLiteral("Молоко"));
    }
    struct Case {
        QStringList options;
        int exitCode;
        QString nameAfter;
    } cases[] = {
        {{}, 1, QStringLiteral("Молоко")},
        {{QStringLiteral("--if-missing")}, 0, QStringLiteral("Молоко")},
        {{QStringLiteral("--force")}, 0, QString()},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(initdb(c.options), c.exitCode) << c.options.join(' ').toStdString();
        EXPECT_EQ(name(), c.nameAfter) << c.options.join(' ').toStdString();
    }
}

} // namespace
