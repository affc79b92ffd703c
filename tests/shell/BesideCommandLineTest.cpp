// The window and tevo-cli (the real program, as a process) on one database at the same time:
// a change from the command line waits for the window's commit and gives up clearly while the
// window holds uncommitted edits; afterwards it goes through, neither program's change is lost,
// and the window shows the command line's change once it looks again (activation, the scales
// picker, an automatic load, which also takes the last connection check from the file).
#include "ShellFixture.h"

#include "shell/ExchangeHub.h"
#include "shell/InstanceLock.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace tevo;
using namespace tevo::test;

namespace {

class BesideCommandLineTest : public ShellTest {
protected:
    // Runs tevo-cli from a copy beside the window's database; returns its exit status.
    int cli(const QStringList &args, QString *err = nullptr)
    {
        const QString program = scratch.file(QStringLiteral("tevo-cli"));
        if (!QFile::exists(program))
            QFile::copy(binDir() + QStringLiteral("/tevo-cli"), program);
        QProcess p;
        p.start(program, args);
        // The window's event loop does not run meanwhile: its idle commit waits, as it would
        // while the window is busy.
        EXPECT_TRUE(p.waitForFinished(30000));
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    // A value as stored in the file, read by a connection of its own.
    QString stored(const QString &sql)
    {
        QString value;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            db.setDatabaseName(scratch.databasePath());
            if (db.open()) {
                QSqlQuery q(db);
                if (q.exec(sql) && q.next())
                    value = q.value(0).toString();
                else if (!q.lastError().text().isEmpty())
                    value = QStringLiteral("error: ") + q.lastError().text();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        return value;
    }
    void storeElsewhere(const QString &sql) { stored(sql); }

    Table &goods() { return windows->mainWindow.store().goods(); }
};

} // namespace

TEST_F(BesideCommandLineTest, ChangesWaitForTheWindowAndNeitherIsLost)
{
    activated();
    scratch.writeFile(QStringLiteral("goods.csv"), "2;Из кассы;;1550;\n");
    // The window's single-copy lock, as the program takes it: it names the window as the holder.
    InstanceLock instance(scratch.databasePath());
    ASSERT_TRUE(instance.claim());

    // An edit in the window, stored but not yet committed: the window holds the write lock.
    goods().setValue(0, QStringLiteral("TNAME1"), QStringLiteral("Из окна"));
    QString err;
    EXPECT_EQ(cli({QStringLiteral("data-check")}), 0) << "reading goes on beside the window";
    EXPECT_EQ(cli({QStringLiteral("import"), QStringLiteral("goods-csv"), scratch.file(QStringLiteral("goods.csv"))},
                  &err),
              1);
    EXPECT_TRUE(err.contains(QStringLiteral("база данных занята"))) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("пока окно Tevo сохранит свои изменения"))) << err.toStdString();
    EXPECT_EQ(goods().text(1, QStringLiteral("TNAME1")), QString());

    // The window commits; the same command then goes through.
    processEventsFor(300);
    EXPECT_EQ(stored(QStringLiteral("SELECT TNAME1 FROM T WHERE NPLU=1")), QStringLiteral("Из окна"));
    EXPECT_EQ(cli({QStringLiteral("import"), QStringLiteral("goods-csv"), scratch.file(QStringLiteral("goods.csv"))}, &err), 0)
        << err.toStdString();
    EXPECT_EQ(stored(QStringLiteral("SELECT TNAME1 || '/' || PRICE FROM T WHERE NPLU=2")),
              QStringLiteral("Из кассы/1550"));

    // An edit made before the window looked again changes only its own column.
    goods().setValue(1, QStringLiteral("TNAME2"), QStringLiteral("вторая строка"));
    processEventsFor(300);
    EXPECT_EQ(stored(QStringLiteral("SELECT TNAME1 || '/' || PRICE || '/' || TNAME2 FROM T WHERE NPLU=2")),
              QStringLiteral("Из кассы/1550/вторая строка"));

    // Activation shows what the command line stored, and keeps the window's own edits.
    windows->mainWindow.runActivationSteps();
    EXPECT_EQ(goods().text(1, QStringLiteral("TNAME1")), QStringLiteral("Из кассы"));
    EXPECT_EQ(goods().text(1, QStringLiteral("TNAME2")), QStringLiteral("вторая строка"));
    EXPECT_EQ(goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("Из окна"));
}

TEST_F(BesideCommandLineTest, AutomaticLoadTakesTheLastCheckFromTheFile)
{
    activated();
    processEventsFor(300); // the window's reading is committed
    storeElsewhere(QStringLiteral("INSERT INTO S (U, W, NAME, IP, PORT) VALUES ('F', 'F', 'Касса 1', '127.0.0.1', 1)"));
    windows->mainWindow.runActivationSteps();
    processEventsFor(300);
    Table &scales = windows->mainWindow.store().scales();
    ASSERT_EQ(scales.count(), 1);
    // Another program's connection check found the scale; the window has not looked since.
    storeElsewhere(QStringLiteral("UPDATE S SET W='T'"));
    ASSERT_EQ(scales.text(0, QStringLiteral("W")), QStringLiteral("F"));

    scratch.writeFile(QStringLiteral("watched.txt"), "[1]\r\nNPLU=1\r\nTNAME1=Hleb\r\n[Main]\r\nRecordCount=1\r\n");
    AutoLoader &loader = windows->mainWindow.exchange().autoLoader();
    AutoLoadSettings s;
    s.FName = scratch.file(QStringLiteral("watched.txt"));
    loader.settings = s;
    loader.LastLoadedFileTime.clear();
    loader.tmAutoLoadTimer();
    processEventsFor(300);
    EXPECT_EQ(scales.text(0, QStringLiteral("U")), QStringLiteral("T")) << "U := W from a stale W";
    EXPECT_EQ(stored(QStringLiteral("SELECT U FROM S")), QStringLiteral("T"));
}
