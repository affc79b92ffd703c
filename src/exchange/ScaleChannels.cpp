#include "exchange/ScaleChannels.h"

#include "common/AppPaths.h"
#include "common/Error.h"
#include "serial/CommSettings.h"
#include "serial/PortNames.h"
#include "serial/TComm32.h"
#include "store/ScaleLedger.h"
#include "store/Table.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <QTcpSocket>
#include <limits>

namespace {
// The texts of this unit, translated under the context "ScaleChannels".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ScaleChannels)
};
} // namespace

namespace tevo {
bool isSerialAddress(const QString &text) { return text.toUpper().contains(QLatin1String("COM")); }

quint16 tcpPortNumber(const QVariant &value)
{
    if (value.isNull())
        return 0;
    bool whole = false;
    const qlonglong port = value.toString().trimmed().toLongLong(&whole);
    return whole && port >= 1 && port <= std::numeric_limits<quint16>::max() ? static_cast<quint16>(port) : 0;
}

QString scaleName(const QString &name, int recNo) { return name.isEmpty() ? Tr::tr("Весы %1").arg(recNo) : name; }

QString scaleTitle(const QString &name, const QString &address) { return Tr::tr("Весы «%1» (%2)").arg(name, address); }

QString unreachableScaleText(const QString &name, const QString &address, int recNo, const QString &reason)
{
    return Tr::tr("%1 в строке %2 недоступны: %3").arg(scaleTitle(name, address)).arg(recNo).arg(reason);
}

QString connectionFailedText(const QString &name, const QString &ip, const QString &port, const QString &reason)
{
    return Tr::tr("%1: нет связи: %2").arg(scaleTitle(name, ip + QLatin1Char(':') + port), reason);
}

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
            // The scale as the user knows it: its name, its address and its port as stored (the
            // socket's own peer port is 0 when the connection was refused).
            emit connectionFailed(connectionFailedText(m_socketName[n], m_socketAddress[n].toString(),
                                                       m_socketPortText[n], m_sockets[n]->errorString()),
                                  m_socketTag[n]);
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

QString ScaleChannels::faultOf(int recNo) const
{
    for (const ChannelFault &f : m_faults)
        if (f.recNo == recNo)
            return f.reason;
    return {};
}

QString ScaleChannels::openSerial(int n, int recNo, const QVariant &speedValue)
{
    TComm32 &serial = *m_serial[n];
    const QString speedText = speedValue.isNull() ? QString() : speedValue.toString().trimmed();
    bool whole = false;
    const qlonglong speed = speedText.toLongLong(&whole);
    if (!whole || speed <= 0 || speed > std::numeric_limits<quint32>::max()
        || speedConstant(static_cast<quint32>(speed)) == 0)
        return speedText.isEmpty()
                   ? Tr::tr("скорость линии (PORT) не указана — например 9600")
                   : Tr::tr("скорость линии «%1» (PORT) — у последовательного порта нет такой скорости, "
                            "например 9600")
                         .arg(speedText);
    const QString device = resolveSerialDevice(serial.commPort());
    serial.closePort(); // still open from an exchange whose rows were changed meanwhile
    serial.setTag(recNo);
    try {
        serial.setBaudRate(static_cast<quint32>(speed));
        serial.openPort();
    } catch (const Error &e) {
        if (device.isEmpty())
            return Tr::tr("порт %1 не связан ни с каким устройством (%2)")
                .arg(serial.commPort(), QLatin1String(kSerialPortsFileName));
        if (!QFileInfo::exists(device))
            return Tr::tr("порт %1: нет устройства %2").arg(serial.commPort(), device);
        return Tr::tr("порт %1 (%2) не открывается: %3").arg(serial.commPort(), device, e.text());
    }
    return {};
}

void ScaleChannels::OpenChannels(bool open, bool allRows)
{
    if (open) {
        m_faults.clear();
        m_faultRows.clear();
    }
    // What the rows served so far use: a serial device (or port name), an address and port.
    QHash<QString, int> serialUsers, tcpUsers;
    auto rowName = [this](int row) { return scaleName(m_scales.text(row, QStringLiteral("NAME")).trimmed(), row + 1); };
    for (int row = 0; row < m_scales.count(); ++row) {
        const int recNo = row + 1;
        if (!allRows && !isSelected(row))
            continue;
        const QString ip = m_scales.text(row, QStringLiteral("IP")).trimmed();
        const QVariant portValue = m_scales.value(row, QStringLiteral("PORT"));
        QString fault;
        if (isSerialAddress(ip)) {
            const int n = serialChannelNumber(ip);
            if (n < 0) {
                fault = Tr::tr("«%1» — последовательный порт должен называться COM0 … COM9").arg(ip);
            } else if (!open) {
                m_serial[n]->closePort();
            } else {
                // SC_COM0 and SC_COM1 share the port COM1; two names may map to one device.
                const QString device = resolveSerialDevice(m_serial[n]->commPort());
                const QString key = device.isEmpty() ? m_serial[n]->commPort().toUpper() : device;
                const auto used = serialUsers.constFind(key);
                if (used != serialUsers.cend()) {
                    fault = Tr::tr("«%1» — это тот же последовательный порт%2, что у строки %3 «%4»")
                                .arg(ip, device.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(device))
                                .arg(*used + 1)
                                .arg(rowName(*used));
                } else {
                    fault = openSerial(n, recNo, portValue);
                    if (fault.isEmpty())
                        serialUsers.insert(key, row);
                }
            }
        } else if (row >= kChannelCount) {
            fault = Tr::tr("в обмене участвуют только первые %1 весов списка").arg(kChannelCount);
        } else {
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
            const quint16 port = tcpPortNumber(portValue);
            const QString portText = portValue.isNull() ? QString() : portValue.toString().trimmed();
            if (!address.setAddress(ip) || address.protocol() != QAbstractSocket::IPv4Protocol) {
                fault = Tr::tr("«%1» — это не IP-адрес (например 192.168.0.10) и не порт COM0 … COM9").arg(ip);
            } else if (port == 0) {
                fault = portText.isEmpty()
                            ? Tr::tr("порт TCP (PORT) не указан — нужно целое число от 1 до 65535")
                            : Tr::tr("порт «%1» — номер порта TCP должен быть целым числом от 1 до 65535").arg(portText);
            } else {
                const QString key = QStringLiteral("%1:%2").arg(address.toString()).arg(port);
                const auto used = tcpUsers.constFind(key);
                if (used != tcpUsers.cend()) {
                    fault =
                        Tr::tr("%1 — этот адрес и порт уже у строки %2 «%3»").arg(key).arg(*used + 1).arg(rowName(*used));
                } else {
                    tcpUsers.insert(key, row);
                    m_socketFailed[row] = false;
                    m_socketActive[row] = true;
                    m_socketAddress[row] = address;
                    m_socketPort[row] = port;
                    m_socketName[row] = rowName(row);
                    m_socketPortText[row] = portText;
                    socket->connectToHost(address, port);
                }
            }
        }
        if (open && !fault.isEmpty()) {
            m_faults.append({recNo, rowName(row), ScaleLedger::addressOf(m_scales, row), fault});
            m_faultRows.insert(row);
        }
    }
    if (open && !m_faults.isEmpty()) {
        QStringList lines;
        for (const ChannelFault &f : m_faults)
            lines << f.text();
        emit channelProblem(Tr::tr("Эти весы недоступны для обмена:\n") + lines.join(QLatin1Char('\n')));
    }
}

void ScaleChannels::SendToScale(int row, const QByteArray &packet)
{
    if (row < 0 || row >= m_scales.count() || m_faultRows.contains(row))
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
