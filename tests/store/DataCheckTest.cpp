// The data check: which fragments each rule adds, which row is reported and left current.
#include "TestSupport.h"

#include "store/DataCheck.h"
#include "store/Store.h"

#include <gtest/gtest.h>

using namespace tevo;

namespace {

const QString kSuccess = QStringLiteral("Проверка данных завершена успешно. Ошибок не обнаружено");

class DataCheckTest : public ::testing::Test {
protected:
    void SetUp() override { store.openTables(scratch.database()); }

    Table &goods() { return store.goods(); }

    // Row `row` (0-based) gets a price and the given values; the result is the check's text.
    QString checkWith(int row, const FieldValues &values, const QVariant &price = 100)
    {
        FieldValues all = {{QStringLiteral("PRICE"), price}, {QStringLiteral("UBDATE"), QStringLiteral("10")}};
        all += values;
        goods().setValues(row, all);
        return checkGoods(goods());
    }

    static QString report(const QString &fragments, int number)
    {
        return QStringLiteral("Ошибки найдены в: ") + fragments + QStringLiteral("; строка №") + QString::number(number);
    }

    test::ScratchDir scratch;
    Store store;
};

TEST_F(DataCheckTest, EmptyTablePassesAndLeavesTheLastRowCurrent)
{
    EXPECT_EQ(checkGoods(goods()), kSuccess);
    EXPECT_EQ(goods().currentRow(), goods().count() - 1);
}

TEST_F(DataCheckTest, RowsWithoutPriceAreNotExamined)
{
    goods().setValues(3, {{QStringLiteral("TNAME1"), QString(40, QLatin1Char('x'))}, {QStringLiteral("TARA"), 7}});
    EXPECT_EQ(checkGoods(goods()), kSuccess);
}

TEST_F(DataCheckTest, NameTareAndOddTareTogether)
{
    const QString text =
        checkWith(6, {{QStringLiteral("TARA"), 5999}, {QStringLiteral("TNAME1"), QString(29, QLatin1Char('a'))}});
    EXPECT_EQ(text, report(QStringLiteral("Название товара 1; Тара Тара; "), 7));
}

TEST_F(DataCheckTest, NamesAsTheScaleWillPrintThem)
{
    // 28 characters a name, 24 with a logo; what the scale's page lacks prints as '*'.
    const QString fortyFour = QStringLiteral("Молоко «Домик в деревне» 2,5% ультрапастери."); // 44 characters
    ASSERT_EQ(fortyFour.size(), 44);
    const struct {
        const char *what;
        FieldValues values;
        QString fragments; // empty: the check passes
    } cases[] = {
        {"44 characters with «»",
         {{QStringLiteral("TNAME1"), fortyFour}},
         QStringLiteral("Название товара 1; Название товара 1: знаки «» весы напечатают как «*»; ")},
        {"28 characters, the page's letters only",
         {{QStringLiteral("TNAME2"), QStringLiteral("Їжак і ялинка: Ёж, Єнот, ІЇ.")}},
         QString()},
        {"№ and Ґ in the second name",
         {{QStringLiteral("TNAME2"), QStringLiteral("Ґудзик №5")}},
         QStringLiteral("Название товара 2: знаки Ґ№ весы напечатают как «*»; ")},
        {"25 characters beside a logo",
         {{QStringLiteral("TNAME1"), QString(25, QLatin1Char('a'))}, {QStringLiteral("LOGO"), QStringLiteral("U1")}},
         QStringLiteral("Название товара 1; ")},
        {"24 characters beside a logo",
         {{QStringLiteral("TNAME1"), QString(24, QLatin1Char('a'))}, {QStringLiteral("LOGO"), QStringLiteral("Р2")}},
         QString()},
        {"a character past the cut is not named",
         {{QStringLiteral("TNAME1"), QString(28, QLatin1Char('a')) + QStringLiteral("»")}},
         QStringLiteral("Название товара 1; ")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        goods().setValues(4, {{QStringLiteral("TNAME1"), QVariant()},
                              {QStringLiteral("TNAME2"), QVariant()},
                              {QStringLiteral("LOGO"), QVariant()}});
        EXPECT_EQ(checkWith(4, c.values), c.fragments.isEmpty() ? kSuccess : report(c.fragments, 5));
    }
}

TEST_F(DataCheckTest, TareLimits)
{
    EXPECT_EQ(checkWith(0, {{QStringLiteral("TARA"), 5998}}), kSuccess);
    EXPECT_EQ(checkWith(0, {{QStringLiteral("TARA"), 0}}), kSuccess);
    EXPECT_EQ(checkWith(0, {{QStringLiteral("TARA"), 6000}}), report(QStringLiteral("Тара "), 1));
    EXPECT_EQ(checkWith(0, {{QStringLiteral("TARA"), 3}}), report(QStringLiteral("Тара; "), 1));
    EXPECT_EQ(checkWith(0, {{QStringLiteral("TARA"), -2}}), report(QStringLiteral("Тара "), 1));
}

TEST_F(DataCheckTest, ShelfLifeMustBeAWholeNumberUpTo999)
{
    EXPECT_EQ(checkWith(1, {{QStringLiteral("UBDATE"), QVariant()}}), report(QStringLiteral("Срок годности; "), 2));
    EXPECT_EQ(checkWith(1, {{QStringLiteral("UBDATE"), QStringLiteral("01.02.25")}}),
              report(QStringLiteral("Срок годности; "), 2));
    EXPECT_EQ(checkWith(1, {{QStringLiteral("UBDATE"), QStringLiteral("1000")}}),
              report(QStringLiteral("Срок годности "), 2));
    EXPECT_EQ(checkWith(1, {{QStringLiteral("UBDATE"), QStringLiteral("999")}}), kSuccess);
    EXPECT_EQ(checkWith(1, {{QStringLiteral("UBDATE"), QStringLiteral("0")}}), kSuccess);
}

TEST_F(DataCheckTest, PriceLimits)
{
    EXPECT_EQ(checkWith(2, {}, 0), kSuccess);
    EXPECT_EQ(checkWith(2, {}, 999999), kSuccess);
    EXPECT_EQ(checkWith(2, {}, 1000000), report(QStringLiteral("Цена "), 3));
    EXPECT_EQ(checkWith(2, {}, -1), report(QStringLiteral("Цена "), 3));
}

TEST_F(DataCheckTest, NumberLimits)
{
    EXPECT_EQ(checkWith(3999, {}), kSuccess); // NPLU 4000
    EXPECT_EQ(checkWith(3999, {{QStringLiteral("NPLU"), 4001}}), report(QStringLiteral("№ ПЛУ "), 4001));
    // An empty number reads as 0; the closing text then ends with the empty number.
    EXPECT_EQ(checkWith(3999, {{QStringLiteral("NPLU"), QVariant()}}),
              QStringLiteral("Ошибки найдены в: № ПЛУ ; строка №"));
}

TEST_F(DataCheckTest, NameLengthsCountCharacters)
{
    const QString cyrillic28 = QString(28, QChar(0x0416)); // Ж
    EXPECT_EQ(checkWith(4, {{QStringLiteral("TNAME1"), cyrillic28}, {QStringLiteral("TNAME2"), cyrillic28}}), kSuccess);
    EXPECT_EQ(checkWith(4, {{QStringLiteral("TNAME2"), cyrillic28 + QLatin1Char('x')}}),
              report(QStringLiteral("Название товара 2; "), 5));
}

TEST_F(DataCheckTest, CodeAndGroupCodeLimits)
{
    EXPECT_EQ(checkWith(5, {{QStringLiteral("CODE"), 999999}, {QStringLiteral("GROUPCODE"), 999999}}), kSuccess);
    EXPECT_EQ(checkWith(5, {{QStringLiteral("CODE"), 1000000}}), report(QStringLiteral("Код товара "), 6));
    EXPECT_EQ(checkWith(5, {{QStringLiteral("CODE"), 0}, {QStringLiteral("GROUPCODE"), 1000000}}),
              report(QStringLiteral("Групповой код "), 6));
    EXPECT_EQ(checkWith(5, {{QStringLiteral("CODE"), -5}, {QStringLiteral("GROUPCODE"), -5}}),
              report(QStringLiteral("Код товара Групповой код "), 6));
}

TEST_F(DataCheckTest, FragmentsFollowTheColumnOrder)
{
    const QString text = checkWith(8,
                                   {{QStringLiteral("NPLU"), 5000},
                                    {QStringLiteral("TNAME1"), QString(30, QLatin1Char('a'))},
                                    {QStringLiteral("TNAME2"), QString(30, QLatin1Char('b'))},
                                    {QStringLiteral("CODE"), 1000000},
                                    {QStringLiteral("UBDATE"), QStringLiteral("x")},
                                    {QStringLiteral("TARA"), 7001},
                                    {QStringLiteral("GROUPCODE"), 1000000}},
                                   1000000);
    EXPECT_EQ(text, report(QStringLiteral("№ ПЛУ Название товара 1; Название товара 2; Код товара Цена "
                                          "Срок годности; Тара Тара; Групповой код "),
                           5000));
}

TEST_F(DataCheckTest, OnlyTheFirstFaultyRowIsReportedAndLeftCurrent)
{
    goods().setValues(8, {{QStringLiteral("PRICE"), 1},
                          {QStringLiteral("UBDATE"), QStringLiteral("5")},
                          {QStringLiteral("TARA"), 1}});
    goods().setValues(4, {{QStringLiteral("PRICE"), 1},
                          {QStringLiteral("UBDATE"), QStringLiteral("5")},
                          {QStringLiteral("TARA"), 9999}});
    goods().first();
    EXPECT_EQ(checkGoods(goods()), report(QStringLiteral("Тара Тара; "), 5));
    EXPECT_EQ(goods().currentRow(), 4);
}

} // namespace

// Row N holds goods N, each number once: a doubled number (two programs that replaced the table
// at once) or a row out of its place is reported, and that row left current.
TEST_F(DataCheckTest, EachNumberOnceAtItsRow)
{
    goods().setValue(4, QStringLiteral("NPLU"), 4);
    EXPECT_EQ(checkGoods(goods()),
              QStringLiteral("Ошибки найдены в: № ПЛУ 4 повторяется (в таблице 4000 строк); строка №4"));
    EXPECT_EQ(goods().currentRow(), 4);
    goods().setValue(4, QStringLiteral("NPLU"), 5);
    goods().deleteRow(2);
    EXPECT_EQ(checkGoods(goods()), QStringLiteral("Ошибки найдены в: № ПЛУ 4 стоит в строке 3: номера идут не от 1 "
                                                  "по порядку; строка №4"));
}
