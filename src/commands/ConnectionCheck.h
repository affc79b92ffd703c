#pragma once
// The connection check: every scale of S is polled at once; each one that sends anything
// back within 300 ms is marked as switched on (W), every selection (U) is cleared, and a box
// tells how many answered. It is refused while an exchange runs.
#include <QObject>
#include <QTimer>

namespace tevo {

class ExchangeEngine;
class Store;

class ConnectionCheck : public QObject {
    Q_OBJECT
public:
    ConnectionCheck(ExchangeEngine &engine, Store &store, QObject *parent = nullptr);

    QTimer tmCheck; // 300 ms; its first tick ends the check

    // Starts the check; a refusal (an exchange runs, the scales table cannot be changed) is
    // said in an error box and false returned.
    bool start();
    // As start, but a refusal throws: InputError while an exchange runs, DatabaseError (or
    // DatabaseBusyError) when the scales table cannot be changed.
    void startOrThrow();
    bool isRunning() const;

    // "Проверка связи окончена. Обнаружено включеных N весов."
    static QString endText(int answered);

signals:
    void finished(int answered);
    void information(const QString &text);

private:
    void tmCheckTimer();

    ExchangeEngine &m_engine;
    Store &m_store;
};

} // namespace tevo
