// The history windows as the user reaches them: Ctrl+H on a goods row opens its history (the
// changes in time order, the price chart's steps), "Инструменты" → "Журнал изменений" answers
// with the revaluation list and saves what it shows.
#include "ShellFixture.h"
#include "shell/GoodsTab.h"
#include "shell/HistoryWindow.h"
#include "shell/JournalWindow.h"
#include "shell/PriceChart.h"
#include "shell/TableGrid.h"
#include "shell/TableModel.h"

#include <QAction>
#include <QFileInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace tevo;
using tevo::test::ShellTest;

namespace {
class HistoryWindowsTest : public ShellTest {};
} // namespace

TEST_F(HistoryWindowsTest, CtrlHShowsTheGoodsHistoryAndTheJournalAnswersAndSaves)
{
    activated();
    MainWindow &form = windows->mainWindow;
    Table &goods = form.store().goods();
    goods.setValue(1, QStringLiteral("PRICE"), 1000);
    goods.setValue(1, QStringLiteral("PRICE"), 900);
    goods.setValue(2, QStringLiteral("PRICE"), 500);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form, 10000));
    TableGrid *grid = form.goodsTab().grid();
    grid->setFocus();
    grid->setCurrentIndex(grid->tableModel()->index(1, 0));
    QTest::keyClick(grid, Qt::Key_H, Qt::ControlModifier);
    auto *history = form.findChild<HistoryWindow *>();
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->isVisible());
    ASSERT_EQ(history->list()->rowCount(), 2);
    EXPECT_EQ(history->list()->item(0, 3)->text(), QStringLiteral("1000"));
    EXPECT_EQ(history->list()->item(1, 2)->text(), QStringLiteral("1000"));
    EXPECT_EQ(history->list()->item(1, 3)->text(), QStringLiteral("900"));
    // No price before the first change, then 1000, then 900.
    ASSERT_EQ(history->chart()->points().size(), 3);
    EXPECT_FALSE(history->chart()->points()[0].hasPrice);
    EXPECT_EQ(history->chart()->points()[2].price, 900);

    form.findChild<QAction *>(QStringLiteral("JournalMenu"))->trigger();
    auto *journal = form.findChild<JournalWindow *>();
    ASSERT_NE(journal, nullptr);
    EXPECT_EQ(journal->sheet().rows.size(), 3); // the journal of the last month
    journal->findChild<QPushButton *>(QStringLiteral("JournalRevaluations"))->click();
    ASSERT_EQ(journal->sheet().rows.size(), 3);
    EXPECT_EQ(journal->sheet().rows[1][0].toLongLong(), 2);
    EXPECT_EQ(journal->sheet().rows[1][2].toLongLong(), 1000);
    EXPECT_EQ(journal->sheet().rows[1][3].toLongLong(), 900);
    const QString book = scratch.file(QStringLiteral("pereocenka.xlsx"));
    Dialogs::setNextFileName(book);
    journal->findChild<QPushButton *>(QStringLiteral("JournalSaveXlsx"))->click();
    EXPECT_GT(QFileInfo(book).size(), 0);
    EXPECT_FALSE(Dialogs::shownKinds().contains(Dialogs::Kind::Error)) << Dialogs::shownTexts().join('\n').toStdString();
}
