// The example files of the user guide (doc/guide/examples) go through the program's own imports
// as the guide says, pass the data check, and the spreadsheet export of them begins with the
// cells the guide shows (read back by the Debian reader, compared by tests/guide/check_guide.py).
#include "FileioTestSupport.h"

#include "fileio/CsvImport.h"
#include "fileio/DbfExchange.h"
#include "fileio/GoodsSheetFile.h"
#include "fileio/GoodsTextFile.h"
#include "store/DataCheck.h"

#include <gtest/gtest.h>

using namespace tevo;
using namespace tevo::test;

namespace {

QString example(const char *name) { return sourceDir() + QStringLiteral("/doc/guide/examples/") + QLatin1String(name); }

TEST(GuideExamples, ImportAsTheGuideSays)
{
    StoreFixture f;
    importGoodsText(f.goods(), example("tovary.txt"));
    importGoodsCsv(f.goods(), example("tovary.csv"));
    importMessagesCsv(f.messages(), example("soobshcheniya.csv"));

    const QStringList names = {QStringLiteral("Сыр Российский"), QStringLiteral("Колбаса докторская"),
                               QStringLiteral("Яблоки Голден"), QStringLiteral("Печенье овсяное"),
                               QStringLiteral("Конфеты Ромашка")};
    for (int row = 0; row < names.size(); ++row)
        EXPECT_EQ(f.goods().text(row, QStringLiteral("TNAME1")), names.at(row)) << "row " << row + 1;
    EXPECT_TRUE(f.goods().text(5, QStringLiteral("TNAME1")).isEmpty());
    EXPECT_EQ(f.messages().text(0, QStringLiteral("M1")), QStringLiteral("Хранить при температуре "));
    EXPECT_EQ(f.messages().text(0, QStringLiteral("M2")), QStringLiteral("от +2 до +6 градусов"));
    EXPECT_EQ(checkGoods(f.goods()), QStringLiteral("Проверка данных завершена успешно. Ошибок не обнаружено"));

    const QString sheet = f.file(QStringLiteral("tovary.xls"));
    exportGoodsXls(f.goods(), sheet);
    const PythonResult r = runPython(
        QStringLiteral("import runpy, sys; sys.argv = sys.argv[1:]; runpy.run_path(sys.argv[0], run_name='__main__')"),
        {sourceDir() + QStringLiteral("/tests/guide/check_guide.py"), QStringLiteral("sheet"), sourceDir(), sheet});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();

    // The dBase example replaces the whole table with its three records.
    importGoodsDbf(f.goods(), example("tovary.dbf"));
    ASSERT_EQ(f.goods().count(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(f.goods().text(row, QStringLiteral("TNAME1")), names.at(row)) << "row " << row + 1;
    EXPECT_EQ(f.goods().text(1, QStringLiteral("TNAME2")), QStringLiteral("варёная, высший сорт"));
}

} // namespace
