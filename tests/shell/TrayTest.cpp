// The tray: minimizing hides the window, a click or "Програма" brings it back, a goods write
// that ends while the window is hidden reports in a balloon, "Выход" ends the program.
#include "ShellFixture.h"

#include "shell/ExchangeHub.h"
#include "shell/TrayIcon.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QStatusBar>
#include <QSystemTrayIcon>

using namespace tevo;
using namespace tevo::test;

namespace {

class TrayTest : public ShellTest {
protected:
    AppWindows &shown()
    {
        AppWindows &w = activated();
        w.tray.setTrayAvailable(true); // the test desktop has no tray; the logic is the same
        w.mainWindow.show();
        w.mainWindow.setWindowState(Qt::WindowMaximized);
        processEventsFor(20);
        return w;
    }
    void minimize(AppWindows &w)
    {
        w.mainWindow.setWindowState(w.mainWindow.windowState() | Qt::WindowMinimized);
        processEventsFor(30);
    }
};

} // namespace

TEST_F(TrayTest, TheIconCarriesItsTooltipAndMenu)
{
    AppWindows &w = activated();
    EXPECT_EQ(w.tray.systemTrayIcon()->toolTip(), QStringLiteral("Tevo версия 1.6"));
    QStringList captions;
    for (QAction *a : w.tray.menu()->actions())
        captions << a->objectName() + QLatin1Char('=') + a->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("N12=Програма"), QStringLiteral("N13=Настройка весов"),
                                     QStringLiteral("N15=Автозагрузка"), QStringLiteral("N14=Выход")}));
}

TEST_F(TrayTest, FirstActivationMinimizesInPlaceWithoutTheTray)
{
    AppWindows &w = open();
    w.tray.setTrayAvailable(true);
    w.mainWindow.runActivationSteps();
    EXPECT_TRUE(w.mainWindow.windowState() & Qt::WindowMinimized);
    EXPECT_FALSE(w.tray.mainWindowInTray());
}

TEST_F(TrayTest, MinimizeThenClickBringsTheWindowBackAndASecondClickHidesIt)
{
    AppWindows &w = shown();
    minimize(w);
    EXPECT_TRUE(w.tray.mainWindowInTray());
    EXPECT_FALSE(w.mainWindow.isVisible());
    w.tray.onIconClicked();
    processEventsFor(20);
    EXPECT_FALSE(w.tray.mainWindowInTray());
    EXPECT_TRUE(w.mainWindow.isVisible());
    w.tray.onIconClicked();
    EXPECT_TRUE(w.tray.mainWindowInTray());
    EXPECT_FALSE(w.mainWindow.isVisible());
}

TEST_F(TrayTest, MinimizeThenProgramaBringsItBack)
{
    AppWindows &w = shown();
    minimize(w);
    w.tray.menu()->findChild<QAction *>(QStringLiteral("N12"))->trigger();
    processEventsFor(20);
    EXPECT_TRUE(w.mainWindow.isVisible());
    EXPECT_FALSE(w.tray.mainWindowInTray());
    w.tray.onIconClicked();
    EXPECT_FALSE(w.mainWindow.isVisible()) << "the next click hides it";
}

TEST_F(TrayTest, WithoutATrayMinimizingMinimizesAndNoticesGoToTheStatusBar)
{
    AppWindows &w = activated();
    w.tray.setTrayAvailable(false);
    w.mainWindow.show();
    minimize(w);
    EXPECT_FALSE(w.tray.mainWindowInTray());
    EXPECT_TRUE(w.mainWindow.isVisible());
    w.tray.showTrayBalloon(QStringLiteral("Tevo"), QStringLiteral("идет автоматическая загрузка в весы"), 1, 30);
    EXPECT_EQ(w.mainWindow.statusBar()->currentMessage(), QStringLiteral("идет автоматическая загрузка в весы"));
    EXPECT_TRUE(Dialogs::shownTexts().isEmpty());
}

TEST_F(TrayTest, GoodsWriteEndGoesToTheBalloonWhileHiddenAndToABoxWhileShown)
{
    AppWindows &w = shown();
    ExchangeHub &hub = w.mainWindow.exchange();
    QStringList balloons;
    QObject::connect(&w.tray, &TrayIcon::balloonShown, [&](const QString &text, int) { balloons << text; });
    minimize(w);
    ASSERT_TRUE(w.tray.mainWindowInTray());
    Dialogs::reset();
    // A serial scale on a port where nobody answers: the test answers for it.
    const tevo::test::QuietPort quiet(scratch.path(), QStringLiteral("COM1")); // COM0's port
    w.mainWindow.store().scales().appendRow({{QStringLiteral("U"), QStringLiteral("T")},
                                             {QStringLiteral("IP"), QStringLiteral("COM0")},
                                             {QStringLiteral("PORT"), 9600}});
    auto acknowledgeRecords = [&](int records) {
        for (int i = 0; i < records; ++i) {
            hub.engine().HandleReply(QByteArray(1, char(0x80)), 1);
            hub.engine().HandleReply(QByteArray(1, char(0xAA)), 1);
        }
    };
    ASSERT_TRUE(hub.goods().StartGoodsWrite(QStringLiteral("1")));
    acknowledgeRecords(1);
    EXPECT_EQ(balloons, QStringList{QStringLiteral("Все PLU успешно записаны в весы 1")});
    EXPECT_TRUE(Dialogs::shownTexts().isEmpty());

    w.tray.menu()->findChild<QAction *>(QStringLiteral("N12"))->trigger();
    balloons.clear();
    Dialogs::reset();
    ASSERT_TRUE(hub.goods().StartGoodsWrite(QStringLiteral("1-2")));
    acknowledgeRecords(2);
    EXPECT_TRUE(balloons.isEmpty());
    EXPECT_TRUE(Dialogs::shownTexts().contains(QStringLiteral("Все PLU успешно записаны в весы 2")))
        << Dialogs::shownTexts().join('|').toStdString();
}

TEST_F(TrayTest, ExitFromTheTrayMenuWhileHiddenSavesTheColumnWidths)
{
    AppWindows &w = shown();
    minimize(w);
    ASSERT_FALSE(w.mainWindow.isVisible());
    w.tray.menu()->findChild<QAction *>(QStringLiteral("N14"))->trigger();
    processEventsFor(20);
    const QByteArray ini = scratch.readFile(QLatin1String(kColumnWidthsFileName));
    EXPECT_TRUE(ini.contains("[TMainForm]")) << ini.constData();
}
