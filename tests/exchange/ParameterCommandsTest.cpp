// Settings, shop header, logo, clock, weighing state and totals against simulated scales.
#include "EngineFixture.h"

#include "commands/ClockPackets.h"
#include "commands/ParameterCommands.h"
#include "common/Convert.h"
#include "common/Error.h"

#include <QJsonArray>

using namespace tevo;
using namespace tevo::test;

namespace {

using ParameterTest = EngineTest;

QByteArray rawOf(const QJsonObject &o)
{
    return QByteArray::fromHex(o.value(QStringLiteral("raw")).toString().toLatin1());
}

} // namespace

TEST_F(ParameterTest, SettingsAndHeaderWriteReachTheScaleByteExact)
{
    SimScale &sim = addTcpScale();
    host.department = QStringLiteral("1234");
    host.autoPrint = QStringLiteral("300");
    host.options = 0x80;
    host.labelFormat = 29;
    host.shopHeader = {QStringLiteral("Магазин «Ромашка»"), QString(27, QChar(u'я'))};
    ASSERT_TRUE(commands->startSettingsWrite());
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(messagesShown, QStringList{QStringLiteral("Настройки пользователя успешно переданы.")});
    const QJsonObject dump = sim.dump();
    EXPECT_EQ(rawOf(dump.value(QStringLiteral("settings")).toObject()), QByteArray::fromHex("04030c29010a802c01"));
    const QByteArray header = rawOf(dump.value(QStringLiteral("header")).toObject());
    ASSERT_EQ(header.size(), 56);
    EXPECT_EQ(header.at(27), '\0');
    EXPECT_EQ(static_cast<uchar>(header.at(28 + 26)), 0xEF); // "я" on the scale
    EXPECT_EQ(header.at(28 + 27), '\0');
}

TEST_F(ParameterTest, BadNumbersOrNoLabelFormatStartNothing)
{
    addTcpScale();
    host.department = QStringLiteral("1a");
    EXPECT_FALSE(commands->startSettingsWrite());
    ASSERT_EQ(errorsShown.size(), 1);
    EXPECT_EQ(errorsShown.first(), QStringLiteral("'1a' is not a valid integer value"));
    host.department = QStringLiteral("1");
    host.labelFormat = 0;
    EXPECT_FALSE(commands->startSettingsWrite());
    EXPECT_EQ(errorsShown.size(), 2);
    EXPECT_FALSE(engine->isRunning());
}

TEST_F(ParameterTest, SettingsReadFillsEveryControlAndTheLogoFromASplitReply)
{
    QStringList logoRows;
    for (int y = 1; y <= 64; ++y)
        logoRows << (y == 1 ? QStringLiteral("#") + QString(62, QLatin1Char('.')) + QStringLiteral("#") : QString());
    const QString load = writeLoadFile(QStringLiteral(R"({"settings":{"raw":"03020129080c ff2c01"},
        "header":{"line1":"Рынок","line2":"ул. Мира, 1"},"logo":["%1"]})")
                                           .arg(logoRows.first())
                                           .toUtf8()
                                           .replace("0c ff", "0cff"));
    addTcpScale({QStringLiteral("--split"), QStringLiteral("9")}, load);
    ASSERT_TRUE(commands->startSettingsRead());
    EXPECT_EQ(engine->pollInterval(), 500);
    engine->setPollInterval(20);
    ASSERT_TRUE(waitEnded(20000));
    EXPECT_EQ(messagesShown, QStringList{QStringLiteral("Настройки пользователя успешно считаны.")});
    ASSERT_TRUE(host.readSettings);
    EXPECT_EQ(host.readSettings->department, 123);
    EXPECT_EQ(host.readSettings->labelFormatPosition, 29);
    EXPECT_EQ(host.readSettings->barcodePosition, 8);
    EXPECT_EQ(host.readSettings->printShift, 12);
    EXPECT_EQ(host.readSettings->printOptions, 0xFF);
    EXPECT_EQ(host.readSettings->autoPrintWeight, 300);
    ASSERT_TRUE(host.readHeader);
    EXPECT_EQ(host.readHeader->line1, QStringLiteral("Рынок"));
    EXPECT_EQ(host.readHeader->line2, QStringLiteral("ул. Мира, 1"));
    ASSERT_TRUE(host.readLogo);
    EXPECT_TRUE(host.readLogo->at(1, 1));
    EXPECT_TRUE(host.readLogo->at(64, 1));
    EXPECT_FALSE(host.readLogo->at(2, 1));
    EXPECT_FALSE(host.readLogo->at(1, 2));
}

TEST_F(ParameterTest, LogoWrittenThenReadBackIsTheSame)
{
    SimScale &sim = addTcpScale();
    for (int i = 1; i <= 64; ++i)
        host.logoDots.set(i, i, true);
    host.logoDots.set(64, 1, true);
    ASSERT_TRUE(commands->startLogoWrite());
    engine->setPollInterval(20);
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(messagesShown.last(), QStringLiteral("Логотип успешно записан."));
    EXPECT_EQ(sim.dump().value(QStringLiteral("logo")).toArray().first().toString().right(1), QStringLiteral("#"));
    ASSERT_TRUE(commands->startSettingsRead());
    engine->setPollInterval(20);
    ASSERT_TRUE(waitEnded());
    ASSERT_TRUE(host.readLogo);
    EXPECT_TRUE(*host.readLogo == host.logoDots);
}

TEST_F(ParameterTest, ClockPacketsAreBuiltFromTheClockWhenTheScaleIsReady)
{
    SimScale &sim = addTcpScale();
    ScopedTestClock clock([] { return QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59)); });
    ASSERT_TRUE(commands->startClockWrite());
    engine->setPollInterval(20);
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(messagesShown.last(), QStringLiteral("Дата и время синхронизированы с компьютером."));
    EXPECT_EQ(sim.dump().value(QStringLiteral("date")).toString(), QStringLiteral("05.03.24"));
    EXPECT_EQ(sim.dump().value(QStringLiteral("time")).toString(), QStringLiteral("23:59:59"));
    EXPECT_EQ(engine->pollInterval(), 20);
}

TEST_F(ParameterTest, WeighingStateAndTotalsWaitForTheWholeReply)
{
    const QString load = writeLoadFile(R"({"state":{"grams":1500,"price":10000,"cost":15000,"plu":7},
        "totals":{"totalSum":-1,"salesCount":16777215,"freePlu":3999,"freeMessages":1000}})");
    addTcpScale({QStringLiteral("--split"), QStringLiteral("5")}, load);
    ASSERT_TRUE(commands->startStateRead());
    engine->setPollInterval(20);
    ASSERT_TRUE(waitEnded());
    ASSERT_TRUE(host.state);
    EXPECT_EQ(host.state->grams, 1500);
    EXPECT_EQ(host.state->price, 10000);
    EXPECT_EQ(host.state->plu, 7);
    ASSERT_TRUE(commands->startTotalsRead());
    engine->setPollInterval(20);
    ASSERT_TRUE(waitEnded());
    ASSERT_TRUE(host.totals);
    EXPECT_EQ(host.totals->totalSum, -1);
    EXPECT_EQ(host.totals->salesCount, 16777215u);
    EXPECT_EQ(host.totals->freePlu, 3999);
    EXPECT_TRUE(messagesShown.isEmpty()) << "these reads show no box";
}

TEST_F(ParameterTest, ReadsNeedExactlyOneScale)
{
    addTcpScale();
    addTcpScale();
    EXPECT_FALSE(commands->startSettingsRead());
    EXPECT_FALSE(commands->startStateRead());
    EXPECT_FALSE(commands->startLogoWrite());
    EXPECT_EQ(errorsShown, QStringList(3, QStringLiteral("Выберите только одни весы!")));
}
