// "Быстрый обмен": a scale that has answered is polled again at once, Timer1 stays the
// fallback, and with the option clear the pace is the timer's, as it always was.
#include "EngineFixture.h"

#include "exchange/GoodsRecord.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QMap>
#include <algorithm>

using namespace tevo;
using namespace tevo::test;

namespace {

// The time from each acknowledgement a scale sends to its next ready answer, as the program
// receives them: the pause before the next poll plus one round trip.
class GapRecorder {
public:
    explicit GapRecorder(ScaleChannels &channels)
    {
        m_clock.start();
        m_connection =
            QObject::connect(&channels, &ScaleChannels::packetReceived, [this](const QByteArray &p, int scale) {
                if (p.isEmpty())
                    return;
                const qint64 t = m_clock.elapsed();
                if (static_cast<uchar>(p.at(0)) == 0xAA) {
                    m_ackAt[scale] = t;
                    m_requestAt[scale] = m_readyAt.value(scale, t);
                } else if (static_cast<uchar>(p.back()) == 0x80) {
                    if (m_ackAt.contains(scale)) {
                        gaps.append(t - m_ackAt.take(scale));
                        fromRequest.append(t - m_requestAt.take(scale));
                    }
                    m_readyAt[scale] = t; // the request goes out as this answer is handled
                }
            });
    }
    ~GapRecorder() { QObject::disconnect(m_connection); }
    qint64 median() const
    {
        QList<qint64> sorted = gaps;
        std::sort(sorted.begin(), sorted.end());
        return sorted.isEmpty() ? -1 : sorted.at(sorted.size() / 2);
    }
    // The records whose next ready answer came `ms` or more after their request went out.
    int atLeast(qint64 ms) const
    {
        return int(std::count_if(fromRequest.cbegin(), fromRequest.cend(), [ms](qint64 g) { return g >= ms; }));
    }

    QList<qint64> gaps;        // from each acknowledgement to the next ready answer
    QList<qint64> fromRequest; // from the ready answer that drew the request to the next one

private:
    QElapsedTimer m_clock;
    QMap<int, qint64> m_ackAt;
    QMap<int, qint64> m_readyAt;
    QMap<int, qint64> m_requestAt;
    QMetaObject::Connection m_connection;
};

GoodsFields sentGoods(int n)
{
    GoodsFields f;
    f.NPLU = QString::number(n);
    f.TNAME1 = QStringLiteral("Товар %1").arg(n);
    f.TNAME2 = QStringLiteral("Строка %1").arg(n);
    f.PRICE = QString::number(n * 10);
    f.UBDATE = QStringLiteral("5");
    f.CODE = QString::number(n);
    return f;
}

} // namespace

TEST_F(EngineTest, FastWriteOf4000GoodsReachesTcpAndSerialScalesByteExactWithoutWaitingForTheTick)
{
    store->database().exec(QStringLiteral("UPDATE T SET TNAME1 = 'Товар ' || NPLU, TNAME2 = 'Строка ' || NPLU, "
                                          "PRICE = NPLU * 10, UBDATE = '5', CODE = NPLU"));
    store->database().commitNow();
    store->goods().refresh();
    const QStringList dumpAtExit{QStringLiteral("--dump-at-exit")};
    SimScale &prompt = addTcpScale(dumpAtExit);
    SimScale &late = addTcpScale(dumpAtExit + QStringList{QStringLiteral("--ack-delay"), QStringLiteral("1")});
    SimScale &serial = addSerialScale(3, dumpAtExit);
    engine->setPollInterval(ExchangeEngine::kDefaultPollMs);
    engine->setFastExchange(true);
    GapRecorder recorder(*channels);
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-4000")));
    // At one tick a record this would take over 13 minutes; a loaded machine under the
    // sanitizers may well take several.
    ASSERT_TRUE(waitEnded(500000));
    EXPECT_EQ(messagesShown, QStringList{QStringLiteral("Все PLU успешно записаны в весы 4000")});
    EXPECT_TRUE(warningsShown.isEmpty() && errorsShown.isEmpty())
        << (warningsShown + errorsShown).join('\n').toStdString();
    EXPECT_TRUE(lastReport.complete());
    // Every acknowledgement but each scale's last was followed by a ready answer, most of them
    // before the next tick would have come. (How much sooner is the benchmarks' business.)
    EXPECT_EQ(recorder.gaps.size(), 3 * 3999);
    EXPECT_LT(recorder.median(), ExchangeEngine::kDefaultPollMs) << "median " << recorder.median() << " ms";

    for (SimScale *sim : {&prompt, &late, &serial}) {
        sim->kill(); // the dump is written on the way out
        const QJsonArray held = sim->dump().value(QStringLiteral("goods")).toArray();
        ASSERT_EQ(held.size(), 4000);
        int exact = 0;
        for (int i = 0; i < held.size(); ++i) {
            const QJsonObject g = held.at(i).toObject();
            const int n = g.value(QStringLiteral("plu")).toInt();
            const QByteArray record = QByteArray::fromHex(g.value(QStringLiteral("record")).toString().toLatin1());
            if (n == i + 1 && record == buildGoodsRecord(sentGoods(n), nullptr))
                ++exact;
            else if (i - exact < 3)
                ADD_FAILURE() << "PLU " << n << " at " << i << ": " << record.toHex().constData();
        }
        EXPECT_EQ(exact, 4000);
    }
}

TEST_F(EngineTest, FastScaleThatIgnoresEverySecondPollIsPickedUpByTheTickAndTakesEveryRecord)
{
    SimScale &busy = addTcpScale({QStringLiteral("--ignore-polls"), QStringLiteral("2")});
    engine->setPollInterval(100);
    engine->setFastExchange(true);
    GapRecorder recorder(*channels);
    ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-10")));
    ASSERT_TRUE(waitEnded(20000));
    EXPECT_EQ(busy.storedGoodsNumbers(), numbersFrom(1, 10));
    EXPECT_EQ(messagesShown, QStringList{QStringLiteral("Все PLU успешно записаны в весы 10")});
    // Each poll made at once after an acknowledgement went unanswered; the tick's came through.
    EXPECT_EQ(recorder.gaps.size(), 9);
    EXPECT_EQ(recorder.atLeast(80), 9); // 100 ms less what a loaded machine adds before the timing
}

// At the normal pace a record's request and the next poll are one interval apart, counted from
// the request (a quick scale's acknowledgement comes at once, so the pause after it is the
// interval, as the scales know it); with "Быстрый обмен" the poll follows the acknowledgement.
TEST_F(EngineTest, ThePauseAfterAnAcknowledgementIsTheTimersUnlessFastExchangeIsTicked)
{
    const struct {
        const char *what;
        bool fast;
        bool clockFirst; // the clock setting leaves Timer1 at 500 ms
        qint64 atLeast;
        qint64 below;
    } cases[] = {
        // The ready answer is timed after the engine has handled it and sent the request: on a
        // loaded machine some milliseconds later than the timer started, hence the margins.
        {"clear: 200 ms", false, false, 160, 400},
        {"clear, after a clock setting: 500 ms", false, true, 460, 750},
        {"ticked, after a clock setting: at once", true, true, 0, 100},
    };
    for (const auto &c : cases) {
        newCase();
        addTcpScale();
        engine->setFastExchange(c.fast);
        if (c.clockFirst) {
            ASSERT_TRUE(commands->startClockWrite()) << c.what;
            ASSERT_TRUE(waitEnded()) << c.what;
            EXPECT_EQ(engine->pollInterval(), 500) << c.what;
        } else {
            engine->setPollInterval(ExchangeEngine::kDefaultPollMs);
        }
        messagesShown.clear();
        GapRecorder recorder(*channels);
        ASSERT_TRUE(goods->StartGoodsWrite(QStringLiteral("1-3"))) << c.what;
        ASSERT_TRUE(waitEnded()) << c.what;
        EXPECT_EQ(messagesShown, QStringList{QStringLiteral("Все PLU успешно записаны в весы 3")}) << c.what;
        ASSERT_EQ(recorder.gaps.size(), 2) << c.what;
        EXPECT_EQ(recorder.atLeast(c.atLeast), 2) << c.what;
        for (qint64 gap : recorder.gaps)
            EXPECT_LT(gap, c.below) << c.what;
    }
}
