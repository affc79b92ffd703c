// The tray icon embedded in a real tray host and clicked with the mouse: a click shows or
// hides the main window once the double-click time has passed, a double click does nothing,
// and the balloon of an automatic load is shown at the icon.
#include "../shell/ShellFixture.h"
#include "DesktopSupport.h"

#include "shell/ExchangeHub.h"

#include <QApplication>
#include <QSystemTrayIcon>
#include <gtest/gtest.h>

using namespace tevo;
using namespace tevo::test;

namespace {

// Counts the times a window is shown or hidden.
class VisibilityCount : public QObject {
public:
    explicit VisibilityCount(QWidget *w) { w->installEventFilter(this); }
    int shows = 0, hides = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        shows += e->type() == QEvent::Show;
        hides += e->type() == QEvent::Hide;
        return false;
    }
};

class TrayIconTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        ASSERT_TRUE(QSystemTrayIcon::isSystemTrayAvailable()) << "no tray host on this display";
        open();
        // Shown as after the user restored it from the start-up minimize.
        windows->mainWindow.appState().setStartMinimized(false);
        windows->mainWindow.runActivationSteps();
        windows->mainWindow.showMaximized();
        ASSERT_TRUE(waitFor([&] { return windows->tray.systemTrayIcon()->geometry().width() > 0; }));
        processEventsFor(200);
    }
    QPoint icon() const { return windows->tray.systemTrayIcon()->geometry().center(); }
    int doubleClickMs() const { return QApplication::doubleClickInterval(); }
};

TEST_F(TrayIconTest, ADoubleClickDoesNothingAndAClickHidesOrShowsTheWindow)
{
    MainWindow &form = windows->mainWindow;
    TrayIcon &tray = windows->tray;
    ASSERT_TRUE(form.isVisible());
    const bool inTray = tray.mainWindowInTray();
    VisibilityCount count(&form);

    clickAt(icon(), 2);
    processEventsFor(doubleClickMs() + 400);
    EXPECT_EQ(count.hides, 0);
    EXPECT_EQ(count.shows, 0);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(tray.mainWindowInTray(), inTray);

    clickAt(icon());
    EXPECT_TRUE(waitFor([&] { return !form.isVisible(); }, doubleClickMs() + 2000));
    EXPECT_TRUE(tray.mainWindowInTray());
    clickAt(icon());
    EXPECT_TRUE(waitFor([&] { return form.isVisible(); }, doubleClickMs() + 2000));
    EXPECT_FALSE(tray.mainWindowInTray());
}

TEST_F(TrayIconTest, AnAutomaticLoadShowsItsBalloonAtTheIconWhileTheWindowIsHidden)
{
    clickAt(icon());
    ASSERT_TRUE(waitFor([&] { return !windows->mainWindow.isVisible(); }, doubleClickMs() + 2000));
    scratch.writeFile(QStringLiteral("goods.txt"), "[1]\r\nNPLU=1\r\nTNAME1=Hleb\r\n[Main]\r\nRecordCount=1\r\n");
    AutoLoader &loader = windows->mainWindow.exchange().autoLoader();
    AutoLoadSettings s;
    s.FName = scratch.file(QStringLiteral("goods.txt"));
    s.EnableAutoLoad = true;
    loader.settings = s;
    loader.applyTimer();
    loader.tmAutoLoad.setInterval(10);
    const auto balloon = [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qstrcmp(w->metaObject()->className(), "QBalloonTip") == 0 && w->isVisible())
                return w;
        return static_cast<QWidget *>(nullptr);
    };
    ASSERT_TRUE(waitFor([&] { return balloon() != nullptr; }));
    EXPECT_TRUE(balloon()->geometry().adjusted(-40, -40, 40, 40).intersects(windows->tray.systemTrayIcon()->geometry()));
    EXPECT_TRUE(Dialogs::shownTexts().isEmpty()) << Dialogs::shownTexts().join('|').toStdString();
    EXPECT_EQ(windows->mainWindow.store().goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("Hleb"));
}

} // namespace
