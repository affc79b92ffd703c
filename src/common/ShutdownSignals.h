#pragma once
// SIGTERM and SIGINT as requests to end the program: the signal handler only writes the signal
// number into a pipe, and a socket notifier on its other end hands it to the event loop, where
// `received` is sent and the closing steps can run. After the first signal the previous
// handlers are back, so a second one ends a program that no longer responds.
#include <QObject>

#include <memory>

class QSocketNotifier;

namespace tevo {

class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; only one instance may exist at a time.
    explicit ShutdownSignals(QObject *parent = nullptr);
    ~ShutdownSignals() override;

signals:
    void received(int signalNumber);

private:
    void readPipe();
    void restoreHandlers();

    int m_pipe[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_installed = false;
};

} // namespace tevo
