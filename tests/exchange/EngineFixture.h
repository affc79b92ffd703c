#pragma once
// A running engine against real scale simulators: a scratch folder with a fresh database,
// the channels, the engine with the goods and messages commands, and simulator processes on
// loopback TCP or on pseudo-terminals.
#include "commands/ConnectionCheck.h"
#include "commands/MessagesTransfer.h"
#include "exchange/ExchangeEngine.h"
#include "exchange/GoodsTransfer.h"
#include "exchange/ScaleChannels.h"
#include "store/Store.h"

#include "TestSupport.h"

#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tevo::test {

// One tevo-scalesim process.
class SimScale {
public:
    // TCP on 127.0.0.1 (pty = false) or a pseudo-terminal; extra options as on its command line.
    SimScale(bool pty, const QStringList &options, const QString &dumpPath, const QString &loadPath = {});
    ~SimScale();
    quint16 port() const { return m_port; }
    QString device() const { return m_device; }
    QJsonObject dump() const;            // what the scale holds now
    QJsonObject goods(int plu) const;    // one stored goods, empty when not held
    QStringList storedGoodsNumbers() const;
    void kill();

private:
    std::unique_ptr<QProcess> m_process;
    QString m_dumpPath;
    quint16 m_port = 0;
    QString m_device;
};

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a scale row: a TCP scale on the simulator's port, or a serial one ("COMn") whose
    // device the ports file maps to the simulator's pseudo-terminal.
    SimScale &addTcpScale(const QStringList &options = {}, const QString &loadPath = {}, bool selected = true,
                          const QString &groups = {});
    SimScale &addSerialScale(int comNumber, const QStringList &options = {}, const QString &loadPath = {});
    void addScaleRow(const QString &ip, int port, bool selected, const QString &groups = {});
    void recount();

    bool waitEnded(int timeoutMs = 20000);
    QString writeLoadFile(const QByteArray &json);

    std::unique_ptr<ScratchDir> dir;
    std::unique_ptr<Store> store;
    std::unique_ptr<ScaleChannels> channels;
    std::unique_ptr<ExchangeEngine> engine;
    std::unique_ptr<GoodsTransfer> goods;
    std::unique_ptr<MessagesTransfer> messages;
    std::unique_ptr<ConnectionCheck> check;
    std::vector<std::unique_ptr<SimScale>> sims;

    QStringList messagesShown;
    QStringList errorsShown;
    QStringList informationShown;
    QList<QByteArray> packetsLogged;
    int ended = 0;
    int simCounter = 0;
};

} // namespace tevo::test
