// The change journal on both engines: every way a table changes leaves one entry per field that
// really changed, with its source, in the same transaction (a change taken back leaves none);
// the answers read back from it (a value at a time, the lowest price of the days before a time)
// on a history made by hand; the removal of old entries; a second program's changes.
#include "TestSupport.h"

#include "common/Error.h"
#include "store/Store.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace tevo;

namespace {

// The entries as "NUM FIELD OLD>NEW source detail", in their order.
QStringList journalOf(Store &store)
{
    QStringList out;
    for (const JournalEntry &e : store.journal().entries({}))
        out << QStringLiteral("%1%2 %3 %4>%5 %6%7")
                   .arg(e.table == QLatin1String("M") ? QStringLiteral("M") : QString())
                   .arg(e.number)
                   .arg(e.field, e.oldValue.toString(), e.newValue.toString(), changeSourceName(e.source),
                        e.detail.isEmpty() ? QString() : QLatin1Char(' ') + e.detail);
    return out;
}

constexpr qint64 kDay = ChangeJournal::kDayMs;

} // namespace

TEST(ChangeJournal, EveryChangePathJournalsWhatChangedWithItsSource)
{
    struct Case {
        const char *name;
        std::function<void(Store &)> change;
        QStringList expected;
    };
    const auto price = [](int number, int value) {
        return FieldValues{{QStringLiteral("NPLU"), number}, {QStringLiteral("PRICE"), value}};
    };
    const std::vector<Case> cases = {
        {"an edit, then the same value stored again",
         [](Store &s) {
             s.goods().setValue(0, QStringLiteral("PRICE"), 1250);
             s.goods().setValue(0, QStringLiteral("PRICE"), QStringLiteral("1250"));
             s.goods().setValue(0, QStringLiteral("TNAME1"), QString()); // empty stays empty
         },
         {QStringLiteral("1 PRICE >1250 правка")}},
        {"an import's rows, one of them unchanged",
         [](Store &s) {
             s.goods().setValues(1, {{QStringLiteral("PRICE"), 500}});
             const ChangeJournal::Scope source(s.journal(), ChangeSource::Import, QStringLiteral("/tmp/price.txt"));
             s.goods().changeRows([](Table::Changes &c) {
                 for (int row = 0; row < 3; ++row)
                     c.add(row, {{QStringLiteral("PRICE"), 500}, {QStringLiteral("TNAME1"), QStringLiteral("Сыр")}});
             });
         },
         {QStringLiteral("2 PRICE >500 правка"), QStringLiteral("1 TNAME1 >Сыр импорт /tmp/price.txt"),
          QStringLiteral("1 PRICE >500 импорт /tmp/price.txt"), QStringLiteral("2 TNAME1 >Сыр импорт /tmp/price.txt"),
          QStringLiteral("3 TNAME1 >Сыр импорт /tmp/price.txt"), QStringLiteral("3 PRICE >500 импорт /tmp/price.txt")}},
        {"a replacement of the whole table journals by number",
         [&](Store &s) {
             s.goods().setValues(0, {{QStringLiteral("PRICE"), 100}});
             s.goods().setValues(1, {{QStringLiteral("PRICE"), 200}});
             const ChangeJournal::Scope source(s.journal(), ChangeSource::Import, QStringLiteral("goods.dbf"));
             s.database().atomically([&] {
                 s.goods().deleteAll();
                 s.goods().appendRows({price(1, 100), price(2, 250), price(4001, 7)});
             });
         },
         [] {
             QStringList e = {QStringLiteral("1 PRICE >100 правка"), QStringLiteral("2 PRICE >200 правка"),
                              QStringLiteral("2 PRICE 200>250 импорт goods.dbf"),
                              QStringLiteral("4001 NPLU >4001 импорт goods.dbf"),
                              QStringLiteral("4001 PRICE >7 импорт goods.dbf")};
             return e; // rows 3 … 4000 removed: checked by count below
         }()},
        {"a rebuild empties what was stored",
         [](Store &s) {
             s.messages().setValue(4, QStringLiteral("M1"), QStringLiteral("Свежее"));
             s.createEmptyMessages();
         },
         {QStringLiteral("M5 M1 >Свежее правка"), QStringLiteral("M5 M1 Свежее> пустая таблица")}},
        {"a change taken back leaves no entry",
         [](Store &s) {
             EXPECT_ANY_THROW(s.database().atomically([&] {
                 s.goods().setValue(0, QStringLiteral("PRICE"), 999);
                 throw DatabaseError(QStringLiteral("refused"));
             }));
         },
         {}},
        {"an import refused at its third row leaves no entry",
         [](Store &s) {
             s.database().commitNow();
             test::refuseRows(s.database().location(), QStringLiteral("T"), QStringLiteral("NEW.NPLU = 3"));
             const ChangeJournal::Scope source(s.journal(), ChangeSource::Import, QStringLiteral("refused.txt"));
             EXPECT_ANY_THROW(s.database().atomically([&] {
                 s.goods().changeRows([](Table::Changes &c) {
                     for (int row = 0; row < 5; ++row)
                         c.add(row, {{QStringLiteral("PRICE"), 700 + row}});
                 });
             }));
         },
         {}},
        {"a deleted and an added row",
         [](Store &s) {
             const ChangeJournal::Scope source(s.journal(), ChangeSource::ScaleRead, QStringLiteral("Гастрономия"));
             s.goods().setValue(2, QStringLiteral("TNAME2"), QStringLiteral("x"));
             s.goods().deleteRow(2);
             s.goods().appendRow({{QStringLiteral("NPLU"), 4002}});
         },
         {QStringLiteral("3 TNAME2 >x чтение из весов Гастрономия"),
          QStringLiteral("3 NPLU 3> чтение из весов Гастрономия"),
          QStringLiteral("3 TNAME2 x> чтение из весов Гастрономия"),
          QStringLiteral("4002 NPLU >4002 чтение из весов Гастрономия")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::ScratchDir dir;
        Store store;
        store.openTables(dir.database());
        c.change(store);
        QStringList got = journalOf(store);
        if (QLatin1String(c.name).startsWith(QLatin1String("a replacement"))) {
            // Every other goods row had only its number: it went.
            EXPECT_EQ(got.size(), c.expected.size() + 3998) << got.mid(0, 8).join('\n').toStdString();
            got = got.mid(0, 3) + got.filter(QStringLiteral("4001"));
        }
        EXPECT_EQ(got, c.expected) << got.join('\n').toStdString();
        store.database().commitNow();
        // The journal is stored: another program opening the database reads the same.
        Store again;
        again.openTables(dir.database());
        EXPECT_EQ(again.journal().count(), store.journal().count());
    }
}

TEST(ChangeJournal, AnswersFromAHandMadeHistory)
{
    test::ScratchDir dir;
    Store store;
    store.openTables(dir.database());
    ChangeJournal &j = store.journal();
    const qint64 t0 = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC).toMSecsSinceEpoch();
    const auto entry = [&](qint64 at, int number, const char *oldPrice, const char *newPrice) {
        JournalEntry e;
        e.at = at;
        e.table = QStringLiteral("T");
        e.number = number;
        e.field = QStringLiteral("PRICE");
        e.oldValue = oldPrice ? QVariant(QString::fromLatin1(oldPrice)) : QVariant();
        e.newValue = newPrice ? QVariant(QString::fromLatin1(newPrice)) : QVariant();
        return e;
    };
    // Goods 1: 100 until day 10, 80 until day 20, 120 since. Goods 2: 300 since day 0, unchanged
    // for 40 days and more (stored now). Goods 3: no price until day 35, then 50. Goods 4:
    // 90 until day 5, then 95.
    j.write({entry(t0, 1, nullptr, "100"), entry(t0, 2, nullptr, "300"), entry(t0 + 10 * kDay, 1, "100", "80"),
             entry(t0 + 20 * kDay, 1, "80", "120"), entry(t0 + 35 * kDay, 3, nullptr, "50"),
             entry(t0 - kDay, 4, nullptr, "90"), entry(t0 + 5 * kDay, 4, "90", "95")});
    const QHash<qint64, qint64> now = {{1, 120}, {2, 300}, {3, 50}, {4, 95}};

    struct Case {
        qint64 at;
        int number;
        QVariant priceThen;
        QVariant lowest30; // null: left out
    };
    const std::vector<Case> cases = {
        {t0 - 2 * kDay, 1, QVariant(), QVariant()},
        {t0 + 5 * kDay, 1, QStringLiteral("100"), 100},
        {t0 + 15 * kDay, 1, QStringLiteral("80"), 80},
        {t0 + 25 * kDay, 1, QStringLiteral("120"), 80},
        {t0 + 45 * kDay, 1, QStringLiteral("120"), 80}, // 80 held until day 20, within the 30 days
        {t0 + 50 * kDay, 1, QStringLiteral("120"), 120},
        {t0 + 40 * kDay, 2, QStringLiteral("300"), 300}, // unchanged for 40 days
        {t0 + 30 * kDay, 3, QVariant(), QVariant()},
        {t0 + 40 * kDay, 3, QStringLiteral("50"), 50},
        {t0 + 34 * kDay, 4, QStringLiteral("95"), 90}, // 90 until day 5, within the 30 days
        {t0 + 36 * kDay, 4, QStringLiteral("95"), 95},
    };
    // The numbers of T are the goods asked about; the prices now come from `now`.
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("goods %1 day %2").arg(c.number).arg((c.at - t0) / kDay).toStdString());
        EXPECT_EQ(j.valueAt(QStringLiteral("T"), c.number, QStringLiteral("PRICE"), c.at, now.value(c.number)),
                  c.priceThen.isNull() ? QVariant() : c.priceThen);
        const QHash<qint64, qint64> lowest = j.lowestPrices(c.at, 30, now);
        EXPECT_EQ(lowest.contains(c.number), !c.lowest30.isNull());
        if (!c.lowest30.isNull()) {
            EXPECT_EQ(lowest.value(c.number), c.lowest30.toLongLong());
        }
    }
}

TEST(ChangeJournal, EntriesOlderThanTheRetentionAreRemovedOnceADay)
{
    test::ScratchDir dir;
    Store store;
    store.openTables(dir.database());
    ChangeJournal &j = store.journal();
    EXPECT_EQ(j.keepDays(), ChangeJournal::kDefaultKeepDays);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QVector<JournalEntry> entries;
    for (int age : {400, 100, 10, 0}) {
        JournalEntry e;
        e.at = now - age * kDay;
        e.table = QStringLiteral("T");
        e.number = age + 1;
        e.field = QStringLiteral("PRICE");
        entries << e;
    }
    j.write(entries);
    j.setKeepDays(365);
    EXPECT_EQ(j.removeOld(), 0); // the open removed today already
    EXPECT_EQ(j.removeOld(true), 1);
    j.setKeepDays(30);
    EXPECT_EQ(j.removeOld(true), 1);
    EXPECT_EQ(j.count(), 2);
    EXPECT_GE(j.knownSince(), now - 30 * kDay);
}

TEST(ChangeJournal, TwoProgramsOnOneDatabaseJournalBoth)
{
    test::ScratchDir dir;
    const DatabaseLocation where = dir.database();
    Store first;
    first.openTables(where);
    first.goods().setValue(0, QStringLiteral("PRICE"), 10);
    first.database().commitNow();
    qputenv("TEVO_COMPUTER_NAME", "kassa-2");
    Store second;
    second.openTables(where);
    second.journal().setProgram(QStringLiteral("tevo-cli"));
    second.goods().setValue(0, QStringLiteral("PRICE"), 20);
    second.database().commitNow();
    qunsetenv("TEVO_COMPUTER_NAME");
    const QVector<JournalEntry> e = first.journal().entries({});
    ASSERT_EQ(e.size(), 2);
    EXPECT_EQ(e[1].oldValue.toString(), QStringLiteral("10"));
    EXPECT_EQ(e[1].computer, QStringLiteral("kassa-2"));
    EXPECT_EQ(e[1].program, QStringLiteral("tevo-cli"));
    EXPECT_NE(e[0].computer, QStringLiteral("kassa-2"));
    EXPECT_EQ(e[0].dbUser.isEmpty(), !test::onServer()); // the server names its user
}
