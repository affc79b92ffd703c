// Counting the selected scales: truth values as the scale list stores them.
#include "TestSupport.h"

#include "store/Store.h"

#include <gtest/gtest.h>

using namespace tevo;

TEST(SelectedScales, TruthValuesAreReadByTheirFirstCharacter)
{
    test::ScratchDir scratch;
    Store store;
    store.openTables(scratch.database());
    EXPECT_EQ(store.countSelectedScales(), 0);
    for (const QVariant &u : {QVariant(QStringLiteral("t")), QVariant(QString()), QVariant(QStringLiteral("T")),
                              QVariant(QStringLiteral("F")), QVariant(QStringLiteral("y")), QVariant(),
                              QVariant(QStringLiteral("Yes")), QVariant(QStringLiteral("n"))})
        store.scales().appendRow({{QStringLiteral("U"), u}, {QStringLiteral("NAME"), QStringLiteral("scale")}});
    store.scales().first();
    EXPECT_EQ(store.countSelectedScales(), 4);
    EXPECT_EQ(store.scales().currentRow(), store.scales().count() - 1);
}
