// The tray: minimizing hides the window, a click or "Програма" brings it back, a goods write
// that ends while the window is hidden reports in a balloon, "Выход" ends the program.
#include "ShellFixture.h"

#include "shell/ExchangeHub.h"
#include "shell/TrayIcon.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QFile>
#include <QStatusBar>

using namespace tevo;
using namespace tevo::test;

namespace {

class TrayTest : public ShellTest {
protected:
    AppWindows &shown()
    {
        AppWindows &w = activated();
        w.Tray.setTrayAvailable(true); // the test desktop has no tray; the logic is the same
        w.MainForm.show();
        w.MainForm.setWindowState(Qt::WindowMaximized);
        processEventsFor(20);
        return w;
    }
    void minimize(AppWindows &w)
    {
        w.MainForm.setWindowState(w.MainForm.windowState() | Qt::WindowMinimized);
        processEventsFor(30);
    }
};

} // namespace

TEST_F(TrayTest, TheIconCarriesItsTooltipAndMenu)
{
    AppWindows &w = activated();
    EXPECT_EQ(w.Tray.systemTrayIcon()->toolTip(), QStringLiteral("Tevo версия 1.6"));
    QStringList captions;
    for (QAction *a : w.Tray.menu()->actions())
        captions << a->objectName() + QLatin1Char('=') + a->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("N12=Програма"), QStringLiteral("N13=Настройка весов"),
                                     QStringLiteral("N15=Автозагрузка"), QStringLiteral("N14=Выход")}));
}

TEST_F(TrayTest, FirstActivationMinimizesInPlaceWithoutTheTray)
{
    AppWindows &w = open();
    w.Tray.setTrayAvailable(true);
    w.MainForm.runActivationSteps();
    EXPECT_TRUE(w.MainForm.windowState() & Qt::WindowMinimized);
    EXPECT_FALSE(w.Tray.mainWindowInTray());
}

TEST_F(TrayTest, MinimizeThenClickBringsTheWindowBackAndASecondClickHidesIt)
{
    AppWindows &w = shown();
    minimize(w);
    EXPECT_TRUE(w.Tray.mainWindowInTray());
    EXPECT_FALSE(w.MainForm.isVisible());
    w.Tray.onIconClicked();
    processEventsFor(20);
    EXPECT_FALSE(w.Tray.mainWindowInTray());
    EXPECT_TRUE(w.MainForm.isVisible());
    w.Tray.onIconClicked();
    EXPECT_TRUE(w.Tray.mainWindowInTray());
    EXPECT_FALSE(w.MainForm.isVisible());
}

TEST_F(TrayTest, MinimizeThenProgramaBringsItBack)
{
    AppWindows &w = shown();
    minimize(w);
    w.Tray.menu()->findChild<QAction *>(QStringLiteral("N12"))->trigger();
    processEventsFor(20);
    EXPECT_TRUE(w.MainForm.isVisible());
    EXPECT_FALSE(w.Tray.mainWindowInTray());
    w.Tray.onIconClicked();
    EXPECT_FALSE(w.MainForm.isVisible()) << "the next click hides it";
}

TEST_F(TrayTest, WithoutATrayMinimizingMinimizesAndNoticesGoToTheStatusBar)
{
    AppWindows &w = activated();
    w.Tray.setTrayAvailable(false);
    w.MainForm.show();
    minimize(w);
    EXPECT_FALSE(w.Tray.mainWindowInTray());
    EXPECT_TRUE(w.MainForm.isVisible());
    w.Tray.showTrayBalloon(QStringLiteral("Tevo"), QStringLiteral("идет автоматическая загрузка в весы"), 1, 30);
    EXPECT_EQ(w.MainForm.statusBar()->currentMessage(), QStringLiteral("идет автоматическая загрузка в весы"));
    EXPECT_TRUE(Dialogs::shownTexts().isEmpty());
}

TEST_F(TrayTest, GoodsWriteEndGoesToTheBalloonWhileHiddenAndToABoxWhileShown)
{
    AppWindows &w = shown();
    ExchangeHub &hub = w.MainForm.exchange();
    QStringList balloons;
    hub.showTrayBalloon = [&](const QString &, const QString &text, int, int) { balloons << text; };
    minimize(w);
    ASSERT_TRUE(w.Tray.mainWindowInTray());
    Dialogs::reset();
    // A serial scale whose port does not open: the test answers for it.
    w.MainForm.store().scales().appendRow({{QStringLiteral("U"), QStringLiteral("T")}, {QStringLiteral("IP"), QStringLiteral("COM0")}});
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

    w.Tray.menu()->findChild<QAction *>(QStringLiteral("N12"))->trigger();
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
    ASSERT_FALSE(w.MainForm.isVisible());
    w.Tray.menu()->findChild<QAction *>(QStringLiteral("N14"))->trigger();
    processEventsFor(20);
    const QByteArray ini = scratch.readFile(QLatin1String(kColumnWidthsFileName));
    EXPECT_TRUE(ini.contains("[TMainForm]")) << ini.constData();
}
