#pragma once
// The channels that reach the scales: ten TCP client sockets CS0 … CS9 and ten serial drivers
// SC_COM0 … SC_COM9. A row of S is a serial scale when its IP text holds "COM"; every other
// row is a TCP scale on the socket of its position in S. A row that no channel can serve (a
// port that cannot be opened, an address that is neither IPv4 nor COM0 … COM9, a TCP port
// outside 1 … 65535, a line speed the driver lacks, a port or address another row already
// uses, a TCP row past the tenth) gets no channel and is reported with why.
#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVariant>
#include <QVector>
#include <array>
#include <memory>
#include <optional>

class QTcpSocket;

namespace tevo {

class Table;
class TComm32;

bool isSerialAddress(const QString &text);
// The serial channel number of a serial IP text ("COM0" … "COM9" in any case), or -1.
int serialChannelNumber(const QString &ipText);
// The TCP port of a PORT value: a whole number 1 … 65535 (as a number or as its text), else 0.
// Nothing is wrapped: 70000 is no port, not port 4464.
quint16 tcpPortNumber(const QVariant &value);
// The name a scale row is shown by: its NAME, or "Весы N" when it has none.
QString scaleName(const QString &name, int recNo);
// A scale as every exchange message names it: "Весы «Касса 2» (192.168.0.12:5001)", its name and
// its address with the port as stored (ScaleLedger::addressOf, for a serial line "COM1@9600").
QString scaleTitle(const QString &name, const QString &address);
// The line that says a scale cannot take part: "Весы «Касса 2» (192.168.0.12:5001) в строке 2
// недоступны: …" (the row tells two rows of one address apart).
QString unreachableScaleText(const QString &name, const QString &address, int recNo, const QString &reason);

// A TCP connection that failed: "Весы «Касса 2» (192.168.0.12:5001): нет связи: Connection refused".
QString connectionFailedText(const QString &name, const QString &ip, const QString &port, const QString &reason);

// A row that takes part but that no channel can serve, and why (naming the value at fault).
struct ChannelFault {
    int recNo = 0;   // record number (1-based position in S)
    QString name;    // scaleName of the row
    QString address; // its address as stored (ScaleLedger::addressOf)
    QString reason;
    QString text() const { return unreachableScaleText(name, address, recNo, reason); }
};

class ScaleChannels : public QObject {
    Q_OBJECT
public:
    static constexpr int kChannelCount = 10;

    explicit ScaleChannels(Table &scales, QObject *parent = nullptr);
    ~ScaleChannels() override;

    // Which rows take part in exchanges: the rows whose U is set, as the scales dialog leaves
    // them, unless a program names the rows itself (0-based positions in S; the command line
    // names them without touching U). std::nullopt goes back to U.
    void setSelectedRows(std::optional<QVector<int>> rows) { m_selectedRows = std::move(rows); }
    bool isSelected(int row) const;

    // Binds and opens (open = true) or closes the channels of the rows that take part: the
    // selected rows, or every row while `allRows` (a connection check) is set. Rows that no
    // channel can serve get none and nothing is sent to them; an opening lists them in
    // channelFaults() (an exchange names them in its report too) and says them at once in one
    // channelProblem().
    void OpenChannels(bool open, bool allRows);
    void CloseChannels(bool allRows) { OpenChannels(false, allRows); }
    // The rows the last opening found unservable, in the order of S.
    const QVector<ChannelFault> &channelFaults() const { return m_faults; }
    // Why that row (record number) got no channel at the last opening; empty when it got one.
    QString faultOf(int recNo) const;

    // Puts the packet on the channel of the row (0-based position in S).
    void SendToScale(int row, const QByteArray &packet);

    QTcpSocket *socket(int n) const { return m_sockets[n]; }   // CS<n>
    TComm32 *serial(int n) const { return m_serial[n].get(); } // SC_COM<n>
    int socketIndex(int recNo) const;                          // the CS number bound to a row

signals:
    // Every batch of bytes that arrives on any channel, with the record number (1-based
    // position in S) of the scale row bound to that channel.
    void packetReceived(const QByteArray &packet, int scaleRecNo);
    // A TCP connection failed (once per failed connection) with the socket layer's text, and
    // the record number of the scale row bound to it.
    void connectionFailed(const QString &text, int scaleRecNo);
    // The rows an opening could not bind to any channel, one line each.
    void channelProblem(const QString &text);
    // The serial channel SC_COM0 reported a line error.
    void serialError0(quint32 errorCode);

private:
    // Opens the serial channel `n` for the row; returns why it cannot, or an empty text.
    QString openSerial(int n, int recNo, const QVariant &speed);

    Table &m_scales;
    std::array<QTcpSocket *, kChannelCount> m_sockets{};
    std::array<std::unique_ptr<TComm32>, kChannelCount> m_serial;
    std::array<int, kChannelCount> m_socketTag{};
    std::array<bool, kChannelCount> m_socketFailed{};
    std::array<bool, kChannelCount> m_socketActive{};
    std::array<QHostAddress, kChannelCount> m_socketAddress{};
    std::array<quint16, kChannelCount> m_socketPort{};
    std::array<QString, kChannelCount> m_socketName{};     // scaleName of the row, for the failure text
    std::array<QString, kChannelCount> m_socketPortText{}; // PORT as stored
    QVector<int> m_socketIndex;                            // per record number
    std::optional<QVector<int>> m_selectedRows;
    QVector<ChannelFault> m_faults;
    QSet<int> m_faultRows; // 0-based rows of m_faults: nothing is sent to them
};

} // namespace tevo
