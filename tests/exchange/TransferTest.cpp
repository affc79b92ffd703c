// Goods and messages transfers against simulated scales.
#include "EngineFixture.h"

#include <QJsonArray>
#include <QTcpSocket>

using namespace tevo;
using namespace tevo::test;

namespace {

QStringList numbers(std::initializer_list<int> list)
{
    QStringList out;
    for (int n : list)
        out << QString::number(n);
    return out;
}

} // namespace

TEST_F(EngineTest, WriteOfARangeReachesTwoScalesWholeEvenWhenOneIsSlower)
{
    SimScale &fast = addTcpScale();
    SimScale &slow = addTcpScale({QStringLiteral("--ack-delay"), QStringLiteral("60")});
    nameGoods(store->goods(), 1, 8);
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-5, 7-8")));
    ASSERT_TRUE(waitEnded(30000));
    EXPECT_EQ(fast.storedGoodsNumbers(), numbers({1, 2, 3, 4, 5, 7, 8}));
    EXPECT_EQ(slow.storedGoodsNumbers(), numbers({1, 2, 3, 4, 5, 7, 8}));
    EXPECT_EQ(messagesShown, QStringList{QStringLiteral("Все PLU успешно записаны в весы 7")});
    EXPECT_EQ(engine->progress(ProgressBar::Goods), 0);
}

TEST_F(EngineTest, WriteEndsOnlyWhenEveryScaleAcknowledgedTheLastRecord)
{
    SimScale &fast = addTcpScale();
    SimScale &slow = addTcpScale({QStringLiteral("--ack-delay"), QStringLiteral("150")});
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("12")));
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(fast.storedGoodsNumbers(), numbers({12}));
    EXPECT_EQ(slow.storedGoodsNumbers(), numbers({12}));
}

TEST_F(EngineTest, RangesSelectTheRightRecords)
{
    const struct {
        const char *text;
        QStringList written;
    } cases[] = {
        {"7-8, 1-5", numbers({1, 2, 3, 4, 5, 7, 8})},
        {"1-5, 3", numbers({1, 2, 3, 4, 5})},
        {"12", numbers({12})},
    };
    for (const auto &c : cases) {
        sims.clear();
        store->scales().deleteAll();
        SimScale &sim = addTcpScale();
        messagesShown.clear();
        ASSERT_TRUE(goods->StartGoodsWrite(QString::fromUtf8(c.text))) << c.text;
        ASSERT_TRUE(waitEnded(30000)) << c.text;
        EXPECT_EQ(sim.storedGoodsNumbers(), c.written) << c.text;
    }
}

TEST_F(EngineTest, ReversedRangeStartsWithItsLowerEnd)
{
    SimScale &sim = addTcpScale();
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("5-3")));
    EXPECT_EQ(goods->range().rangeFirst, 3);
    EXPECT_EQ(goods->range().rangeLast, 5);
    ASSERT_TRUE(waitEnded(10000));
    EXPECT_TRUE(sim.storedGoodsNumbers().contains(QStringLiteral("3")));
}

TEST_F(EngineTest, BadRangeTextStartsNothing)
{
    addTcpScale();
    for (const char *bad : {"1 -5", "abc", "0", "4001", "1,  2", ""}) {
        errorsShown.clear();
        EXPECT_FALSE(goods->StartGoodsWrite(QString::fromUtf8(bad))) << bad;
        EXPECT_EQ(errorsShown.size(), 1) << bad;
        EXPECT_FALSE(engine->isRunning()) << bad;
        EXPECT_EQ(channels->socket(0)->state(), QAbstractSocket::UnconnectedState) << bad;
    }
    // An empty range (the field at a first start) says what to type.
    EXPECT_EQ(errorsShown.first(),
              QStringLiteral("Диапазон для загрузки пуст: введите номера записей, например 1-5, 7-8."));
}

TEST_F(EngineTest, LogoTextIsPaddedOnWriteAndComesBackWithoutTheBlank)
{
    SimScale &sim = addTcpScale();
    store->goods().setValues(6, {{QStringLiteral("TNAME1"), QStringLiteral("Хлеб")},
                                 {QStringLiteral("LOGO"), QStringLiteral("ZurIvid АЯ46")}});
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("7")));
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(store->goods().text(6, QStringLiteral("LOGO")), QStringLiteral("ZurIvid АЯ46 "));
    const QByteArray record = QByteArray::fromHex(sim.goods(7).value(QStringLiteral("record")).toString().toLatin1());
    ASSERT_EQ(record.size(), 85);
    EXPECT_EQ(record.mid(11 + 24, 4), QByteArray::fromHex("00019f36"));
    EXPECT_EQ(record.mid(39 + 24, 4), QByteArray::fromHex("00018034"));

    store->goods().setValue(6, QStringLiteral("LOGO"), QString());
    messagesShown.clear();
    ASSERT_TRUE(goods->startGoodsRead(QStringLiteral("7")));
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(store->goods().text(6, QStringLiteral("LOGO")), QStringLiteral("ZurIvid АЯ46"));
    EXPECT_EQ(store->goods().text(6, QStringLiteral("TNAME1")), QStringLiteral("Хлеб"));
}

TEST_F(EngineTest, ReadStoresNamesPricesShelfLifeAndSalesTotals)
{
    const QString load = writeLoadFile(R"({"goods":[
        {"plu":1,"name1":"Молоко","name2":"2,5%","price":"6500","shelfLife":"5","tare":"2","code":"123","groupCode":"7","message":"3","sum":1000,"weight":2500,"count":4},
        {"plu":2,"name1":"Сыр","price":"150000","shelfLife":"31.12.24","sum":-1,"weight":0,"count":0},
        {"plu":3,"name1":"Хлеб","price":"4000","shelfLife":"120"}]})");
    addTcpScale({QStringLiteral("--split"), QStringLiteral("7")}, load);
    ASSERT_TRUE(goods->startGoodsRead(QStringLiteral("1-3")));
    ASSERT_TRUE(waitEnded(20000));
    EXPECT_EQ(messagesShown, QStringList{QStringLiteral("Запрошенные PLU успешно считаны")});
    Table &t = store->goods();
    EXPECT_EQ(t.text(0, QStringLiteral("TNAME1")), QStringLiteral("Молоко"));
    EXPECT_EQ(t.text(0, QStringLiteral("TNAME2")), QStringLiteral("2,5%"));
    EXPECT_EQ(t.text(0, QStringLiteral("PRICE")), QStringLiteral("6500"));
    EXPECT_EQ(t.text(0, QStringLiteral("UBDATE")), QStringLiteral("5"));
    EXPECT_EQ(t.text(0, QStringLiteral("CODE")), QStringLiteral("123"));
    EXPECT_EQ(t.text(0, QStringLiteral("OSUM")), QStringLiteral("1000"));
    EXPECT_EQ(t.text(0, QStringLiteral("OVES")), QStringLiteral("2500"));
    EXPECT_EQ(t.text(0, QStringLiteral("OCOUNTPROD")), QStringLiteral("4"));
    EXPECT_EQ(t.text(1, QStringLiteral("UBDATE")), QStringLiteral("31.12.24"));
    EXPECT_EQ(t.text(1, QStringLiteral("OSUM")), QStringLiteral("-1"));
    EXPECT_EQ(t.text(2, QStringLiteral("UBDATE")), QStringLiteral("120"));
    EXPECT_EQ(t.text(2, QStringLiteral("TNAME1")), QStringLiteral("Хлеб"));
}

TEST_F(EngineTest, RefusalOfTheLastNumberEndsTheReadWithCheckBox1ClearOrTicked)
{
    for (bool ticked : {false, true}) {
        sims.clear();
        store->scales().deleteAll();
        const QString load = writeLoadFile(R"({"goods":[{"plu":1,"name1":"Один"},{"plu":3,"name1":"Три"}]})");
        addTcpScale({}, load);
        engine->setPriceChange(ticked);
        messagesShown.clear();
        store->goods().setValue(1, QStringLiteral("TNAME1"), QStringLiteral("остаётся"));
        ASSERT_TRUE(goods->startGoodsRead(QStringLiteral("1-4")));
        ASSERT_TRUE(waitEnded(10000)) << "ticked " << ticked;
        EXPECT_EQ(messagesShown, QStringList{QStringLiteral("Запрошенные PLU успешно считаны")});
        EXPECT_EQ(store->goods().text(0, QStringLiteral("TNAME1")), QStringLiteral("Один"));
        EXPECT_EQ(store->goods().text(1, QStringLiteral("TNAME1")), QStringLiteral("остаётся"));
        EXPECT_EQ(store->goods().text(2, QStringLiteral("TNAME1")), QStringLiteral("Три"));
    }
}

TEST_F(EngineTest, RecordThatCannotBeBuiltIsReportedOnceAndStopsTheWrite)
{
    SimScale &sim = addTcpScale();
    nameGoods(store->goods(), 1, 3);
    store->goods().setValue(1, QStringLiteral("UBDATE"), QStringLiteral("1x"));
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-3")));
    ASSERT_TRUE(waitEnded());
    processEventsFor(200);
    ASSERT_EQ(errorsShown.size(), 1);
    EXPECT_TRUE(errorsShown.first().contains(QStringLiteral("Товар № 2")));
    EXPECT_EQ(sim.storedGoodsNumbers(), numbers({1}));
    EXPECT_FALSE(engine->isRunning());
    EXPECT_TRUE(messagesShown.isEmpty());
}

TEST_F(EngineTest, StopInTheMiddleKeepsWhatWasWritten)
{
    SimScale &sim = addTcpScale({QStringLiteral("--ack-delay"), QStringLiteral("30")});
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-200")));
    ASSERT_TRUE(waitFor([&] { return sim.storedGoodsNumbers().size() >= 3; }, 10000));
    engine->stop();
    const int written = sim.storedGoodsNumbers().size();
    processEventsFor(300);
    EXPECT_LE(sim.storedGoodsNumbers().size(), written + 1);
    EXPECT_TRUE(messagesShown.isEmpty());
    EXPECT_EQ(channels->socket(0)->state(), QAbstractSocket::UnconnectedState);
}

TEST_F(EngineTest, MessagesWriteSendsTheRowsOfTheRangeNumbers)
{
    SimScale &sim = addTcpScale();
    Table &m = store->messages();
    m.setValue(0, QStringLiteral("M1"), QStringLiteral("первое"));
    m.setValue(6, QStringLiteral("M1"), QString(50, QChar(u'ж')));
    m.setValue(7, QStringLiteral("M1"), QString(51, QChar(u'ш')));
    ASSERT_TRUE(messages->startMessagesWrite(QStringLiteral("7-8")));
    ASSERT_TRUE(waitEnded());
    const QJsonArray list = sim.dump().value(QStringLiteral("messages")).toArray();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].toObject().value(QStringLiteral("number")).toInt(), 7);
    EXPECT_EQ(list[0].toObject().value(QStringLiteral("lines")).toArray()[0].toString(), QString(50, QChar(u'ж')));
    EXPECT_EQ(list[1].toObject().value(QStringLiteral("number")).toInt(), 8);
    EXPECT_EQ(list[1].toObject().value(QStringLiteral("lines")).toArray()[0].toString(), QString(50, QChar(u'ш')));
}

TEST_F(EngineTest, MessagesReadFillsTheRangeAndLeavesOtherRowsAlone)
{
    QByteArray json = R"({"messages":[)";
    for (int n = 1; n <= 9; ++n)
        json += QStringLiteral(R"(%1{"number":%2,"lines":["строка %2","","","","","","","конец"]})")
                    .arg(n > 1 ? "," : "")
                    .arg(n)
                    .toUtf8();
    json += "]}";
    addTcpScale({QStringLiteral("--split"), QStringLiteral("100")}, writeLoadFile(json));
    store->messages().setValue(5, QStringLiteral("M1"), QStringLiteral("не трогать"));
    ASSERT_TRUE(messages->startMessagesRead(QStringLiteral("1-5, 7-8")));
    ASSERT_TRUE(waitEnded(20000));
    EXPECT_EQ(messagesShown, QStringList{QStringLiteral("Запрошенные сообщения успешно считаны")});
    Table &m = store->messages();
    for (int n : {1, 2, 3, 4, 5, 7, 8}) {
        EXPECT_EQ(m.text(n - 1, QStringLiteral("M1")), QStringLiteral("строка %1").arg(n));
        EXPECT_EQ(m.text(n - 1, QStringLiteral("M8")), QStringLiteral("конец"));
    }
    EXPECT_EQ(m.text(5, QStringLiteral("M1")), QStringLiteral("не трогать"));
    EXPECT_TRUE(m.text(8, QStringLiteral("M1")).isEmpty()) << "the number after the range ends the read unstored";
}
