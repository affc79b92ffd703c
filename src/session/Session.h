#pragma once
// One run of the program as the window and tevo-cli both work it: the store, the exchange with
// the scales (made on first use) and the automatic-loading watch (made when asked for). What
// the user is to be told, from any of them, leaves through one signal, `notice`, marked when it
// belongs to an automatic load; the front end decides whether it becomes a box, a tray balloon
// or a line on the terminal. The operations on tables and files are in session/Operations;
// the exchanges start here, by their command.
#include "commands/ScaleExchange.h"
#include "exchange/Notice.h"
#include "session/Outcome.h"
#include "store/Store.h"

#include <QObject>
#include <memory>

namespace tevo {

class AutoLoader;

class Session : public QObject {
    Q_OBJECT
public:
    Session();
    ~Session() override;

    Store &store() { return m_store; }

    // The parameters tab as the commands see it (read and written by the settings, logo,
    // state and totals commands); without one they are kept in memory. Set before the exchange
    // is first used.
    void setParametersHost(ParametersHost *host);
    ScaleExchange &exchange();
    bool hasExchange() const { return m_exchange != nullptr; }

    // The watch of the goods file that "AutoLoad.ini" beside the program names (made on first
    // use; its settings are read by AutoLoader::create).
    AutoLoader &autoLoader();
    bool hasAutoLoader() const { return m_autoLoader != nullptr; }

    // Starts an exchange: the goods or messages write or read of `range`, the settings, clock
    // or logo write, the settings, state or totals read, by the command's first step. Refused
    // (the reason also told as a notice) when the exchange turns the start down.
    Outcome startExchange(CommandState command, const QString &range = QString());
    // "Только изменённые": the goods and messages writes started here send each scale only what
    // it does not hold as it is now. (Automatic loading starts its writes itself.)
    void setChangedOnly(bool on) { m_changedOnly = on; }
    bool changedOnly() const { return m_changedOnly; }

signals:
    void notice(const tevo::Notice &notice);

private:
    void forward(const Notice &notice);

    Store m_store;
    ParametersHost *m_host = nullptr;
    bool m_changedOnly = false;
    std::unique_ptr<ScaleExchange> m_exchange;
    std::unique_ptr<AutoLoader> m_autoLoader;
};

} // namespace tevo
