#pragma once
// Everything that exchanges with the scales, assembled once: the channels, the engine and
// every command, with the end of each exchange turned into its text. What the user is to be
// told leaves it as notices (exchange/Notice), one signal for all of it. The session, the
// tests, the benchmarks and the fuzz targets use it; no widget is involved.
#include "commands/ConnectionCheck.h"
#include "commands/ExchangeTexts.h"
#include "commands/MessagesTransfer.h"
#include "commands/ParameterCommands.h"
#include "exchange/ExchangeEngine.h"
#include "exchange/GoodsTransfer.h"
#include "exchange/Notice.h"
#include "exchange/ScaleChannels.h"

#include <QObject>
#include <memory>

namespace tevo {

class Store;

class ScaleExchange : public QObject {
    Q_OBJECT
public:
    // `host` is the parameters tab as the commands see it; without one the parameters are
    // kept in memory.
    explicit ScaleExchange(Store &store, ParametersHost *host = nullptr, QObject *parent = nullptr);
    ~ScaleExchange() override;

    ScaleChannels &channels() { return *m_channels; }
    ExchangeEngine &engine() { return *m_engine; }
    GoodsTransfer &goods() { return *m_goods; }
    MessagesTransfer &messages() { return *m_messages; }
    ParameterCommands &parameters() { return *m_parameters; }
    ConnectionCheck &connectionCheck() { return *m_check; }

signals:
    // A start refused, an exchange failed (a busy database named with what holds it), scales
    // that cannot take part, a failed line; the end texts (plain for a success, a warning for
    // refusals and scales that stopped answering) and the end of the connection check.
    void notice(const tevo::Notice &notice);
    // A goods write ended, however (finished, stopped, failed): sent before its end text, so
    // that automatic loading watches again whatever box shows that text.
    void goodsWriteEnded();
    void ended(const tevo::ExchangeReport &report);
    // A check of the scales against the tables ended, however: what it found. Sent before its
    // text goes out as a notice.
    void verified(const tevo::VerifyReport &report);

private:
    void onEnded(const ExchangeReport &report);
    // The ledger's record of who answered and who took a complete write.
    void noteScales(const ExchangeReport &report);
    VerifyReport verifyReport(const ExchangeReport &report) const;

    Store &m_store;
    std::unique_ptr<MemoryParameters> m_ownHost;
    ParametersHost *m_host;
    std::unique_ptr<ScaleChannels> m_channels;
    std::unique_ptr<ExchangeEngine> m_engine;
    std::unique_ptr<GoodsTransfer> m_goods;
    std::unique_ptr<MessagesTransfer> m_messages;
    std::unique_ptr<ParameterCommands> m_parameters;
    std::unique_ptr<ConnectionCheck> m_check;
};

} // namespace tevo
