#pragma once
// What the exchange benchmarks share: simulated scale processes and goods and messages worth
// sending.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

namespace tevo {
class Store;
}

namespace tevo::bench {

// One tevo-scalesim process with its first line: "port N" on TCP, the pseudo-terminal's path
// with --pty.
struct SimulatedScale {
    std::unique_ptr<QProcess> process;
    QString firstLine;

    explicit SimulatedScale(const QStringList &options);
    ~SimulatedScale();
    quint16 port() const { return static_cast<quint16>(firstLine.section(QLatin1Char(' '), 1).toUInt()); }
};

// Names, prices and codes in every goods row and text in every message, committed.
void fillSampleData(Store &store);

// Adds a selected scale row: TCP on 127.0.0.1:port, or the serial port name with its speed.
void addScaleRow(Store &store, const QString &ip, int port);

} // namespace tevo::bench
