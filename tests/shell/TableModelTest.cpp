// The grids' model over a table: what changes through the table (an import, a row added or
// deleted, a re-read, a rebuild) while a grid shows it, with and without the grid's new row
// open, reaches the grid as consistent model signals; the new row reaches the database only
// once something is typed into it.
#include "ShellFixture.h"
#include "fileio/CsvImport.h"
#include "shell/GoodsTab.h"
#include "shell/TableGrid.h"
#include "shell/TableModel.h"
#include "store/Database.h"
#include "store/Store.h"
#include "store/Table.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <functional>

using namespace tevo;
using tevo::test::ShellTest;

namespace {

struct Change {
    const char *name;
    bool newRowOpen; // the grid's new row is open before the change
    std::function<void(Store &store, TableModel &model, const QString &folder)> change;
    int shownRows;   // rows the grid shows after it
    bool newRowKept; // the new row is still open after it
    int storedRows;  // rows of T in the database after it
    std::function<void(TableModel &model, const QSignalSpy &changed)> more = {};
};

QModelIndex cell(const TableModel &model, int row, const char *column)
{
    return model.index(row, model.table().columnIndex(QLatin1String(column)));
}

class TableModelTest : public ShellTest, public ::testing::WithParamInterface<Change> {};

TEST_P(TableModelTest, ChangesThroughTheTableReachTheGrid)
{
    const Change &c = GetParam();
    AppWindows &w = activated();
    Store &store = w.mainWindow.store();
    TableModel &model = *w.mainWindow.goodsTab().grid()->tableModel();
    // Fails the program on a model signal that does not match the rows the model shows.
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    if (c.newRowOpen) {
        ASSERT_TRUE(w.mainWindow.goodsTab().grid()->appendRow());
    }
    ASSERT_EQ(model.rowCount(), 4000 + (c.newRowOpen ? 1 : 0));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    c.change(store, model, scratch.path());

    EXPECT_EQ(model.rowCount(), c.shownRows);
    EXPECT_EQ(model.hasPendingRow(), c.newRowKept);
    EXPECT_EQ(store.goods().count(), c.shownRows - (c.newRowKept ? 1 : 0));
    QSqlQuery q = store.database().exec(QStringLiteral("SELECT count(*) FROM T"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), c.storedRows);
    if (c.more)
        c.more(model, changed);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, TableModelTest,
    ::testing::Values(
        Change{"ImportChangesTheShownRows", false,
               [](Store &store, TableModel &, const QString &folder) {
                   QFile file(folder + QStringLiteral("/goods.csv"));
                   ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                   file.write("1;Milk;\r\n3;Kefir;\r\n");
                   file.close();
                   importGoodsCsv(store.goods(), file.fileName());
               },
               4000, false, 4000,
               [](TableModel &model, const QSignalSpy &changed) {
                   EXPECT_EQ(model.data(cell(model, 2, "TNAME1"), Qt::DisplayRole).toString(), QStringLiteral("Kefir"));
                   bool toldRow2 = false;
                   for (const QList<QVariant> &signal : changed)
                       toldRow2 = toldRow2
                                  || (signal.at(0).toModelIndex().row() <= 2 && signal.at(1).toModelIndex().row() >= 2);
                   EXPECT_TRUE(toldRow2);
                   // The import wrote the numbers; in the grid the number column stays read-only.
                   EXPECT_FALSE(model.flags(cell(model, 0, "NPLU")) & Qt::ItemIsEditable);
                   EXPECT_TRUE(model.flags(cell(model, 0, "TNAME1")) & Qt::ItemIsEditable);
               }},
        Change{"RowAddedByTheTableGoesAboveTheNewRow", true,
               [](Store &store, TableModel &, const QString &) {
                   store.goods().appendRow({{"NPLU", 4001}});
               },
               4002, true, 4001,
               [](TableModel &model, const QSignalSpy &) {
                   EXPECT_EQ(model.data(cell(model, 4000, "NPLU"), Qt::DisplayRole).toString(), QStringLiteral("4001"));
                   EXPECT_EQ(model.pendingRow(), 4001);
               }},
        Change{"RowDeletedAboveTheNewRow", true,
               [](Store &store, TableModel &, const QString &) { store.goods().deleteRow(0); }, 4000, true, 3999},
        Change{"ReReadDropsTheNewRow", true,
               [](Store &store, TableModel &, const QString &) { store.goods().refresh(); }, 4000, false, 4000},
        Change{"RebuildDropsTheNewRowAndShowsTheNewRows", true,
               [](Store &store, TableModel &model, const QString &) {
                   int shownWhileRebuilt = -1;
                   store.setRowHook([&] { shownWhileRebuilt = model.rowCount(); });
                   store.createEmptyGoods();
                   store.setRowHook({});
                   EXPECT_EQ(shownWhileRebuilt, 0);
               },
               4000, false, 4000},
        Change{"EmptyValueInTheNewRowStoresNothing", true,
               [](Store &, TableModel &model, const QString &) {
                   EXPECT_TRUE(model.setData(cell(model, 4000, "TNAME1"), QString(), Qt::EditRole));
               },
               4001, true, 4000},
        Change{"BadNumberInTheNewRowStoresNothing", true,
               [](Store &, TableModel &model, const QString &) {
                   EXPECT_FALSE(model.setData(cell(model, 4000, "PRICE"), QStringLiteral("12a"), Qt::EditRole));
               },
               4001, true, 4000},
        Change{"ValueInTheNewRowStoresTheRow", true,
               [](Store &store, TableModel &model, const QString &) {
                   EXPECT_TRUE(model.setData(cell(model, 4000, "TNAME1"), QStringLiteral("Bread"), Qt::EditRole));
                   EXPECT_EQ(store.goods().text(4000, QStringLiteral("TNAME1")), QStringLiteral("Bread"));
                   EXPECT_EQ(store.goods().currentRow(), 4000);
               },
               4001, false, 4001,
               [](TableModel &model, const QSignalSpy &changed) {
                   EXPECT_EQ(model.data(cell(model, 4000, "TNAME1"), Qt::DisplayRole).toString(),
                             QStringLiteral("Bread"));
                   EXPECT_FALSE(changed.isEmpty());
               }}),
    [](const ::testing::TestParamInfo<Change> &info) { return std::string(info.param.name); });

} // namespace
