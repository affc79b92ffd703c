#pragma once
// The channels that reach the scales: ten TCP client sockets CS0 … CS9 and ten serial drivers
// SC_COM0 … SC_COM9. A row of S is a serial scale when its IP text holds "COM"; every other
// row is a TCP scale on the socket of its position in S.
#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
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
    // channel can serve are skipped and reported once through channelProblem().
    void OpenChannels(bool open, bool allRows);
    void CloseChannels(bool allRows) { OpenChannels(false, allRows); }

    // Puts the packet on the channel of the row (0-based position in S).
    void SendToScale(int row, const QByteArray &packet);

    QTcpSocket *socket(int n) const { return m_sockets[n]; }   // CS<n>
    TComm32 *serial(int n) const { return m_serial[n].get(); } // SC_COM<n>
    int socketIndex(int recNo) const;                          // the CS number bound to a row

signals:
    // Every batch of bytes that arrives on any channel, with the record number (1-based
    // position in S) of the scale row bound to that channel.
    void packetReceived(const QByteArray &packet, int scaleRecNo);
    // A TCP connection failed (once per failed connection) with the socket layer's text.
    void connectionFailed(const QString &text);
    // A row could not be bound to any channel.
    void channelProblem(const QString &text);
    // The serial channel SC_COM0 reported a line error.
    void serialError0(quint32 errorCode);

private:
    Table &m_scales;
    std::array<QTcpSocket *, kChannelCount> m_sockets{};
    std::array<std::unique_ptr<TComm32>, kChannelCount> m_serial;
    std::array<int, kChannelCount> m_socketTag{};
    std::array<bool, kChannelCount> m_socketFailed{};
    std::array<bool, kChannelCount> m_socketActive{};
    std::array<QHostAddress, kChannelCount> m_socketAddress{};
    std::array<quint16, kChannelCount> m_socketPort{};
    QVector<int> m_socketIndex; // per record number
    std::optional<QVector<int>> m_selectedRows;
};

} // namespace tevo
