// The operations on tables and files as the window and tevo-cli both run them: refused, naming
// the operation that runs, while another long table operation holds the store, with nothing
// changed; and every other end with the cause the front ends turn into a box or an exit status.
#include "TestSupport.h"

#include "fileio/AutoLoad.h"
#include "session/Operations.h"
#include "store/Store.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>

using namespace tevo;
using namespace tevo::test;

namespace {
const QByteArray kGoodsText = "[Main]\r\nRecordCount=1\r\n[1]\r\nNPLU=1\r\nTNAME1=Сыр\r\nPRICE=100\r\n";
}

TEST(Operations, EachIsRefusedWhileAnotherHoldsTheTablesAndEndsWithTheCauseOfItsFailure)
{
    ScratchDir dir;
    Store store;
    store.openTables(dir.database());
    store.goods().setValue(0, QStringLiteral("TNAME1"), QStringLiteral("Масло"));
    dir.writeFile(QStringLiteral("goods.txt"), kGoodsText);
    dir.writeFile(QStringLiteral("bad.txt"), "[Main]\r\nRecordCount=1\r\n[1]\r\nNPLU=1\r\nPRICE=12x\r\n");
    dir.writeFile(QStringLiteral("binary.txt"), QByteArray("\x00\x01\x02\xFF", 4));
    const QString goods = dir.file(QStringLiteral("goods.txt"));
    const QString missing = dir.file(QStringLiteral("missing.txt"));
    const QString nowhere = dir.file(QStringLiteral("no/such/folder/out"));
    using Result = Outcome::Result;
    using Cause = Outcome::Cause;
    const struct {
        const char *what;
        std::function<Outcome()> run;
        bool whileHeld; // another operation holds the tables
        Result result;
        Cause cause;
        QString textStart;
    } cases[] = {
        {"text import", [&] { return importTableFile(store, TableFile::GoodsText, goods); }, true, Result::Refused,
         Cause::None, QStringLiteral("Сейчас выполняется другая операция с таблицами: запись товаров в весы.")},
        {"goods CSV import", [&] { return importTableFile(store, TableFile::GoodsCsv, goods); }, true, Result::Refused,
         Cause::None, QStringLiteral("Сейчас выполняется другая операция с таблицами")},
        {"messages CSV import", [&] { return importTableFile(store, TableFile::MessagesCsv, goods); }, true,
         Result::Refused, Cause::None, QStringLiteral("Сейчас выполняется другая операция с таблицами")},
        {"dBase import", [&] { return importTableFile(store, TableFile::GoodsDbf, goods); }, true, Result::Refused,
         Cause::None, QStringLiteral("Сейчас выполняется другая операция с таблицами")},
        {"goods rebuild", [&] { return rebuildTable(store, true); }, true, Result::Refused, Cause::None,
         QStringLiteral("Сейчас выполняется другая операция с таблицами")},
        {"messages rebuild", [&] { return rebuildTable(store, false); }, true, Result::Refused, Cause::None,
         QStringLiteral("Сейчас выполняется другая операция с таблицами")},
        {"load", [&] { return loadGoodsFile(store, goods, true); }, true, Result::Refused, Cause::None,
         QStringLiteral("Сейчас выполняется другая операция с таблицами")},
        {"import of a missing file", [&] { return importTableFile(store, TableFile::GoodsText, missing); }, false,
         Result::Failed, Cause::Input, QStringLiteral("Cannot open file ") + missing},
        {"load of a missing file", [&] { return loadGoodsFile(store, missing, false); }, false, Result::Failed,
         Cause::Input, QStringLiteral("Cannot open file ") + missing},
        {"import of a binary file",
         [&] { return importTableFile(store, TableFile::GoodsText, dir.file(QStringLiteral("binary.txt"))); }, false,
         Result::Failed, Cause::Input, QString()},
        {"load of a bad value", [&] { return loadGoodsFile(store, dir.file(QStringLiteral("bad.txt")), true); }, false,
         Result::Failed, Cause::Input, QString()},
        {"export into a folder that does not exist", [&] { return exportGoods(store, TableFile::GoodsText, nowhere); },
         false, Result::Failed, Cause::File, QString()},
    };
    for (const auto &c : cases) {
        Outcome outcome;
        {
            std::optional<OperationGuard::Scope> holder;
            if (c.whileHeld)
                holder.emplace(store.guard(), QStringLiteral("запись товаров в весы"));
            outcome = c.run();
        }
        EXPECT_EQ(outcome.result, c.result) << c.what << ": " << outcome.text.toStdString();
        EXPECT_EQ(outcome.cause, c.cause) << c.what;
        EXPECT_TRUE(outcome.text.startsWith(c.textStart)) << c.what << ": " << outcome.text.toStdString();
        EXPECT_FALSE(outcome.text.isEmpty()) << c.what;
        // Nothing changed: the goods row as it was, every message row there.
        EXPECT_EQ(store.goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("Масло")) << c.what;
        EXPECT_EQ(store.messages().count(), kMessagesRowCount) << c.what;
    }
    // The load of a bad file says that nothing changed, the scales included.
    EXPECT_TRUE(
        loadGoodsFile(store, dir.file(QStringLiteral("bad.txt")), true).text.endsWith(autoLoadNothingChangedText()));

    // Free again, the same load is done, committed, and says the range its write takes.
    const Outcome load = loadGoodsFile(store, goods, false);
    ASSERT_TRUE(load.done()) << load.text.toStdString();
    EXPECT_EQ(load.count, 1);
    EXPECT_EQ(store.goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("Сыр"));
    EXPECT_EQ(load.text, QStringLiteral("Загружено в таблицу товаров; диапазон для записи: %1").arg(load.range));
}
