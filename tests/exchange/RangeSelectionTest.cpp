// Range texts such as "1-5, 7-8".
#include "common/Error.h"
#include "exchange/RangeSelection.h"

#include <gtest/gtest.h>

#include <set>

using namespace tevo;

namespace {

std::set<int> selected(const RangeSelection &r)
{
    std::set<int> out;
    for (int n = 0; n < r.rangeSelected.size(); ++n) {
        if (r.rangeSelected.testBit(n))
            out.insert(n);
    }
    return out;
}

std::set<int> run(int a, int b, std::set<int> more = {})
{
    for (int n = a; n <= b; ++n)
        more.insert(n);
    return more;
}

} // namespace

TEST(Range, ParsesTheRangeTexts)
{
    struct Case {
        QString text;
        int max;
        std::set<int> numbers;
        int first, last, size;
    } cases[] = {
        {QStringLiteral("1-5, 7-8"), 4000, run(1, 5, {7, 8}), 1, 8, 7},
        {QStringLiteral("7-8, 1-5"), 4000, run(1, 5, {7, 8}), 1, 8, 7},
        {QStringLiteral("1-5, 3"), 4000, run(1, 5), 1, 5, 6},
        {QStringLiteral("5-3"), 4000, {}, 3, 5, -1},
        {QStringLiteral("12"), 4000, {12}, 12, 12, 1},
        {QStringLiteral("3, 1"), 4000, {1, 3}, 1, 3, 2},
        {QStringLiteral("1-1"), 4000, {1}, 1, 1, 1},
        {QStringLiteral("1-4000"), 4000, run(1, 4000), 1, 4000, 4000},
        {QStringLiteral("1-1000"), 1000, run(1, 1000), 1, 1000, 1000},
        {QStringLiteral("  1-5, 7-8 \t\r\n"), 4000, run(1, 5, {7, 8}), 1, 8, 7},
        {QStringLiteral("1-5,"), 4000, run(1, 5), 1, 5, 5},
        {QStringLiteral("1-5, 7-8,"), 4000, run(1, 5, {7, 8}), 1, 8, 7},
        {QStringLiteral("4000"), 4000, {4000}, 4000, 4000, 1},
    };
    for (const Case &c : cases) {
        RangeSelection r;
        r.parseRange(c.text, c.max);
        EXPECT_EQ(selected(r), c.numbers) << c.text.toStdString();
        EXPECT_EQ(r.rangeFirst, c.first) << c.text.toStdString();
        EXPECT_EQ(r.rangeLast, c.last) << c.text.toStdString();
        EXPECT_EQ(r.rangeSize, c.size) << c.text.toStdString();
    }
}

TEST(Range, RefusesBadTextsBeforeAnyFlagIsSet)
{
    enum Kind { Conversion, Input };
    struct Case {
        QString text;
        int max;
        Kind kind;
        QString message;
    } cases[] = {
        {QString(), 4000, Conversion, QStringLiteral("'' is not a valid integer value")},
        {QStringLiteral("   "), 4000, Conversion, QStringLiteral("'' is not a valid integer value")},
        {QStringLiteral("1-5,  7-8"), 4000, Conversion, QStringLiteral("'' is not a valid integer value")},
        {QStringLiteral("1-5 , 7-8"), 4000, Conversion, QStringLiteral("'' is not a valid integer value")},
        {QStringLiteral("1 -5"), 4000, Conversion, QStringLiteral("'' is not a valid integer value")},
        {QStringLiteral("1- 5"), 4000, Conversion, QStringLiteral("'' is not a valid integer value")},
        {QStringLiteral("1-x"), 4000, Conversion, QStringLiteral("'x' is not a valid integer value")},
        {QStringLiteral("abc"), 4000, Conversion, QStringLiteral("'abc' is not a valid integer value")},
        {QStringLiteral("1,2"), 4000, Conversion, QStringLiteral("'1,2' is not a valid integer value")},
        {QStringLiteral("1-5,,"), 4000, Conversion, QStringLiteral("'5,' is not a valid integer value")},
        {QStringLiteral("1-2-3"), 4000, Conversion, QStringLiteral("'2-3' is not a valid integer value")},
        {QStringLiteral("99999999999"), 4000, Conversion, QStringLiteral("'99999999999' is not a valid integer value")},
        {QStringLiteral("4001"), 4000, Input, QStringLiteral("Номер 4001 вне диапазона 1 … 4000")},
        {QStringLiteral("0-5"), 4000, Input, QStringLiteral("Номер 0 вне диапазона 1 … 4000")},
        {QStringLiteral("1-5, 7-4001"), 4000, Input, QStringLiteral("Номер 4001 вне диапазона 1 … 4000")},
        {QStringLiteral("1--3"), 4000, Input, QStringLiteral("Номер -3 вне диапазона 1 … 4000")},
        {QStringLiteral("1-1001"), 1000, Input, QStringLiteral("Номер 1001 вне диапазона 1 … 1000")},
        {QStringLiteral("0-x"), 4000, Conversion, QStringLiteral("'x' is not a valid integer value")},
    };
    for (const Case &c : cases) {
        RangeSelection r;
        r.parseRange(QStringLiteral("2-3"), c.max);
        try {
            r.parseRange(c.text, c.max);
            ADD_FAILURE() << "accepted: " << c.text.toStdString();
        } catch (const ConversionError &e) {
            EXPECT_EQ(c.kind, Conversion) << c.text.toStdString();
            EXPECT_EQ(e.text(), c.message) << c.text.toStdString();
        } catch (const InputError &e) {
            EXPECT_EQ(c.kind, Input) << c.text.toStdString();
            EXPECT_EQ(e.text(), c.message) << c.text.toStdString();
        }
        EXPECT_EQ(selected(r), run(2, 3)) << "state kept after " << c.text.toStdString();
        EXPECT_EQ(r.rangeFirst, 2);
        EXPECT_EQ(r.rangeLast, 3);
        EXPECT_EQ(r.rangeSize, 2);
    }
}

TEST(Range, NextInRangeWalksTheChosenNumbersAndStopsAtTheLast)
{
    struct Case {
        QString text;
        int from;
        int next;
    } cases[] = {
        {QStringLiteral("1-5, 7-8"), 0, 1},
        {QStringLiteral("1-5, 7-8"), 1, 2},
        {QStringLiteral("1-5, 7-8"), 5, 7},
        {QStringLiteral("1-5, 7-8"), 6, 7},
        {QStringLiteral("1-5, 7-8"), 7, 8},
        {QStringLiteral("1-5, 7-8"), 8, 8},
        {QStringLiteral("1-5, 7-8"), 3999, 8},
        {QStringLiteral("1-5, 7-8"), -10, 1},
        {QStringLiteral("5-3"), 3, 5},
        {QStringLiteral("12"), 12, 12},
        {QStringLiteral("3999-4000"), 3999, 4000},
        {QStringLiteral("4000"), 4000, 4000},
    };
    for (const Case &c : cases) {
        RangeSelection r;
        r.parseRange(c.text, kMaxGoodsNumber);
        EXPECT_EQ(r.nextInRange(c.from), c.next) << c.text.toStdString() << " after " << c.from;
    }
}

TEST(Range, RaisedLastBeyondTheFlagsIsReachedWithoutReadingPastThem)
{
    // The message read asks for one number past the range.
    RangeSelection r;
    r.parseRange(QStringLiteral("999-1000"), kMaxMessageNumber);
    r.rangeLast += 1;
    EXPECT_EQ(r.nextInRange(999), 1000);
    EXPECT_EQ(r.nextInRange(1000), 1001);
    EXPECT_FALSE(r.isSelected(1001));
    EXPECT_TRUE(r.isSelected(1000));
    EXPECT_FALSE(r.isSelected(0));
}

TEST(Range, AFreshStateHasNothingChosen)
{
    const RangeSelection r;
    EXPECT_FALSE(r.isSelected(1));
    EXPECT_EQ(r.nextInRange(0), 0);
}
