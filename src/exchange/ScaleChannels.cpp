#include "exchange/ScaleChannels.h"

#include "common/Error.h"
#include "serial/TComm32.h"
#include "store/Table.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace tevo {

bool isSerialAddress(const QString &text) { return text.toUpper().contains(QLatin1String("COM")); }

int serialChannelNumber(const QString &ipText)
{
    const QString t = ipText.trimmed().toUpper();
    if (t.size() == 4 && t.startsWith(QLatin1String("COM")) && t.at(3).isDigit())
        return t.at(3).digitValue();
    return -1;
}

ScaleChannels::ScaleChannels(Table &scales, QObject *parent) : QObject(parent), m_scales(scales)
{
    for (int n = 0; n < kChannelCount; ++n) {
        auto *socket = new QTcpSocket(this);
        socket->setObjectName(QStringLiteral("CS%1").arg(n));
        m_sockets[n] = socket;
        // Small packets, each waited for: out without Nagle's pause.
        connect(socket, &QTcpSocket::connected, socket,
                [socket] { socket->setSocketOption(QAbstractSocket::LowDelayOption, 1); });
        connect(socket, &QTcpSocket::readyRead, this, [this, n] {
            const QByteArray bytes = m_sockets[n]->readAll();
            emit packetReceived(bytes, m_socketTag[n]);
        });
        connect(socket, &QTcpSocket::errorOccurred, this, [this, n](QAbstractSocket::SocketError) {
            // One report per failed connection, not one per poll that finds it down.
            if (m_socketFailed[n] || !m_socketActive[n])
                return;
            m_socketFailed[n] = true;
            emit connectionFailed(QStringLiteral("%1 (%2:%3): %4")
                                      .arg(m_sockets[n]->objectName(), m_sockets[n]->peerName())
                                      .arg(m_sockets[n]->peerPort())
                                      .arg(m_sockets[n]->errorString()));
        });

        // SC_COM0 works on the port COM1, as SC_COM1 does.
        auto serial = std::make_unique<TComm32>();
        serial->setObjectName(QStringLiteral("SC_COM%1").arg(n));
        serial->setCommPort(QStringLiteral("COM%1").arg(n == 0 ? 1 : n));
        serial->setFlowControl(TComm32::fcNone);
        serial->setEventChar(0);
        connect(serial.get(), &TComm32::receiveData, this,
                [this, n](const QByteArray &bytes) { emit packetReceived(bytes, m_serial[n]->tag()); });
        if (n == 0)
            connect(serial.get(), &TComm32::lineError, this, &ScaleChannels::serialError0);
        m_serial[n] = std::move(serial);
    }
}

ScaleChannels::~ScaleChannels()
{
    for (auto &s : m_serial)
        s->closePort();
}

int ScaleChannels::socketIndex(int recNo) const
{
    return recNo >= 0 && recNo < m_socketIndex.size() ? m_socketIndex[recNo] : 0;
}

bool ScaleChannels::isSelected(int row) const
{
    if (m_selectedRows)
        return m_selectedRows->contains(row);
    return truthValue(m_scales.text(row, QStringLiteral("U")));
}

void ScaleChannels::OpenChannels(bool open, bool allRows)
{
    QStringList problems;
    for (int row = 0; row < m_scales.count(); ++row) {
        const int recNo = row + 1;
        if (!allRows && !isSelected(row))
            continue;
        const QString ip = m_scales.text(row, QStringLiteral("IP")).trimmed();
        const QVariant portValue = m_scales.value(row, QStringLiteral("PORT"));
        const int port = portValue.isNull() ? 0 : portValue.toInt();
        if (isSerialAddress(ip)) {
            const int n = serialChannelNumber(ip);
            if (n < 0) {
                if (open)
                    problems << QStringLiteral("строка %1: «%2» — последовательный порт должен называться COM0 … COM9")
                                    .arg(recNo)
                                    .arg(ip);
                continue;
            }
            TComm32 &serial = *m_serial[n];
            serial.setTag(recNo);
            if (open) {
                try {
                    serial.setBaudRate(static_cast<quint32>(port));
                    serial.openPort();
                } catch (const tevo::Error &) {
                    // A port that cannot be opened leaves that scale silent.
                }
            } else {
                serial.closePort();
            }
            continue;
        }
        if (row >= kChannelCount) {
            if (open)
                problems << QStringLiteral("строка %1: в обмене участвуют только первые %2 весов списка")
                                .arg(recNo)
                                .arg(kChannelCount);
            continue;
        }
        if (m_socketIndex.size() <= recNo)
            m_socketIndex.resize(recNo + 1);
        m_socketIndex[recNo] = row;
        QTcpSocket *socket = m_sockets[row];
        m_socketActive[row] = false;
        socket->abort();
        m_socketTag[row] = recNo;
        if (!open)
            continue;
        QHostAddress address;
        if (!address.setAddress(ip) || address.protocol() != QAbstractSocket::IPv4Protocol) {
            problems << QStringLiteral(
                            "строка %1: «%2» — это не IP-адрес (например 192.168.0.10) и не порт COM0 … COM9")
                            .arg(recNo)
                            .arg(ip);
            continue;
        }
        m_socketFailed[row] = false;
        m_socketActive[row] = true;
        m_socketAddress[row] = address;
        m_socketPort[row] = static_cast<quint16>(port);
        socket->connectToHost(address, static_cast<quint16>(port));
    }
    if (!problems.isEmpty())
        emit channelProblem(QStringLiteral("Эти весы недоступны для обмена:\n") + problems.join(QLatin1Char('\n')));
}

void ScaleChannels::SendToScale(int row, const QByteArray &packet)
{
    if (row < 0 || row >= m_scales.count())
        return;
    const QString ip = m_scales.text(row, QStringLiteral("IP"));
    if (isSerialAddress(ip)) {
        const int n = serialChannelNumber(ip);
        if (n >= 0)
            m_serial[n]->queueWrite(packet.constData(), static_cast<quint16>(packet.size()));
        return;
    }
    if (row >= kChannelCount)
        return;
    QTcpSocket *socket = m_sockets[row];
    if (socket->state() == QAbstractSocket::ConnectedState) {
        // Out at once rather than at the next turn of the event loop.
        socket->write(packet);
        socket->flush();
        return;
    }
    // A scale that dropped the connection is called again; the packet itself is lost, the
    // next poll goes out once it is back.
    if (m_socketActive[row] && socket->state() == QAbstractSocket::UnconnectedState)
        socket->connectToHost(m_socketAddress[row], m_socketPort[row]);
}

} // namespace tevo
