// The simulated scale's protocol, driven byte by byte without a transport.
#include "ScaleModel.h"

#include "commands/ClockPackets.h"
#include "commands/Logo.h"
#include "commands/MessageRecord.h"
#include "commands/ScaleReadouts.h"
#include "commands/SettingsPackets.h"
#include "common/Error.h"
#include "exchange/GoodsRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

using namespace tevo;
using tevo::sim::ScaleModel;
using tevo::sim::ScaleOptions;

namespace {

const QByteArray kPoll(1, char(0x01));
const QByteArray kReady(1, char(0x80));
const QByteArray kAck(1, char(0xAA));
const QByteArray kRefuse(1, char(0xEE));

QByteArray cmd(int c) { return QByteArray(1, static_cast<char>(c)); }

GoodsFields sampleGoods(int plu)
{
    GoodsFields f;
    f.NPLU = QString::number(plu);
    f.CODE = QStringLiteral("123");
    f.TNAME1 = QStringLiteral("Сир твердий");
    f.TNAME2 = QStringLiteral("ваговий");
    f.PRICE = QStringLiteral("150000");
    f.UBDATE = QStringLiteral("31.12.24");
    f.TARA = QStringLiteral("10");
    f.GROUPCODE = QStringLiteral("7");
    f.MESSAGE = QStringLiteral("2");
    f.LOGO = QStringLiteral("ZurIvid АЯ46");
    return f;
}

// One poll and one request, as the engine sends them; returns what follows the ready answer.
QByteArray exchange(ScaleModel &m, const QByteArray &request)
{
    const QByteArray ready = m.feed(kPoll);
    EXPECT_EQ(ready, kReady);
    return m.feed(request);
}

} // namespace

TEST(ScaleModel, EachRequestIsTakenWhenItsLastByteArrives)
{
    struct Case {
        const char *what;
        QByteArray request;
        int replyLength;
        char first;
    };
    ScaleModel m;
    exchange(m, buildGoodsRecord(sampleGoods(7), nullptr));
    exchange(m, buildMessageRecord(3, {QStringLiteral("line")}));
    const Case cases[] = {
        {"goods write", buildGoodsRecord(sampleGoods(8), nullptr), 1, char(0xAA)},
        {"goods read", buildGoodsReadRequest(7), 102, char(0xAA)},
        {"goods read of a number not held", buildGoodsReadRequest(9), 1, char(0xEE)},
        {"message write", buildMessageRecord(4, {}), 1, char(0xAA)},
        {"message read", buildMessageReadRequest(3), 401, char(0xAA)},
        {"message read of a number not held", buildMessageReadRequest(5), 1, char(0xEE)},
        {"settings write", buildSettingsPacket({}), 1, char(0xAA)},
        {"settings read", cmd(0x95), 10, char(0xAA)},
        {"header write", buildHeaderPacket(QStringLiteral("a"), QStringLiteral("b")), 1, char(0xAA)},
        {"header read", cmd(0x98), 57, char(0xAA)},
        {"logo write", buildLogoWriteRequest({}), 1, char(0xAA)},
        {"logo read", cmd(0x97), 513, char(0xAA)},
        {"date", buildDatePacket(QDate(2024, 3, 5)), 1, char(0xAA)},
        {"time", buildTimePacket(QTime(9, 7, 3)), 1, char(0xAA)},
        {"weighing state", cmd(0x89), 16, char(0xAA)},
        {"totals", cmd(0x85), 41, char(0xAA)},
        {"unknown command", cmd(0x42), 1, char(0xEE)},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(m.feed(kPoll), kReady) << c.what;
        for (qsizetype i = 0; i + 1 < c.request.size(); ++i)
            ASSERT_TRUE(m.feed(c.request.mid(i, 1)).isEmpty()) << c.what << " answered early at byte " << i;
        const QByteArray reply = m.feed(c.request.right(1));
        ASSERT_EQ(reply.size(), c.replyLength) << c.what;
        EXPECT_EQ(reply.at(0), c.first) << c.what;
    }
}

TEST(ScaleModel, AnswersDoNotDependOnHowTheStreamIsCut)
{
    QByteArray stream;
    for (const QByteArray &request : {buildGoodsRecord(sampleGoods(1), nullptr), buildGoodsReadRequest(1),
                                      buildMessageRecord(1, {QStringLiteral("x")}), buildMessageReadRequest(1),
                                      cmd(0x95), buildGoodsReadRequest(2)})
        stream += kPoll + request;

    ScaleModel whole;
    const QByteArray expected = whole.feed(stream);
    for (int piece : {1, 2, 3, 7, 64, 1000}) {
        ScaleModel m;
        QByteArray got;
        for (qsizetype at = 0; at < stream.size(); at += piece)
            got += m.feed(stream.mid(at, piece));
        EXPECT_EQ(got, expected) << "pieces of " << piece;
    }
    EXPECT_EQ(expected.right(1), kRefuse);
}

TEST(ScaleModel, ReadyAnswersAndStrayBytes)
{
    struct Case {
        const char *what;
        ScaleOptions options;
        QByteArray in;
        QByteArray out;
    } cases[] = {
        {"poll", {}, kPoll, kReady},
        {"poll with prefix", {true, false, false}, kPoll, QByteArray("\x01\x80", 2)},
        {"two polls", {}, kPoll + kPoll, kReady + kReady},
        {"request without a poll is dropped", {}, buildGoodsReadRequest(2), QByteArray()},
        {"a stray 0x01 is a poll like any other", {}, QByteArray("\x81\x01", 2), kReady},
        {"stray bytes, then a poll", {}, QByteArray("\x80\xAA\x05", 3) + kPoll, kReady},
        {"a poll between polls and request",
         {},
         kPoll + kPoll + cmd(0x95),
         kReady + kReady + buildSettingsPacket({}).replace(0, 1, kAck)},
        {"silent", {false, true, false}, kPoll + cmd(0x95), QByteArray()},
        {"every second poll unanswered", {false, false, false, 2}, kPoll + kPoll + kPoll + kPoll, kReady + kReady},
    };
    for (const Case &c : cases) {
        ScaleModel m(c.options);
        EXPECT_EQ(m.feed(c.in), c.out) << c.what;
    }
}

TEST(ScaleModel, APayloadByteOfOneIsNotAPoll)
{
    ScaleModel m;
    // Goods number 1 puts 0x01 right after the command byte.
    EXPECT_EQ(exchange(m, buildGoodsRecord(sampleGoods(1), nullptr)), kAck);
    EXPECT_EQ(exchange(m, buildGoodsReadRequest(1)).size(), 102);
}

TEST(ScaleModel, GarbageIsJunkOfTheSameLength)
{
    ScaleModel m({false, false, true});
    const QByteArray ready = m.feed(kPoll);
    ASSERT_EQ(ready.size(), 1);
    EXPECT_NE(ready, kReady);
    const QByteArray reply = m.feed(cmd(0x97));
    ASSERT_EQ(reply.size(), 513);
    EXPECT_NE(reply.at(0), char(0xAA));
    EXPECT_NE(reply.at(0), char(0xEE));
    EXPECT_EQ(reply.indexOf(char(0x80)), -1);
}

TEST(ScaleModel, StoredGoodsReadBackWithTheirTotals)
{
    ScaleModel m;
    const GoodsFields f = sampleGoods(7);
    ASSERT_EQ(exchange(m, buildGoodsRecord(f, nullptr)), kAck);
    m.goods[7].sum = 5000;
    m.goods[7].weight = 1500;
    m.goods[7].count = 3;
    // Writing the goods again keeps what the scale has counted.
    ASSERT_EQ(exchange(m, buildGoodsRecord(f, nullptr)), kAck);

    const GoodsReplyFields r = decodeGoodsReply(exchange(m, buildGoodsReadRequest(7)));
    EXPECT_EQ(r.CODE, f.CODE);
    EXPECT_EQ(r.TNAME1, f.TNAME1);
    EXPECT_EQ(r.TNAME2, f.TNAME2);
    EXPECT_EQ(r.PRICE, f.PRICE);
    EXPECT_EQ(r.UBDATE, f.UBDATE);
    EXPECT_EQ(r.TARA, f.TARA);
    EXPECT_EQ(r.GROUPCODE, f.GROUPCODE);
    EXPECT_EQ(r.MESSAGE, f.MESSAGE);
    EXPECT_EQ(r.LOGO.value_or(QString()), f.LOGO);
    EXPECT_EQ(r.OSUM, QStringLiteral("5000"));
    EXPECT_EQ(r.OVES, QStringLiteral("1500"));
    EXPECT_EQ(r.OCOUNTPROD, QStringLiteral("3"));
    EXPECT_EQ(m.takeLog(), (QStringList{QStringLiteral("stored goods 7"), QStringLiteral("stored goods 7"),
                                        QStringLiteral("read goods 7")}));
}

TEST(ScaleModel, SettingsHeaderLogoAndClockAreKept)
{
    ScaleModel m;
    ScaleSettings s;
    s.department = 42;
    s.labelFormatPosition = 46;
    s.printOptions = 0x81;
    LogoPixels logo;
    logo.set(5, 6, true);
    exchange(m, buildSettingsPacket(s));
    exchange(m, buildHeaderPacket(QStringLiteral("Магазин"), QStringLiteral("Адреса")));
    exchange(m, buildLogoWriteRequest(logo));
    exchange(m, buildDatePacket(QDate(2024, 3, 5)));
    exchange(m, buildTimePacket(QTime(9, 7, 3)));

    EXPECT_EQ(decodeSettingsReply(exchange(m, cmd(0x95))), s);
    const ShopHeader h = decodeHeaderReply(exchange(m, cmd(0x98)));
    EXPECT_EQ(h.line1, QStringLiteral("Магазин"));
    EXPECT_EQ(h.line2, QStringLiteral("Адреса"));
    EXPECT_EQ(logoFromReply(exchange(m, cmd(0x97))), logo);
    EXPECT_EQ(m.changeCount(), 5);
    EXPECT_EQ(m.requestCount(), 8);

    const QJsonObject doc = m.toJson();
    EXPECT_EQ(doc.value(QStringLiteral("date")).toString(), QStringLiteral("05.03.24"));
    EXPECT_EQ(doc.value(QStringLiteral("time")).toString(), QStringLiteral("09:07:03"));
    EXPECT_EQ(doc.value(QStringLiteral("settings")).toObject().value(QStringLiteral("labelFormatCode")).toInt(), 60);
    EXPECT_EQ(doc.value(QStringLiteral("header")).toObject().value(QStringLiteral("line1")).toString(),
              QStringLiteral("Магазин"));
    EXPECT_EQ(doc.value(QStringLiteral("logo")).toArray().at(5).toString(),
              QStringLiteral("....#") + QString(59, QLatin1Char('.')));
}

TEST(ScaleModel, ANewLinkForgetsAHalfRequest)
{
    ScaleModel m;
    m.feed(kPoll + buildGoodsRecord(sampleGoods(1), nullptr).left(40));
    m.resetLink();
    EXPECT_EQ(m.feed(buildGoodsReadRequest(2)), QByteArray()) << "no poll on the new link yet";
    EXPECT_EQ(exchange(m, cmd(0x95)).size(), 10);
    EXPECT_TRUE(m.goods.isEmpty());
}

TEST(ScaleModel, LoadsAFileWrittenByHand)
{
    const QByteArray json = R"({
        "goods": [
            {"plu": 7, "code": "123", "name1": "Сир", "price": 150000, "shelfLife": "5",
             "logo": "UsrLogo 1234", "sum": 100, "weight": 2000, "count": 3}
        ],
        "messages": [ {"number": 2, "lines": ["Перший", "", "Третій"]} ],
        "settings": {"department": 123, "labelFormatPosition": 29},
        "header": {"line1": "Shop", "line2": "Street"},
        "logo": ["#", ".#"],
        "date": "31.12.24",
        "state": {"grams": 1500, "price": 10000, "cost": 15000, "plu": 7},
        "totals": {"totalSum": -1, "salesCount": 16777215, "freePlu": 3999}
    })";
    ScaleModel m;
    m.loadJson(QJsonDocument::fromJson(json).object());

    const GoodsReplyFields g = decodeGoodsReply(exchange(m, buildGoodsReadRequest(7)));
    EXPECT_EQ(g.CODE, QStringLiteral("123"));
    EXPECT_EQ(g.TNAME1, QStringLiteral("Сир"));
    EXPECT_EQ(g.PRICE, QStringLiteral("150000"));
    EXPECT_EQ(g.UBDATE, QStringLiteral("5"));
    EXPECT_EQ(g.LOGO.value_or(QString()), QStringLiteral("UsrLogo 1234"));
    EXPECT_EQ(g.OSUM, QStringLiteral("100"));
    EXPECT_EQ(g.OCOUNTPROD, QStringLiteral("3"));

    const QStringList lines = decodeMessageReply(exchange(m, buildMessageReadRequest(2)));
    EXPECT_EQ(lines.at(0), QStringLiteral("Перший"));
    EXPECT_EQ(lines.at(2), QStringLiteral("Третій"));

    const ScaleSettings s = decodeSettingsReply(exchange(m, cmd(0x95)));
    EXPECT_EQ(s.department, 123);
    EXPECT_EQ(s.labelFormatPosition, 29);
    EXPECT_EQ(decodeHeaderReply(exchange(m, cmd(0x98))).line2, QStringLiteral("Street"));
    const LogoPixels logo = logoFromReply(exchange(m, cmd(0x97)));
    EXPECT_TRUE(logo.at(1, 1));
    EXPECT_TRUE(logo.at(2, 2));
    EXPECT_FALSE(logo.at(1, 2));

    const QByteArray state = exchange(m, cmd(0x89));
    EXPECT_EQ(state.mid(2, 2), QByteArray("\xDC\x05", 2));
    const WeighingState w = decodeWeighingState(state);
    EXPECT_EQ(w.price, 10000);
    EXPECT_EQ(w.cost, 15000);
    EXPECT_EQ(w.plu, 7);

    const QByteArray totals = exchange(m, cmd(0x85));
    EXPECT_EQ(totals.mid(13, 3), QByteArray(3, char(0xFF)));
    const SalesTotals t = decodeSalesTotals(totals);
    EXPECT_EQ(t.totalSum, -1);
    EXPECT_EQ(t.salesCount, 16777215u);
    EXPECT_EQ(t.freePlu, 3999);
    EXPECT_EQ(m.toJson().value(QStringLiteral("date")).toString(), QStringLiteral("31.12.24"));
}

TEST(ScaleModel, ADumpLoadsBackToTheSameScale)
{
    ScaleModel first;
    exchange(first, buildGoodsRecord(sampleGoods(7), nullptr));
    exchange(first, buildGoodsRecord(sampleGoods(4000), nullptr));
    exchange(first, buildMessageRecord(1000, {QStringLiteral("a"), QStringLiteral("b")}));
    exchange(first, buildSettingsPacket({}));
    exchange(first, buildTimePacket(QTime(23, 59, 59)));
    first.goods[7].count = 9;

    ScaleModel second;
    second.loadJson(first.toJson());
    QJsonObject a = first.toJson();
    QJsonObject b = second.toJson();
    for (const char *counter : {"requests", "polls"}) {
        a.remove(QLatin1String(counter));
        b.remove(QLatin1String(counter));
    }
    EXPECT_EQ(a, b);
    EXPECT_EQ(second.goods.value(4000).record, first.goods.value(4000).record);
}

TEST(ScaleModel, MalformedFilesAreRefused)
{
    const char *documents[] = {
        R"({"goods": [{"code": "1"}]})",           R"({"goods": [{"plu": 1, "record": "8201"}]})",
        R"({"goods": [{"plu": 1, "code": "x"}]})", R"({"messages": [{"number": 1, "raw": "00"}]})",
        R"({"settings": {"raw": "zz"}})",          R"({"date": "1.1"})",
    };
    for (const char *doc : documents) {
        ScaleModel m;
        EXPECT_THROW(m.loadJson(QJsonDocument::fromJson(doc).object()), Error) << doc;
    }
}

TEST(ScaleModel, RefusesWhatItIsToldOnceOrAlways)
{
    ScaleModel m;
    m.addRefusal(sim::parseRefusal(QStringLiteral("goods:3"), true));
    m.addRefusal(sim::parseRefusal(QStringLiteral("messages:5,6"), false));
    m.addRefusal(sim::parseRefusal(QStringLiteral("header"), false));
    const struct {
        QByteArray request;
        QByteArray answer;
    } steps[] = {
        {buildGoodsRecord(sampleGoods(3), nullptr), kRefuse},
        {buildGoodsRecord(sampleGoods(3), nullptr), kAck}, // once
        {buildGoodsRecord(sampleGoods(4), nullptr), kAck},
        {buildMessageRecord(5, {}), kRefuse},
        {buildMessageRecord(5, {}), kRefuse}, // always
        {buildMessageRecord(7, {}), kAck},
        {buildHeaderPacket(QStringLiteral("a"), QStringLiteral("b")), kRefuse},
        {buildSettingsPacket({}), kAck},
    };
    for (const auto &s : steps)
        EXPECT_EQ(exchange(m, s.request), s.answer) << s.request.toHex().left(12).constData();
    EXPECT_EQ(m.goods.keys(), (QList<quint32>{3, 4}));
    EXPECT_EQ(m.messages.keys(), (QList<quint16>{7}));
    EXPECT_EQ(m.header, QByteArray(56, '\0')) << "a refused header is not stored";
    EXPECT_EQ(m.takeLog().first(), QStringLiteral("refused goods 3"));
    EXPECT_EQ(m.pollCount(), 8);

    for (const char *bad : {"bogus", "header:1", "goods:x"})
        EXPECT_THROW(sim::parseRefusal(QString::fromLatin1(bad), false), InputError) << bad;
    EXPECT_TRUE(sim::parseRefusal(QStringLiteral("goods:"), false).numbers.isEmpty()) << "every goods";
}
