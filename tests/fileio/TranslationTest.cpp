// The texts of the lower layers under a translator: what is shown is translated at the moment it
// is asked for (no text made before the translator came), and what is written to a file or read
// back stays Russian, so that a sheet written under one language imports under any other.
#include "common/Convert.h"
#include "fileio/ColumnMapping.h"
#include "fileio/ColumnTitles.h"
#include "fileio/GoodsSheetFile.h"
#include "fileio/GoodsXlsxFile.h"
#include "fileio/ImportPlan.h"
#include "fileio/TabularFile.h"
#include "store/ChangeJournal.h"
#include "store/DataCheck.h"

#include "FileioTestSupport.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace tevo;
using tevo::test::StoreFixture;

namespace {

// Translates every text into "~" and the text; the plural forms of "%n …" into "~%n шт.".
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int n) const override
    {
        const QString text = QString::fromUtf8(source);
        return n >= 0 && text.contains(QLatin1String("%n")) ? QStringLiteral("~%n шт.") : QLatin1Char('~') + text;
    }
};

class Translated : public ::testing::Test, public StoreFixture {
protected:
    void SetUp() override { ASSERT_TRUE(QCoreApplication::installTranslator(&translator)); }
    void TearDown() override { QCoreApplication::removeTranslator(&translator); }
    MarkingTranslator translator;
};

TEST_F(Translated, ShownTextsAreTranslatedAndSheetsKeepTheRussianTitlesTheImportReadsBack)
{
    // Shown: the grid's titles, the import window's fields, a count, the data check's end, a
    // journal source (which tevo-cli takes as shown and as in Russian).
    const ColumnTitle price = columnTitle(QStringLiteral("T"), QStringLiteral("PRICE"));
    EXPECT_EQ(price.title, QStringLiteral("~Цена (коп.)"));
    EXPECT_EQ(price.fileTitle, QStringLiteral("Цена (коп.)"));
    EXPECT_EQ(columnTitle(QStringLiteral("M"), QStringLiteral("M3")).title, QStringLiteral("~Строка 3"));
    EXPECT_EQ(columnTitle(QStringLiteral("M"), QStringLiteral("M3")).fileTitle, QStringLiteral("Строка 3"));
    for (const ImportField &f : importFields(ImportTarget::Messages))
        EXPECT_TRUE(f.title.startsWith(QLatin1Char('~'))) << f.name.toStdString();
    ASSERT_TRUE(importField(ImportTarget::Goods, QStringLiteral("PLU")));
    EXPECT_EQ(countText("ScaleHoldings", QT_TRANSLATE_N_NOOP("ScaleHoldings", "%n товаров"), 3, "товар", "товара",
                        "товаров"),
              QStringLiteral("~3 шт."));
    EXPECT_EQ(checkGoods(goods()), dataCheckSuccessText());
    EXPECT_EQ(dataCheckSuccessText(), QStringLiteral("~Проверка данных завершена успешно. Ошибок не обнаружено"));
    EXPECT_EQ(changeSourceName(ChangeSource::Import), QStringLiteral("~импорт"));
    for (const QString &typed : {QStringLiteral("импорт"), QStringLiteral("~ИМПОРТ")}) {
        ChangeSource source = ChangeSource::Edit;
        EXPECT_TRUE(changeSourceFromName(typed, &source)) << typed.toStdString();
        EXPECT_EQ(source, ChangeSource::Import) << typed.toStdString();
    }

    // Written: both goods sheets title their columns in Russian and come back whole.
    goods().setValues(0, {{QStringLiteral("TNAME1"), QStringLiteral("Хлеб")}, {QStringLiteral("PRICE"), 1250}});
    const QStringList before = goodsSnapshot();
    for (const QString &name : {QStringLiteral("goods.xlsx"), QStringLiteral("goods.xls")}) {
        SCOPED_TRACE(name.toStdString());
        const QString path = file(name);
        name.endsWith(QLatin1String("x")) ? exportGoodsXlsx(goods(), path) : exportGoodsXls(goods(), path);
        const TabularFile tabular = readTabularFile(path);
        ASSERT_FALSE(tabular.sheets.isEmpty());
        ASSERT_FALSE(tabular.sheets[0].rows.isEmpty());
        EXPECT_EQ(tabular.sheets[0].rows[0].text(3), QStringLiteral("Цена (коп.)"));
        goods().setValue(0, QStringLiteral("PRICE"), 1);
        const ColumnMapping mapping = ColumnMapping::detect(tabular.sheets[0], ImportTarget::Goods);
        const ImportPlan plan(tabular, 0, mapping, goods());
        ASSERT_TRUE(plan.problems().isEmpty()) << plan.problems().join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(plan.apply(goods()).changedRows, 1);
        EXPECT_TRUE(goodsSnapshot() == before);
    }
}

} // namespace
