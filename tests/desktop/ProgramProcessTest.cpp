// The program as a process on a real desktop: it ends only by its own closing steps, whatever
// boxes it shows while hidden in the tray and whatever signal ends it; a second copy on the
// same folder steps back; and a crash between an automatic load and its commit does not make
// the watched file count as loaded.
#include "DesktopSupport.h"

#include "common/AppPaths.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include <csignal>

using namespace tevo;
using namespace tevo::test;

namespace {

const QString kErrorBox = QStringLiteral("^Ошибка$");

class ProgramProcessTest : public ::testing::Test {
protected:
    // Automatic loading of "goods.txt" in the scratch folder, checked every second.
    void enableAutoLoad(bool toScales)
    {
        folder.writeFile(QLatin1String(kAutoLoadFileName),
                         QStringLiteral("[Main]\r\nFName=%1\r\nTime=1\r\nLoadToScale=%2\r\nEnableAutoLoad=1\r\n")
                             .arg(folder.file(QStringLiteral("goods.txt")))
                             .arg(toScales ? 1 : 0)
                             .toUtf8());
    }
    void writeGoodsFile()
    {
        folder.writeFile(QStringLiteral("goods.txt"), "[1]\r\nNPLU=1\r\nTNAME1=Hleb\r\n[Main]\r\nRecordCount=1\r\n");
    }

    // TNAME1 of goods `nplu` as stored in the database file.
    QString storedName(int nplu)
    {
        QString name;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
            db.setDatabaseName(folder.databasePath());
            if (db.open()) {
                QSqlQuery q(db);
                if (q.exec(QStringLiteral("SELECT TNAME1 FROM T WHERE NPLU = %1").arg(nplu)) && q.next())
                    name = q.value(0).toString();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("reader"));
        return name;
    }

    bool widthsSaved() { return folder.readFile(QLatin1String(kColumnWidthsFileName)).contains("[TMainForm]"); }

    ScratchDir folder;
};

TEST_F(ProgramProcessTest, SigtermAndSigintRunTheClosingSteps)
{
    for (int signalNumber : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signalNumber == SIGTERM ? "SIGTERM" : "SIGINT");
        QFile::remove(folder.file(QLatin1String(kColumnWidthsFileName)));
        TevoProcess tevo(folder);
        ASSERT_TRUE(tevo.start());
        tevo.activate();
        // A name typed into goods 1 and still in its cell editor.
        const QString name = signalNumber == SIGTERM ? QStringLiteral("Moloko") : QStringLiteral("Kefir");
        pressKeys({QStringLiteral("Tab")});
        typeText(name);
        processEventsFor(300);
        tevo.sendSignal(signalNumber);
        ASSERT_TRUE(tevo.waitForEnd());
        EXPECT_TRUE(tevo.endedNormally()) << tevo.output().toStdString();
        EXPECT_EQ(tevo.exitCode(), 0);
        EXPECT_TRUE(widthsSaved());
        EXPECT_EQ(storedName(1), name);
    }
}

TEST_F(ProgramProcessTest, ABoxClosedWhileTheWindowIsInTheTrayEndsNothing)
{
    enableAutoLoad(true);
    TevoProcess tevo(folder);
    ASSERT_TRUE(tevo.start());
    tevo.activate();
    const QPoint icon = trayIconCentre();
    ASSERT_FALSE(icon.isNull());
    clickAt(icon); // the first click hides the window minimized at start-up
    ASSERT_TRUE(waitFor([&] { return !windowVisible(tevo.mainWindow()); }));

    // The load goes into the goods table; the goods write refuses (no scale answered), in a box.
    writeGoodsFile();
    const QString box = visibleWindow(tevo.pid(), kErrorBox);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(windowProperty(box, QStringLiteral("WM_TRANSIENT_FOR"))
                    .endsWith(QString::number(tevo.mainWindow().toLongLong(), 16)))
        << "the box is owned by the main window: "
        << windowProperty(box, QStringLiteral("WM_TRANSIENT_FOR")).toStdString();
    EXPECT_TRUE(windowProperty(box, QStringLiteral("_NET_WM_STATE")).contains(QLatin1String("_NET_WM_STATE_ABOVE")));
    focusWindow(box);
    pressKeys({QStringLiteral("Return")});
    ASSERT_TRUE(waitFor([&] { return !windowVisible(box); }));
    processEventsFor(1500);
    ASSERT_TRUE(tevo.running()) << tevo.output().toStdString();
    EXPECT_FALSE(windowVisible(tevo.mainWindow()));

    tevo.sendSignal(SIGTERM);
    ASSERT_TRUE(tevo.waitForEnd());
    EXPECT_TRUE(tevo.endedNormally());
    EXPECT_EQ(storedName(1), QStringLiteral("Hleb"));
    EXPECT_TRUE(widthsSaved());
}

TEST_F(ProgramProcessTest, ASecondCopyOnTheSameFolderSaysSoAndEnds)
{
    TevoProcess first(folder);
    ASSERT_TRUE(first.start());
    first.activate();
    TevoProcess second(folder);
    ASSERT_TRUE(second.start(false));
    const QString box = visibleWindow(second.pid(), kErrorBox);
    ASSERT_FALSE(box.isEmpty()) << "the second copy runs as if alone";
    EXPECT_TRUE(visibleWindow(second.pid(), QStringLiteral("^Tevo Версия"), 200).isEmpty());
    focusWindow(box);
    pressKeys({QStringLiteral("Return")});
    ASSERT_TRUE(second.waitForEnd());
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(first.running());
    first.sendSignal(SIGTERM);
    ASSERT_TRUE(first.waitForEnd());
    EXPECT_EQ(first.exitCode(), 0);
}

TEST_F(ProgramProcessTest, AKillBetweenAnAutomaticLoadAndItsCommitLoadsTheFileAgainAtTheNextStart)
{
    enableAutoLoad(false);
    {
        // Another process reads the database, so the load cannot be committed yet.
        SqliteReader reader;
        ASSERT_TRUE(reader.hold(folder.databasePath()));
        TevoProcess tevo(folder);
        ASSERT_TRUE(tevo.start());
        tevo.activate();
        writeGoodsFile();
        // The commit after the load has failed and said so.
        ASSERT_FALSE(visibleWindow(tevo.pid(), kErrorBox).isEmpty());
        tevo.sendSignal(SIGKILL);
        ASSERT_TRUE(tevo.waitForEnd());
    }
    EXPECT_EQ(storedName(1), QString());

    TevoProcess again(folder);
    ASSERT_TRUE(again.start());
    again.activate();
    EXPECT_TRUE(waitFor([&] { return storedName(1) == QStringLiteral("Hleb"); }, 15000));
    again.sendSignal(SIGTERM);
    ASSERT_TRUE(again.waitForEnd());
    // Now that the rows are stored, the file counts as loaded.
    EXPECT_TRUE(QString::fromUtf8(folder.readFile(QLatin1String(kAutoLoadFileName)))
                    .contains(QRegularExpression(QStringLiteral("FileAtribut=\\d"))));
}

} // namespace
