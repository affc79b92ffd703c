// Automatic loading of a watched goods file (the program's text file or another program's
// table) into the table and the scales, and the receipt each load leaves beside it.
#include "EngineFixture.h"

#include "common/AppPaths.h"
#include "common/ProfileFile.h"
#include "fileio/RememberedMappings.h"
#include "session/AutoLoader.h"
#include "session/LoadReceipt.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace tevo;
using namespace tevo::test;

namespace {

class AutoLoadTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        loader = std::make_unique<AutoLoader>(*store, *exchange, besideProgram(QLatin1String(kAutoLoadFileName)));
        QObject::connect(loader.get(), &AutoLoader::notice, [this](const Notice &n) {
            ASSERT_TRUE(n.automatic);
            (n.about == Notice::About::Passing ? notices : errorsShown) << n.text;
        });
        QObject::connect(loader.get(), &AutoLoader::rangeLoaded, [this](const QString &r) { range = r; });
        watched = dir->file(QStringLiteral("goods.txt"));
    }
    void TearDown() override
    {
        loader.reset();
        EngineTest::TearDown();
    }

    // A goods text file with the given goods (number, name) and RecordCount.
    void writeWatched(const QList<QPair<int, QString>> &goodsList, int recordCount, const QDateTime &time)
    {
        ProfileFile f(watched);
        for (const auto &g : goodsList) {
            f.writeString(QString::number(g.first), QStringLiteral("NPLU"), QString::number(g.first));
            f.writeString(QString::number(g.first), QStringLiteral("TNAME1"), g.second);
            f.writeString(QString::number(g.first), QStringLiteral("PRICE"), QStringLiteral("100"));
        }
        if (recordCount >= 0)
            f.writeString(QStringLiteral("Main"), QStringLiteral("RecordCount"), QString::number(recordCount));
        QFile::remove(watched);
        ASSERT_TRUE(f.save());
        setTime(time);
    }
    void setTime(const QDateTime &time)
    {
        QFile file(watched);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    }
    void enable(bool toScale, bool clear)
    {
        AutoLoadSettings s;
        s.FName = watched;
        s.Time = 1;
        s.LoadToScale = toScale;
        s.EnableAutoLoad = true;
        s.NeedClear = clear;
        loader->settings = s;
        loader->applyTimer();
        loader->tmAutoLoad.setInterval(30);
    }

    std::unique_ptr<AutoLoader> loader;
    QString watched;
    QStringList notices;
    QString range;
    const QDateTime t0 = QDateTime(QDate(2026, 1, 10), QTime(10, 0, 0));
};

} // namespace

TEST_F(AutoLoadTest, ChangedFileIsLoadedAndWrittenToTheScalesThatAnswered)
{
    SimScale &answered = addTcpScale({QStringLiteral("--log")}, {}, false);
    SimScale &silent = addTcpScale({}, {}, true);
    store->scales().setValue(0, QStringLiteral("W"), QStringLiteral("T"));
    store->scales().setValue(1, QStringLiteral("W"), QStringLiteral("F"));
    writeWatched({{1, QStringLiteral("Молоко")}, {2, QStringLiteral("Кефир")}, {5, QStringLiteral("Сыр")}}, 5, t0);
    enable(true, false);
    ASSERT_TRUE(waitEnded(20000));
    EXPECT_EQ(range, QStringLiteral("1, 2, 5, 6"));
    EXPECT_EQ(notices, QStringList{QStringLiteral("идет автоматическая загрузка в весы")});
    EXPECT_EQ(store->goods().text(4, QStringLiteral("TNAME1")), QStringLiteral("Сыр"));
    EXPECT_EQ(answered.storedGoodsNumbers(), (QStringList{"1", "2", "5", "6"}));
    EXPECT_TRUE(silent.storedGoodsNumbers().isEmpty());
    EXPECT_EQ(store->scales().text(1, QStringLiteral("U")), QStringLiteral("F"));
    EXPECT_TRUE(loader->tmAutoLoad.isActive()) << "a successful write restarts the watch";

    // "Только изменённые": the next file changes one name; the scale gets only that goods.
    answered.takeLog();
    loader->settings.ChangedOnly = true;
    const int before = ended;
    writeWatched({{1, QStringLiteral("Молоко")}, {2, QStringLiteral("Кефир 1%")}, {5, QStringLiteral("Сыр")}}, 5,
                 t0.addSecs(60));
    ASSERT_TRUE(waitFor([&] { return ended > before; }, 20000));
    EXPECT_EQ(answered.takeLog().filter(QStringLiteral("stored goods")), QStringList{QStringLiteral("stored goods 2")});
    EXPECT_EQ(answered.goods(2).value(QStringLiteral("name1")).toString(), QStringLiteral("Кефир 1%"));
    // The journal names the automatic load and its file; the scale's delivery of goods 2 is the
    // second one, with the new name in it (a record the scale held as it was is none).
    JournalFilter renamed;
    renamed.number = 2;
    renamed.field = QStringLiteral("TNAME1");
    const QVector<JournalEntry> entries = store->journal().entries(renamed);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[1].newValue.toString(), QStringLiteral("Кефир 1%"));
    EXPECT_EQ(entries[1].source, ChangeSource::AutoLoad);
    EXPECT_EQ(entries[1].detail, loader->settings.FName);
    EXPECT_EQ(store->ledger().deliveries(ScaleLedger::addressOf(store->scales(), 0), ScaleLedger::Kind::Goods, 2).size(),
              2);
    EXPECT_EQ(store->ledger().deliveries(ScaleLedger::addressOf(store->scales(), 0), ScaleLedger::Kind::Goods, 1).size(),
              1);
}

TEST_F(AutoLoadTest, OneLoadPerFileTimeAndAnOlderCopyCountsAsAChange)
{
    writeWatched({{3, QStringLiteral("Один")}}, 3, t0);
    enable(false, false);
    int loads = 0;
    QObject::connect(loader.get(), &AutoLoader::loaded, [&](int) { ++loads; });
    ASSERT_TRUE(waitFor([&] { return loads == 1; }));
    // No write follows: the watch runs again at once, the next change is loaded in this run.
    EXPECT_TRUE(loader->tmAutoLoad.isActive());
    writeWatched({{3, QStringLiteral("Два")}}, 3, t0.addMSecs(400)); // same one-second slot
    processEventsFor(200);
    EXPECT_EQ(loads, 1);
    writeWatched({{3, QStringLiteral("Старый")}}, 3, t0.addDays(-3));
    ASSERT_TRUE(waitFor([&] { return loads == 2; }));
    EXPECT_EQ(store->goods().text(2, QStringLiteral("TNAME1")), QStringLiteral("Старый"));
}

TEST_F(AutoLoadTest, ClearingLoadLeavesTheFileGoodsAndEmptyRowsAndRangeAll)
{
    store->goods().setValue(99, QStringLiteral("TNAME1"), QStringLiteral("стереть"));
    QList<QPair<int, QString>> ten;
    for (int n = 1; n <= 10; ++n)
        ten.append({n, QStringLiteral("Товар %1").arg(n)});
    writeWatched(ten, 10, t0);
    enable(false, true);
    int loads = 0;
    QObject::connect(loader.get(), &AutoLoader::loaded, [&](int) { ++loads; });
    ASSERT_TRUE(waitFor([&] { return loads == 1; }));
    Table &t = store->goods();
    EXPECT_EQ(t.count(), 4000);
    int named = 0;
    for (int r = 0; r < t.count(); ++r)
        named += t.text(r, QStringLiteral("TNAME1")).isEmpty() ? 0 : 1;
    EXPECT_EQ(named, 10);
    EXPECT_EQ(range, QStringLiteral("1-4000"));
}

// A file that fails the check (empty, binary, cut short, a bad value in a later section) is
// refused with the reason before anything changes: no row of the goods table (not even with
// "Need clear"), no selection, nothing to the scale. It is not tried again until it changes;
// the watch goes on, and the mended file is loaded and written.
TEST_F(AutoLoadTest, AFileThatFailsTheCheckChangesNothingAndIsTriedAgainOnlyOnceChanged)
{
    QByteArray dbf(32 + 32 + 1, '\0'); // a dBase table
    dbf[0] = 0x03;
    dbf[8] = char(65);
    dbf[32] = 'P';
    dbf[64] = 0x0D;
    dbf += QByteArray("\x1A", 1);
    const QByteArray whole =
        "[1]\r\nNPLU=1\r\nTNAME1=первый\r\n[2]\r\nNPLU=2\r\nTNAME1=второй\r\n[Main]\r\nRecordCount=2\r\n";
    const struct {
        const char *what;
        QByteArray bytes;
        QString says;
    } cases[] = {
        {"empty", QByteArray(), QStringLiteral("пуст")},
        {"a dBase table", dbf, QStringLiteral("не текстовый")},
        {"cut short before Main", whole.left(whole.indexOf("[Main]")), QStringLiteral("нет раздела [Main]")},
        {"a goods number that is no number",
         QStringLiteral("[1]\r\nNPLU=1\r\n[2]\r\nNPLU=два\r\n[Main]\r\nRecordCount=2\r\n").toUtf8(),
         QStringLiteral("строка 4, раздел [2]: 'два' is not a valid integer value")},
        {"a letter in the price of section 2",
         QByteArray("[1]\r\nNPLU=1\r\nTNAME1=первый\r\n[2]\r\nNPLU=2\r\nPRICE=12x\r\n[Main]\r\nRecordCount=2\r\n"),
         QStringLiteral("строка 6, раздел [2]: '12x' is not a valid integer value for field 'PRICE'")},
    };
    int loads = 0;
    QObject::connect(loader.get(), &AutoLoader::loaded, [&](int) { ++loads; });
    int ticks = 0;
    QObject::connect(&loader->tmAutoLoad, &QTimer::timeout, [&] { ++ticks; });
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        newCase();
        const int endedBefore = ended;
        SimScale &scale = addTcpScale({}, {}, false);
        store->scales().setValue(0, QStringLiteral("W"), QStringLiteral("T"));
        store->goods().setValue(0, QStringLiteral("TNAME1"), QStringLiteral("было"));
        store->goods().setValue(1, QStringLiteral("TNAME1"), QString());
        store->goods().setValue(2999, QStringLiteral("TNAME1"), QStringLiteral("тоже было"));
        errorsShown.clear();
        loader->LastLoadedFileTime = QStringLiteral("2000-01-01 00:00:00");
        dir->writeFile(QStringLiteral("goods.txt"), c.bytes);
        setTime(t0);
        enable(true, true);
        ASSERT_TRUE(waitFor([&] { return !errorsShown.isEmpty(); }));
        EXPECT_TRUE(errorsShown.first().contains(c.says)) << errorsShown.first().toStdString();
        EXPECT_TRUE(errorsShown.first().contains(watched)) << "names the file";
        EXPECT_TRUE(errorsShown.first().contains(autoLoadNothingChangedText()));
        // Ticks go on; the refused file is not read again.
        const int seen = ticks;
        ASSERT_TRUE(waitFor([&] { return ticks >= seen + 3; }));
        EXPECT_EQ(errorsShown.size(), 1);
        EXPECT_EQ(loads, 0);
        EXPECT_EQ(store->goods().count(), 4000);
        EXPECT_EQ(store->goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("было"));
        EXPECT_EQ(store->goods().text(2999, QStringLiteral("TNAME1")), QStringLiteral("тоже было"));
        EXPECT_TRUE(store->goods().text(1, QStringLiteral("TNAME1")).isEmpty());
        EXPECT_EQ(store->scales().text(0, QStringLiteral("U")), QStringLiteral("F")) << "the selection stays";
        EXPECT_EQ(ended, endedBefore) << "nothing went to the scale";
        EXPECT_TRUE(scale.storedGoodsNumbers().isEmpty());
        EXPECT_EQ(loader->LastLoadedFileTime, QStringLiteral("2000-01-01 00:00:00"));
        EXPECT_TRUE(loader->tmAutoLoad.isActive());
        Store other; // nothing was stored either
        other.openTables(dir->database());
        EXPECT_EQ(other.goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("было"));

        // Mended (a new time): loaded and written.
        loader->settings.NeedClear = false;
        dir->writeFile(QStringLiteral("goods.txt"), whole);
        setTime(t0.addSecs(60));
        ASSERT_TRUE(waitFor([&] { return loads == 1 && ended == endedBefore + 1; }, 60000))
            << loads << " " << ended - endedBefore << " " << errorsShown.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(lastReport.end, ExchangeReport::End::Finished);
        EXPECT_EQ(scale.storedGoodsNumbers(), (QStringList{"1", "2", "3"}));
        EXPECT_EQ(store->goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("первый"));
        EXPECT_EQ(errorsShown.size(), 1);
        loader->tmAutoLoad.stop();
        loads = 0;
    }
}

TEST_F(AutoLoadTest, RecordCountAtTheTopDropsTheNumberPastTheGoods)
{
    EXPECT_EQ(AutoLoader::rangeAfterLoad(QStringLiteral("1, 4000, "), 4000, false), QStringLiteral("1, 4000, "));
    EXPECT_EQ(AutoLoader::rangeAfterLoad(QStringLiteral("1, 2, 5, "), 5, false), QStringLiteral("1, 2, 5, 6"));
    EXPECT_EQ(AutoLoader::rangeAfterLoad(QString(), 0, false), QStringLiteral("1"));
}

TEST_F(AutoLoadTest, UnreadableWatchedFileGivesTheAccessErrorAndTheTimerKeepsRunning)
{
    // A name that exists but cannot be read as a file (even by root): a folder.
    ASSERT_TRUE(QDir().mkpath(watched));
    enable(false, false);
    ASSERT_TRUE(waitFor([&] { return !errorsShown.isEmpty(); }));
    EXPECT_EQ(errorsShown.first(), QStringLiteral("Ошибка при доступе к файлу автозагрузки!"));
    EXPECT_TRUE(loader->tmAutoLoad.isActive());
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(AutoLoadTest, ClosingTheDialogStoresThePresentFileTimeSoARestartDoesNotLoadIt)
{
    writeWatched({{1, QStringLiteral("x")}}, 1, t0);
    AutoLoadSettings s;
    s.FName = watched;
    s.Time = 5;
    s.EnableAutoLoad = true;
    loader->dialogClosed(s);
    EXPECT_TRUE(loader->tmAutoLoad.isActive());
    EXPECT_EQ(loader->tmAutoLoad.interval(), 5000);
    EXPECT_TRUE(loader->LastLoadedFileTime.isEmpty()) << "this run still loads the file";

    AutoLoader restarted(*store, *exchange, besideProgram(QLatin1String(kAutoLoadFileName)));
    restarted.create();
    EXPECT_EQ(restarted.settings.FName, watched);
    EXPECT_EQ(restarted.settings.Time, 5);
    EXPECT_TRUE(restarted.settings.EnableAutoLoad);
    EXPECT_EQ(restarted.LastLoadedFileTime, AutoLoader::fileTimeText(watched));
    EXPECT_TRUE(restarted.tmAutoLoad.isActive());
}

TEST_F(AutoLoadTest, DamagedSettingsFileGivesDefaults)
{
    dir->writeFile(QLatin1String(kAutoLoadFileName), QByteArray("\x00\xFF[Main\r\nTime=abc\r\n=\r\n[[\r\n", 24));
    AutoLoader l(*store, *exchange, besideProgram(QLatin1String(kAutoLoadFileName)));
    l.create();
    EXPECT_EQ(l.settings.Time, 60);
    EXPECT_FALSE(l.settings.EnableAutoLoad);
    EXPECT_FALSE(l.tmAutoLoad.isActive());
}

// A goods write holds the tables as a rebuild or an import does: none of them starts while the
// other runs, and an automatic load stops the write, loads and writes what it loaded.
TEST_F(AutoLoadTest, AGoodsWriteHoldsTheTablesAndAnAutomaticLoadStopsItToLoad)
{
    SimScale &scale = addTcpScale();
    {
        OperationGuard::Scope rebuild(store->guard(), QStringLiteral("создание пустой таблицы товаров"));
        EXPECT_FALSE(goods->StartGoodsWrite(QStringLiteral("1-3")));
        ASSERT_EQ(errorsShown.size(), 1);
        EXPECT_TRUE(errorsShown.first().contains(QStringLiteral("создание пустой таблицы товаров")));
    }
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-40")));
    {
        OperationGuard::Scope import(store->guard(), QStringLiteral("импорт товаров из файла"));
        EXPECT_FALSE(import);
        EXPECT_TRUE(import.refusal().contains(QStringLiteral("запись товаров в весы")));
    }
    writeWatched({{7, QStringLiteral("Творог")}}, 7, t0);
    enable(true, false);
    ASSERT_TRUE(waitFor(
        [&] { return lastReport.command == CommandState::GoodsWrite && lastReport.end == ExchangeReport::End::Finished; },
        20000));
    EXPECT_EQ(ended, 2) << "the first write stopped, the loaded range written";
    EXPECT_EQ(store->goods().text(6, QStringLiteral("TNAME1")), QStringLiteral("Творог"));
    EXPECT_TRUE(scale.storedGoodsNumbers().contains(QStringLiteral("7")));
    EXPECT_FALSE(store->guard().busy());
}

// Another program's price list as the watched file, mapped by the mapping remembered for its
// name: a bad line in the middle refuses the whole file, and the receipt beside it lists that
// line; the mended file is stored, written, and its receipt says what changed and what the
// scale took.
TEST_F(AutoLoadTest, APriceListIsLoadedByItsRememberedMappingAndEachLoadLeavesAReceipt)
{
    SimScale &scale = addTcpScale({}, {}, false);
    store->scales().setValue(0, QStringLiteral("W"), QStringLiteral("T"));
    store->goods().setValue(1, QStringLiteral("TNAME1"), QStringLiteral("было"));
    RememberedMappings().remember(ImportTarget::Goods, QStringLiteral("price_*.csv"),
                                  ColumnMapping::fromText(QStringLiteral("PLU=Art,TNAME1=Bez,PRICE=Kost:грн"),
                                                          ImportTarget::Goods));
    watched = dir->file(QStringLiteral("price_07.csv"));
    const QString receiptPath = LoadReceipt::pathFor(watched);
    const auto receipt = [&] {
        return QJsonDocument::fromJson(dir->readFile(QFileInfo(receiptPath).fileName())).object();
    };
    int loads = 0;
    QObject::connect(loader.get(), &AutoLoader::loaded, [&](int) { ++loads; });

    dir->writeFile(QStringLiteral("price_07.csv"),
                   QStringLiteral("Art;Bez;Kost\r\n1;Молоко;12,50\r\n2;Кефир;7,2x\r\n3;Сыр;100\r\n").toUtf8());
    setTime(t0);
    enable(true, false);
    ASSERT_TRUE(waitFor([&] { return !errorsShown.isEmpty() && QFile::exists(receiptPath); }));
    EXPECT_TRUE(errorsShown.first().contains(watched)) << errorsShown.first().toStdString();
    QJsonObject r = receipt();
    EXPECT_FALSE(r.value(QStringLiteral("loaded")).toBool());
    ASSERT_EQ(r.value(QStringLiteral("problems")).toArray().size(), 1);
    EXPECT_TRUE(r.value(QStringLiteral("problems"))
                    .toArray()
                    .at(0)
                    .toString()
                    .startsWith(QStringLiteral("Файл «price_07.csv», строка 3, столбец 3 «Kost»: «7,2x»")))
        << r.value(QStringLiteral("problems")).toArray().at(0).toString().toStdString();
    EXPECT_EQ(loads, 0);
    EXPECT_EQ(store->goods().text(1, QStringLiteral("TNAME1")), QStringLiteral("было"));
    EXPECT_EQ(store->goods().value(0, QStringLiteral("PRICE")).toLongLong(), 0);

    QFile::remove(receiptPath);
    dir->writeFile(QStringLiteral("price_07.csv"),
                   QStringLiteral("Art;Bez;Kost\r\n1;Молоко;12,50\r\n2;Кефир;7,20\r\n3;Сыр;100\r\n").toUtf8());
    setTime(t0.addSecs(60));
    ASSERT_TRUE(waitFor([&] { return loads == 1 && QFile::exists(receiptPath); }, 60000))
        << errorsShown.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(range, QStringLiteral("1-3"));
    EXPECT_EQ(store->goods().value(1, QStringLiteral("PRICE")).toLongLong(), 720);
    EXPECT_EQ(scale.storedGoodsNumbers(), (QStringList{"1", "2", "3"}));
    r = receipt();
    EXPECT_TRUE(r.value(QStringLiteral("loaded")).toBool());
    EXPECT_EQ(r.value(QStringLiteral("changedGoods")).toInt(), 3);
    EXPECT_EQ(r.value(QStringLiteral("columns")).toArray(),
              QJsonArray({QStringLiteral("Название товара 1"), QStringLiteral("Цена (коп.)")}));
    EXPECT_TRUE(r.value(QStringLiteral("problems")).toArray().isEmpty());
    const QJsonObject write = r.value(QStringLiteral("write")).toObject();
    EXPECT_TRUE(write.value(QStringLiteral("started")).toBool());
    EXPECT_EQ(write.value(QStringLiteral("end")).toString(), QStringLiteral("finished"));
    ASSERT_EQ(write.value(QStringLiteral("scales")).toArray().size(), 1);
    const QJsonObject taken = write.value(QStringLiteral("scales")).toArray().at(0).toObject();
    EXPECT_EQ(taken.value(QStringLiteral("taken")).toInt(), 3);
    EXPECT_TRUE(taken.value(QStringLiteral("refused")).toArray().isEmpty());
}
