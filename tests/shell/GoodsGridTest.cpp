// The goods and messages grids: number search, rows opened past the end and dropped again,
// deleting a row, the grid and the table sharing one current row, and numbers typed as written.
#include "ShellFixture.h"
#include "shell/GoodsTab.h"
#include "shell/MessagesTab.h"

#include "shell/TableGrid.h"
#include "shell/TableModel.h"

#include "fileio/ColumnTitles.h"

#include <QLineEdit>
#include <QTest>

using namespace tevo;
using tevo::test::ShellTest;

namespace {

class GoodsGridTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        activated();
        grid = windows->mainWindow.goodsTab().grid();
        grid->setCurrentIndex(model().index(0, 0));
    }
    Table &goods() { return windows->mainWindow.store().goods(); }
    TableModel &model() { return *grid->tableModel(); }
    int currentNumber() { return goods().currentValue(QStringLiteral("NPLU")).toInt(); }

    TableGrid *grid = nullptr;
};

TEST_F(GoodsGridTest, CellsTheScaleWouldNotPrintAsTheyStandAreMarkedWithWhatItWillGet)
{
    TableModel &messages = *windows->mainWindow.messagesTab().grid()->tableModel();
    const QString fortyFour = QStringLiteral("Молоко «Домик в деревне» 2,5% ультрапастери.");
    const struct {
        const char *what;
        bool messagesGrid;
        const char *column;
        QString text;
        QString logo;
        QString tip; // empty: not marked
    } cases[] = {
        {"44 characters with «»", false, "TNAME1", fortyFour, QString(),
         QStringLiteral("Весы получат: «Молоко *Домик в деревне* 2,5» (весы хранят 28 знаков, последние 16 не "
                        "войдут; знаки «» весы напечатают как «*»)")},
        {"28 plain characters", false, "TNAME2", QString(28, QLatin1Char('a')), QString(), QString()},
        {"25 characters beside a logo", false, "TNAME2", QString(25, QLatin1Char('a')), QStringLiteral("U1"),
         QStringLiteral("Весы получат: «%1» (весы хранят 24 знаков, последние 1 не войдут)")
             .arg(QString(24, QLatin1Char('a')))},
        {"a price is no printed text", false, "PRICE", QStringLiteral("1234567890"), QString(), QString()},
        {"a message line with №", true, "M3", QStringLiteral("Хранить при t° до +6 №1"), QString(),
         QStringLiteral("Весы получат: «Хранить при t* до +6 *1» (знаки °№ весы напечатают как «*»)")},
        {"a message line of 50 characters", true, "M8", QString(50, QLatin1Char('m')), QString(), QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Table &t = c.messagesGrid ? windows->mainWindow.store().messages() : goods();
        TableModel &m = c.messagesGrid ? messages : model();
        if (!c.messagesGrid)
            t.setValue(2, QStringLiteral("LOGO"), c.logo.isEmpty() ? QVariant() : QVariant(c.logo));
        const QModelIndex cell = m.index(2, t.columnIndex(QLatin1String(c.column)));
        ASSERT_TRUE(m.setData(cell, c.text, Qt::EditRole));
        EXPECT_EQ(m.data(cell, Qt::DisplayRole).toString(), c.text) << "the grid shows what is stored";
        EXPECT_EQ(m.data(cell, Qt::ToolTipRole).toString(), c.tip);
        EXPECT_EQ(m.data(cell, Qt::BackgroundRole).isValid(), !c.tip.isEmpty());
    }

    // As it is typed, before it is stored.
    windows->mainWindow.show(); // cell editors open only in a shown grid
    goods().setValue(5, QStringLiteral("LOGO"), QVariant());
    grid->setCurrentIndex(model().index(5, goods().columnIndex(QStringLiteral("TNAME1"))));
    ASSERT_TRUE(grid->isEditing());
    auto *editor = grid->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->clear();
    editor->insert(QStringLiteral("Ромашка")); // as typed (keyClicks takes ASCII only)
    EXPECT_TRUE(editor->toolTip().isEmpty());
    editor->insert(QStringLiteral(" №1"));
    EXPECT_EQ(editor->toolTip(), QStringLiteral("Весы получат: «Ромашка *1» (знаки № весы напечатают как «*»)"));
    EXPECT_EQ(editor->palette().color(QPalette::Base), TableModel::scaleMarkColor());
}

TEST_F(GoodsGridTest, NumberSearchFollowsTheTypedNumber)
{
    QTest::keyClick(grid, Qt::Key_1);
    EXPECT_EQ(currentNumber(), 1);
    QTest::keyClick(grid, Qt::Key_2);
    EXPECT_EQ(currentNumber(), 12);
    EXPECT_EQ(grid->currentIndex().row(), goods().currentRow());
    EXPECT_EQ(windows->mainWindow.goodsTab().numberSearchText(), QStringLiteral("12"));

    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_EQ(windows->mainWindow.goodsTab().numberSearchText(), QString());
    EXPECT_EQ(currentNumber(), 1);

    QTest::keyClicks(grid, QStringLiteral("400"));
    EXPECT_EQ(currentNumber(), 400);
    QTest::keyClick(grid, Qt::Key_9); // 4009 does not exist
    EXPECT_EQ(windows->mainWindow.goodsTab().numberSearchText(), QStringLiteral("400"));
    EXPECT_EQ(currentNumber(), 400);
    QTest::keyClick(grid, Qt::Key_Backspace);
    EXPECT_EQ(currentNumber(), 40);
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_EQ(currentNumber(), 1);
    EXPECT_EQ(grid->currentIndex().row(), 0);
}

TEST_F(GoodsGridTest, NumberSearchLooksAtTheNumberNotThePosition)
{
    goods().deleteRow(4); // goods 5 gone: position 5 now holds goods 6
    QTest::keyClick(grid, Qt::Key_6);
    EXPECT_EQ(currentNumber(), 6);
    EXPECT_EQ(goods().currentRow(), 4);
    QTest::keyClick(grid, Qt::Key_Escape);
    QTest::keyClick(grid, Qt::Key_5);
    EXPECT_EQ(windows->mainWindow.goodsTab().numberSearchText(), QString());
    EXPECT_EQ(currentNumber(), 1);
    QTest::keyClick(grid, Qt::Key_A); // not a number: refused like a missing one
    EXPECT_EQ(windows->mainWindow.goodsTab().numberSearchText(), QString());
}

TEST_F(GoodsGridTest, NumberSearchOnlyInTheNumberColumnAndClearedByAClick)
{
    QTest::keyClicks(grid, QStringLiteral("35"));
    EXPECT_EQ(currentNumber(), 35);
    const QModelIndex name = model().index(goods().currentRow(), goods().columnIndex(QStringLiteral("TNAME1")));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(name).center());
    EXPECT_EQ(windows->mainWindow.goodsTab().numberSearchText(), QString());

    grid->setCurrentIndex(name);
    grid->commitEdit();
    QTest::keyClick(grid, Qt::Key_7);
    EXPECT_EQ(windows->mainWindow.goodsTab().numberSearchText(), QString());
    EXPECT_EQ(currentNumber(), 35);
}

TEST_F(GoodsGridTest, RowOpenedPastTheEndIsDroppedOnKeyRelease)
{
    goods().last();
    ASSERT_EQ(grid->currentIndex().row(), 3999);
    QTest::keyPress(grid, Qt::Key_Down);
    EXPECT_EQ(model().rowCount(), 4001);
    EXPECT_TRUE(model().hasPendingRow());
    EXPECT_EQ(grid->currentIndex().row(), 4000);
    QTest::keyRelease(grid, Qt::Key_Down);
    EXPECT_EQ(goods().count(), 4000);
    EXPECT_FALSE(model().hasPendingRow());
    EXPECT_EQ(currentNumber(), 4000);

    goods().setCurrentRow(10);
    QTest::keyPress(grid, Qt::Key_Insert);
    EXPECT_EQ(model().rowCount(), 4001);
    QTest::keyRelease(grid, Qt::Key_Insert);
    EXPECT_EQ(goods().count(), 4000);
}

TEST_F(GoodsGridTest, MessagesRowOpenedPastTheEndIsDroppedToo)
{
    TableGrid *messages = windows->mainWindow.messagesTab().grid();
    Table &m = windows->mainWindow.store().messages();
    m.last();
    QTest::keyPress(messages, Qt::Key_Down);
    EXPECT_EQ(messages->model()->rowCount(), 1001);
    QTest::keyRelease(messages, Qt::Key_Down);
    EXPECT_EQ(m.count(), 1000);
}

TEST_F(GoodsGridTest, CtrlDeleteAsksFirst)
{
    goods().setCurrentRow(2);
    Dialogs::setNextAnswer(QMessageBox::Cancel);
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(goods().count(), 4000);
    EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Delete record?")});

    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(goods().count(), 3999);
    EXPECT_EQ(goods().value(2, QStringLiteral("NPLU")).toInt(), 4);
}

TEST_F(GoodsGridTest, GridAndTableShareTheCurrentRow)
{
    goods().setCurrentRow(1234);
    EXPECT_EQ(grid->currentIndex().row(), 1234);
    grid->setCurrentIndex(model().index(77, 2));
    EXPECT_EQ(goods().currentRow(), 77);
    goods().moveToRecNo(4500); // beyond the end: the last row
    EXPECT_EQ(grid->currentIndex().row(), 3999);
}

TEST_F(GoodsGridTest, NumberColumnIsReadOnlyAndTypedValuesAreStored)
{
    const QModelIndex number = model().index(5, 0);
    EXPECT_FALSE(model().flags(number) & Qt::ItemIsEditable);
    const QModelIndex price = model().index(5, goods().columnIndex(QStringLiteral("PRICE")));
    windows->mainWindow.show(); // cell editors open only in a shown grid
    grid->setCurrentIndex(price);
    ASSERT_TRUE(grid->isEditing());
    EXPECT_TRUE(model().setData(price, QStringLiteral("1250"), Qt::EditRole));
    EXPECT_EQ(goods().value(5, QStringLiteral("PRICE")).toInt(), 1250);
    // A text that is not a number reaches the error box in Russian, naming the column, and
    // leaves the value.
    EXPECT_FALSE(model().setData(price, QStringLiteral("12a"), Qt::EditRole));
    EXPECT_EQ(goods().value(5, QStringLiteral("PRICE")).toInt(), 1250);
    ASSERT_EQ(Dialogs::shownTexts().size(), 1);
    EXPECT_TRUE(Dialogs::shownTexts().first().startsWith(QStringLiteral("Столбец «Цена (коп.)»: «12a»")))
        << Dialogs::shownTexts().first().toStdString();
}

// Money and numbers typed as people write them: a price with a decimal comma or point is in
// currency units, one without in kopecks; a text that cannot be read is refused with the column
// named, and Enter does not close the editor on it.
TEST_F(GoodsGridTest, TypedPricesAndNumbersAreReadAsWritten)
{
    windows->mainWindow.show();
    struct Case {
        const char *column;
        QString typed;
        qint64 stored; // -1: refused
    };
    const Case cases[] = {
        {"PRICE", QStringLiteral("12,50"), 1250},      {"PRICE", QStringLiteral("12.50"), 1250},
        {"PRICE", QStringLiteral("7,5 грн"), 750},     {"PRICE", QStringLiteral("1250"), 1250},
        {"PRICE", QStringLiteral("1 234,56"), 123456}, {"PRICE", QStringLiteral("12,505"), -1},
        {"PRICE", QStringLiteral("abc"), -1},          {"TARA", QStringLiteral("1 200"), 1200},
        {"TARA", QStringLiteral("12,5"), -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        Dialogs::reset();
        const QString column = QLatin1String(c.column);
        goods().setValue(7, column, 4);
        const QModelIndex cell = model().index(7, goods().columnIndex(column));
        grid->setCurrentIndex(cell);
        if (!grid->isEditing())
            grid->edit(cell);
        ASSERT_TRUE(grid->isEditing());
        QLineEdit *editor = nullptr;
        for (QLineEdit *e : grid->findChildren<QLineEdit *>())
            if (e->isVisible())
                editor = e;
        ASSERT_NE(editor, nullptr);
        editor->setText(c.typed);
        QTest::keyClick(editor, Qt::Key_Return);
        if (c.stored < 0) {
            EXPECT_EQ(goods().value(7, column).toLongLong(), 4);
            ASSERT_EQ(Dialogs::shownTexts().size(), 1);
            EXPECT_TRUE(Dialogs::shownTexts().first().startsWith(
                QStringLiteral("Столбец «%1»: ").arg(columnTitle(QStringLiteral("T"), column).title)))
                << Dialogs::shownTexts().first().toStdString();
            EXPECT_TRUE(grid->isEditing());
            EXPECT_EQ(editor->text(), c.typed);
            grid->cancelEdit();
        } else {
            // The editor stores its text once the key's events are done.
            EXPECT_TRUE(tevo::test::waitFor([&] { return goods().value(7, column).toLongLong() == c.stored; }))
                << goods().value(7, column).toLongLong();
            EXPECT_TRUE(tevo::test::waitFor([&] { return !grid->isEditing(); }));
            EXPECT_TRUE(Dialogs::shownTexts().isEmpty()) << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
        }
    }
}

} // namespace
