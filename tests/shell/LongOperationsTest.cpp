// Long table operations never interleave, and nothing the user typed or confirmed is lost to
// them: a rebuild refuses what arrives while it processes window events (the automatic-loading
// tick simply comes again), a tick stores the open grid edits first, and Ctrl+Delete deletes
// the row that was asked about.
#include "ShellFixture.h"
#include "shell/GoodsTab.h"

#include "shell/ExchangeHub.h"
#include "shell/TableGrid.h"

#include <QLineEdit>
#include <QSet>
#include <QTimer>

using namespace tevo;
using namespace tevo::test;

namespace {

const QString kRefusedDuringGoodsRebuild =
    QStringLiteral("Сейчас выполняется другая операция с таблицами: создание пустой таблицы товаров.");

class LongOperationsTest : public ShellTest {
protected:
    Table &goods() { return windows->mainWindow.store().goods(); }
    AutoLoader &loader() { return windows->mainWindow.exchange().autoLoader(); }

    // Automatic loading watches a goods file holding `numbers` (named "Товар <n>"); its timer
    // ticks at every turn of the event loop from now on.
    void watch(const QList<int> &numbers, bool needClear)
    {
        QByteArray text;
        for (int n : numbers)
            text += QStringLiteral("[%1]\r\nNPLU=%1\r\nTNAME1=Товар %1\r\n").arg(n).toUtf8();
        text += "[Main]\r\nRecordCount=" + QByteArray::number(numbers.isEmpty() ? 0 : numbers.last()) + "\r\n";
        scratch.writeFile(QStringLiteral("watched.txt"), text);
        AutoLoadSettings s;
        s.FName = scratch.file(QStringLiteral("watched.txt"));
        s.EnableAutoLoad = true;
        s.NeedClear = needClear;
        loader().settings = s;
        loader().LastLoadedFileTime.clear();
        loader().applyTimer();
        loader().tmAutoLoad.setInterval(0);
        QObject::connect(&loader(), &AutoLoader::loaded, [this](int) { ++loads; });
    }

    // T holds the goods numbers 1 … 4000 once each, in order.
    void expectWholeGoodsTable()
    {
        ASSERT_EQ(goods().count(), 4000);
        for (int r = 0; r < goods().count(); ++r)
            ASSERT_EQ(goods().value(r, QStringLiteral("NPLU")).toInt(), r + 1) << "row " << r;
    }

    bool shown(const QString &start)
    {
        for (const QString &t : Dialogs::shownTexts())
            if (t.startsWith(start))
                return true;
        return false;
    }

    int loads = 0;
};

TEST_F(LongOperationsTest, WhatArrivesDuringAGoodsRebuildWaitsOrIsRefused)
{
    const QByteArray importText = "[1]\r\nNPLU=5\r\nTNAME1=импорт\r\n[Main]\r\nRecordCount=1\r\n";
    const struct {
        const char *what;
        std::function<void()> arrive;
        bool refusedWithABox;
    } cases[] = {
        {"an automatic-loading tick with a clearing load",
         [this] {
             watch({3, 9}, true);
         },
         false},
        {"Ctrl+Delete in the goods grid",
         [this] {
             TableGrid *grid = windows->mainWindow.goodsTab().grid();
             QTimer::singleShot(0, grid, [grid] { grid->deleteCurrentRow(); });
         },
         true},
        {"the goods rebuild from the menu",
         [this] { QTimer::singleShot(0, &windows->mainWindow, &MainWindow::onEmptyGoodsTriggered); }, true},
        {"the messages rebuild from the menu",
         [this] { QTimer::singleShot(0, &windows->mainWindow, &MainWindow::onEmptyMessagesTriggered); }, true},
        {"the goods text import",
         [this] { QTimer::singleShot(0, &windows->mainWindow, &MainWindow::onImportTextTriggered); }, true},
        {"the dBase import", [this] { QTimer::singleShot(0, &windows->mainWindow, &MainWindow::onImportDbfTriggered); },
         true},
        {"the goods semicolon import",
         [this] { QTimer::singleShot(0, &windows->mainWindow, &MainWindow::onImportGoodsCsvTriggered); }, true},
        {"the messages semicolon import",
         [this] { QTimer::singleShot(0, &windows->mainWindow, &MainWindow::onImportMessagesCsvTriggered); }, true},
    };
    scratch.writeFile(QStringLiteral("import.txt"), importText);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        windows.reset();
        activated();
        loads = 0;
        goods().setValue(4, QStringLiteral("TNAME1"), QStringLiteral("до"));
        Dialogs::setNextFileName(scratch.file(QStringLiteral("import.txt")));
        c.arrive();
        windows->mainWindow.onEmptyGoodsTriggered();
        EXPECT_TRUE(Dialogs::shownTexts().contains(QStringLiteral("Пустая таблица успешно создана!")))
            << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(shown(kRefusedDuringGoodsRebuild), c.refusedWithABox)
            << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
        if (!c.refusedWithABox) {
            // Nothing was recorded by the refused tick: a later one loads the file.
            EXPECT_TRUE(waitFor([&] { return loads == 1; }));
            EXPECT_EQ(goods().text(8, QStringLiteral("TNAME1")), QStringLiteral("Товар 9"));
            loader().tmAutoLoad.stop();
        }
        expectWholeGoodsTable();
        EXPECT_TRUE(goods().text(4, QStringLiteral("TNAME1")).isEmpty());
        EXPECT_EQ(windows->mainWindow.store().messages().count(), 1000);
    }
}

TEST_F(LongOperationsTest, ATickStoresWhatIsTypedInTheGoodsGridAndInTheScalesDialog)
{
    AppWindows &w = activated();
    Table &scales = w.mainWindow.store().scales();
    scales.appendRow({{QStringLiteral("NAME"), QStringLiteral("Весы")}, {QStringLiteral("W"), QStringLiteral("T")}});
    w.mainWindow.show(); // cell editors open only in shown grids
    w.mainWindow.goodsTab().grid()->setCurrentIndex(
        w.mainWindow.goodsTab().grid()->model()->index(2, goods().columnIndex(QStringLiteral("TNAME1"))));
    auto *goodsEditor = w.mainWindow.goodsTab().grid()->findChild<QLineEdit *>();
    ASSERT_NE(goodsEditor, nullptr);
    goodsEditor->setText(QStringLiteral("Молоко"));
    w.scalesDialog.show();
    w.scalesDialog.grid()->setCurrentIndex(
        w.scalesDialog.grid()->model()->index(0, scales.columnIndex(QStringLiteral("NAME"))));
    auto *scaleEditor = w.scalesDialog.grid()->findChild<QLineEdit *>();
    ASSERT_NE(scaleEditor, nullptr);
    scaleEditor->setText(QStringLiteral("Весы у кассы"));

    watch({7}, false);
    ASSERT_TRUE(waitFor([&] { return loads == 1; }));
    EXPECT_EQ(goods().text(2, QStringLiteral("TNAME1")), QStringLiteral("Молоко"));
    EXPECT_EQ(goods().text(6, QStringLiteral("TNAME1")), QStringLiteral("Товар 7"));
    EXPECT_EQ(scales.text(0, QStringLiteral("NAME")), QStringLiteral("Весы у кассы"));
    EXPECT_EQ(scales.text(0, QStringLiteral("U")), QStringLiteral("T"));
    w.scalesDialog.done(QDialog::Accepted);
    w.mainWindow.close();

    Store other;
    other.openTables(scratch.databasePath());
    EXPECT_EQ(other.goods().text(2, QStringLiteral("TNAME1")), QStringLiteral("Молоко"));
    EXPECT_EQ(other.scales().text(0, QStringLiteral("NAME")), QStringLiteral("Весы у кассы"));
}

TEST_F(LongOperationsTest, CtrlDeleteDeletesTheRowThatWasConfirmedOrNothing)
{
    AppWindows &w = activated();
    TableGrid *grid = w.mainWindow.goodsTab().grid();
    const auto numbers = [this] {
        QSet<int> set;
        for (int r = 0; r < goods().count(); ++r)
            set.insert(goods().value(r, QStringLiteral("NPLU")).toInt());
        return set;
    };

    // A tick while "Delete record?" is open would load goods 77 and make it current.
    goods().setCurrentRow(499);
    Dialogs::setNextAnswer(QMessageBox::Ok, [this] {
        watch({77}, false);
        processEventsFor(30);
    });
    grid->deleteCurrentRow();
    EXPECT_FALSE(numbers().contains(500));
    EXPECT_TRUE(numbers().contains(77));
    EXPECT_EQ(goods().count(), 3999);
    EXPECT_TRUE(waitFor([&] { return loads == 1; })) << "the tick comes again after the question";
    loader().tmAutoLoad.stop();

    // The row asked about is gone before the answer: nothing else is deleted.
    goods().setCurrentRow(9);
    Dialogs::setNextAnswer(QMessageBox::Ok, [this] { goods().deleteRow(9); });
    grid->deleteCurrentRow();
    EXPECT_EQ(goods().count(), 3998);
    EXPECT_TRUE(numbers().contains(11));
}

} // namespace
