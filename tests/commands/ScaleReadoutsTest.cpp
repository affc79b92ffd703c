// The weighing state and the sales totals.
#include "Bytes.h"
#include "commands/ScaleReadouts.h"
#include "common/Error.h"

#include <gtest/gtest.h>

using namespace tevo;

namespace {

// A reply of `length` bytes with `values` from `offset` on.
QByteArray at(int length, int offset, std::initializer_list<int> values)
{
    QByteArray out(length, '\0');
    out[0] = char(0xAA);
    const QByteArray given = tevo::test::bytes(values);
    out.replace(offset, given.size(), given);
    return out;
}

} // namespace

TEST(WeighingState, WeightIsShownInKilograms)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QLocale c = QLocale::c();
    struct Case {
        int lo, hi;
        QString ru, c;
    } cases[] = {
        {0xE8, 0x03, QStringLiteral("1"), QStringLiteral("1")},
        {0xDC, 0x05, QStringLiteral("1,5"), QStringLiteral("1.5")},
        {0xFF, 0xFF, QStringLiteral("65,535"), QStringLiteral("65.535")},
        {0x00, 0x00, QStringLiteral("0"), QStringLiteral("0")},
        {0x01, 0x00, QStringLiteral("0,001"), QStringLiteral("0.001")},
        {0x1A, 0x04, QStringLiteral("1,05"), QStringLiteral("1.05")},
        {0x20, 0x4E, QStringLiteral("20"), QStringLiteral("20")},
    };
    for (const Case &k : cases) {
        const WeighingState s = decodeWeighingState(at(16, 2, {k.lo, k.hi}));
        EXPECT_EQ(weightText(s.grams, russian), k.ru);
        EXPECT_EQ(weightText(s.grams, c), k.c);
    }
}

TEST(WeighingState, PriceCostAndGoodsNumber)
{
    const WeighingState s =
        decodeWeighingState(at(16, 1, {0x77, 0, 0, 0x10, 0x27, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x07, 0, 0, 0}));
    EXPECT_EQ(s.grams, 0);
    EXPECT_EQ(s.priceText(), QStringLiteral("10000"));
    EXPECT_EQ(s.costText(), QStringLiteral("-1"));
    EXPECT_EQ(s.pluText(), QStringLiteral("7"));
}

TEST(WeighingState, NeedsSixteenBytes)
{
    EXPECT_THROW(decodeWeighingState(QByteArray(15, '\0')), InputError);
    EXPECT_NO_THROW(decodeWeighingState(QByteArray(17, '\0')));
}

TEST(SalesTotals, EachCounterHasItsOffsetAndWidth)
{
    struct Case {
        const char *label;
        int offset;
        std::initializer_list<int> raw;
        qint64 value;
        qint64 (*get)(const SalesTotals &);
    };
    const Case cases[] = {
        {"Счетчик пробега",
         1,
         {0x01, 0x02, 0x03, 0x04},
         0x04030201,
         [](const SalesTotals &t) -> qint64 { return t.runCounter; }},
        {"Счетчик этикеток",
         5,
         {0xFF, 0xFF, 0xFF, 0x7F},
         0x7FFFFFFF,
         [](const SalesTotals &t) -> qint64 { return t.labelCounter; }},
        {"Общая сумма", 9, {0xFF, 0xFF, 0xFF, 0xFF}, -1, [](const SalesTotals &t) -> qint64 { return t.totalSum; }},
        {"Кол-во продаж", 13, {0xFF, 0xFF, 0xFF}, 16777215, [](const SalesTotals &t) -> qint64 { return t.salesCount; }},
        {"Общий вес",
         16,
         {0x00, 0x00, 0x00, 0x80},
         INT32_MIN,
         [](const SalesTotals &t) -> qint64 { return t.totalWeight; }},
        {"Сумма по всем PLU",
         20,
         {0x10, 0x27, 0x00, 0x00},
         10000,
         [](const SalesTotals &t) -> qint64 { return t.sumAllPlu; }},
        {"Кол-во продаж по всем PLU",
         24,
         {0x01, 0x00, 0x01},
         65537,
         [](const SalesTotals &t) -> qint64 { return t.salesCountAllPlu; }},
        {"Общий вес по всем PLU",
         27,
         {0xFE, 0xFF, 0xFF, 0xFF},
         -2,
         [](const SalesTotals &t) -> qint64 { return t.weightAllPlu; }},
        {"Кол-во свободных PLU", 37, {0xA0, 0x0F}, 4000, [](const SalesTotals &t) -> qint64 { return t.freePlu; }},
        {"Кол-во свободных сообщений",
         39,
         {0xFF, 0xFF},
         65535,
         [](const SalesTotals &t) -> qint64 { return t.freeMessages; }},
    };
    for (const Case &c : cases) {
        const SalesTotals t = decodeSalesTotals(at(41, c.offset, c.raw));
        EXPECT_EQ(c.get(t), c.value) << c.label;
        // Nothing else is touched by these bytes.
        int nonZero = 0;
        for (const Case &other : cases)
            nonZero += other.get(t) != 0;
        EXPECT_EQ(nonZero, 1) << c.label;
    }
}

TEST(SalesTotals, BytesThirtyOneToThirtySixAreNotRead)
{
    QByteArray reply(41, char(0x00));
    for (int i = 31; i <= 36; ++i)
        reply[i] = char(0xFF);
    const SalesTotals t = decodeSalesTotals(reply);
    EXPECT_EQ(t.weightAllPlu, 0);
    EXPECT_EQ(t.freePlu, 0);
}

TEST(SalesTotals, NeedsFortyOneBytes)
{
    EXPECT_THROW(decodeSalesTotals(QByteArray(40, '\0')), InputError);
    EXPECT_NO_THROW(decodeSalesTotals(QByteArray(41, '\0')));
}
