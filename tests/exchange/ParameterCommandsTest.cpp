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

// The parameters tab as the commands see it.
struct FakeParameters : ParametersHost {
    QString department = QStringLiteral("1"), shift = QStringLiteral("10"), autoPrint = QStringLiteral("200");
    int labelFormat = 21;
    int barcode = 1;
    quint8 options = 0;
    ShopHeader shopHeader;
    LogoPixels logoDots;
    std::optional<ScaleSettings> readSettings;
    std::optional<ShopHeader> readHeader;
    std::optional<LogoPixels> readLogo;
    std::optional<WeighingState> state;
    std::optional<SalesTotals> totals;

    ScaleSettings settings() const override
    {
        if (labelFormat < 1)
            throw InputError(QStringLiteral("Выберите формат этикетки"));
        ScaleSettings s;
        s.department = strToInt(department);
        s.printShift = strToInt(shift);
        s.autoPrintWeight = strToInt(autoPrint);
        s.labelFormatPosition = labelFormat;
        s.barcodePosition = barcode;
        s.printOptions = options;
        return s;
    }
    void setSettings(const ScaleSettings &s) override { readSettings = s; }
    ShopHeader header() const override { return shopHeader; }
    void setHeader(const ShopHeader &h) override { readHeader = h; }
    LogoPixels logo() const override { return logoDots; }
    void setLogo(const LogoPixels &l) override { readLogo = l; }
    void showWeighingState(const WeighingState &s) override { state = s; }
    void showTotals(const SalesTotals &t) override { totals = t; }
};

class ParameterTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        commands = std::make_unique<ParameterCommands>(*engine, host);
    }
    void TearDown() override
    {
        commands.reset();
        EngineTest::TearDown();
    }
    FakeParameters host;
    std::unique_ptr<ParameterCommands> commands;
};

QByteArray rawOf(const QJsonObject &o) { return QByteArray::fromHex(o.value(QStringLiteral("raw")).toString().toLatin1()); }

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
    EXPECT_FALSE(engine->Timer1.isActive());
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
    EXPECT_EQ(engine->Timer1.interval(), 500);
    engine->Timer1.setInterval(20);
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
    engine->Timer1.setInterval(20);
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(messagesShown.last(), QStringLiteral("Логотип успешно записан."));
    EXPECT_EQ(sim.dump().value(QStringLiteral("logo")).toArray().first().toString().right(1), QStringLiteral("#"));
    ASSERT_TRUE(commands->startSettingsRead());
    engine->Timer1.setInterval(20);
    ASSERT_TRUE(waitEnded());
    ASSERT_TRUE(host.readLogo);
    EXPECT_TRUE(*host.readLogo == host.logoDots);
}

TEST_F(ParameterTest, ClockPacketsAreBuiltFromTheClockWhenTheScaleIsReady)
{
    SimScale &sim = addTcpScale();
    ScopedTestClock clock([] { return QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59)); });
    ASSERT_TRUE(commands->startClockWrite());
    engine->Timer1.setInterval(20);
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(messagesShown.last(), QStringLiteral("Дата и время синхронизированы с компьютером."));
    EXPECT_EQ(sim.dump().value(QStringLiteral("date")).toString(), QStringLiteral("05.03.24"));
    EXPECT_EQ(sim.dump().value(QStringLiteral("time")).toString(), QStringLiteral("23:59:59"));
    EXPECT_EQ(engine->Timer1.interval(), 20);
}

TEST_F(ParameterTest, WeighingStateAndTotalsWaitForTheWholeReply)
{
    const QString load = writeLoadFile(R"({"state":{"grams":1500,"price":10000,"cost":15000,"plu":7},
        "totals":{"totalSum":-1,"salesCount":16777215,"freePlu":3999,"freeMessages":1000}})");
    addTcpScale({QStringLiteral("--split"), QStringLiteral("5")}, load);
    ASSERT_TRUE(commands->startStateRead());
    engine->Timer1.setInterval(20);
    ASSERT_TRUE(waitEnded());
    ASSERT_TRUE(host.state);
    EXPECT_EQ(host.state->grams, 1500);
    EXPECT_EQ(host.state->price, 10000);
    EXPECT_EQ(host.state->plu, 7);
    ASSERT_TRUE(commands->startTotalsRead());
    engine->Timer1.setInterval(20);
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
