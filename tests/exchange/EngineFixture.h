#pragma once
// A running exchange against real scale simulators: a scratch folder with a fresh database,
// the scale exchange as the window assembles it (channels, engine, every command) with a
// parameters tab of the test's own, and simulator processes on loopback TCP or on
// pseudo-terminals.
#include "commands/ScaleExchange.h"
#include "common/Convert.h"
#include "common/Error.h"
#include "store/Store.h"

#include "TestSupport.h"

#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

namespace tevo::test {

// The goods or message numbers first … last as texts, leaving out those in `without`.
QStringList numbersFrom(int first, int last, std::initializer_list<int> without = {});
// Names and prices the goods first … last: "Товар n" at n × 100.
void nameGoods(Table &goods, int first, int last);

// One tevo-scalesim process.
class SimScale {
public:
    // TCP on 127.0.0.1 (pty = false) or a pseudo-terminal; extra options as on its command line.
    // `port`: the TCP port to listen on (0: any free one).
    SimScale(bool pty, const QStringList &options, const QString &dumpPath, const QString &loadPath = {},
             quint16 port = 0);
    ~SimScale();
    quint16 port() const { return m_port; }
    QString device() const { return m_device; }
    QJsonObject dump() const;         // what the scale holds now
    QJsonObject goods(int plu) const; // one stored goods, empty when not held
    QStringList storedGoodsNumbers() const;
    QStringList storedMessageNumbers() const;
    // The lines of its --log printed since the last call ("stored goods 7" …).
    QStringList takeLog();
    void kill();

private:
    std::unique_ptr<QProcess> m_process;
    QString m_dumpPath;
    quint16 m_port = 0;
    QString m_device;
};

// The parameters tab as the commands see it: numbers as typed texts.
struct TestParameters : ParametersHost {
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

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The database the exchange works on: the engine's fresh one of the scratch folder.
    virtual DatabaseLocation testDatabase() { return dir->database(); }

    // Adds a scale row named "Весы N" (N its position): a TCP scale on the simulator's port, or
    // a serial one ("COMn") whose device the ports file maps to the simulator's pseudo-terminal.
    SimScale &addTcpScale(const QStringList &options = {}, const QString &loadPath = {}, bool selected = true,
                          const QString &groups = {});
    SimScale &addSerialScale(int comNumber, const QStringList &options = {}, const QString &loadPath = {});
    void addScaleRow(const QString &ip, int port, bool selected, const QString &groups = {});
    // A new case of a table: no simulators, no scale rows, nothing shown yet.
    void newCase();

    bool waitEnded(int timeoutMs = 20000);
    QString writeLoadFile(const QByteArray &json);

    std::unique_ptr<ScratchDir> dir;
    std::unique_ptr<Store> store;
    TestParameters host;
    std::unique_ptr<ScaleExchange> exchange;
    // Parts of the exchange.
    ScaleChannels *channels = nullptr;
    ExchangeEngine *engine = nullptr;
    GoodsTransfer *goods = nullptr;
    MessagesTransfer *messages = nullptr;
    ParameterCommands *commands = nullptr;
    ConnectionCheck *check = nullptr;
    std::vector<std::unique_ptr<SimScale>> sims;

    QStringList messagesShown;
    QStringList warningsShown;
    QStringList errorsShown;
    QStringList informationShown;
    QList<QByteArray> packetsLogged;
    QList<int> packetScales; // the record number each logged packet came from
    ExchangeReport lastReport;
    int ended = 0;
    int simCounter = 0;
};

} // namespace tevo::test
