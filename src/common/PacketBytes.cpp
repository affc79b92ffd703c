#include "common/PacketBytes.h"

#include "common/Error.h"

#include <cstring>

#include <QCoreApplication>

namespace {
// The texts of this unit, translated under the context "PacketBytes".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(PacketBytes)
};
} // namespace

namespace tevo {
PacketReader::PacketReader(QByteArray bytes, qsizetype length, const char *what) : m_bytes(std::move(bytes))
{
    if (m_bytes.size() < length)
        throw InputError(
            Tr::tr("A %1 reply needs %2 bytes, got %3").arg(QLatin1String(what)).arg(length).arg(m_bytes.size()));
}

void PacketReader::require(qsizetype at, qsizetype count) const
{
    if (at < 0 || count < 0 || at > m_bytes.size() - count)
        throw InputError(
            Tr::tr("A packet of %1 bytes has no %2 bytes from byte %3").arg(m_bytes.size()).arg(count).arg(at));
}

quint8 PacketReader::byte(qsizetype at) const
{
    require(at, 1);
    return static_cast<quint8>(m_bytes.at(at));
}

quint32 PacketReader::unsignedLe(qsizetype at, int width) const
{
    Q_ASSERT(width >= 1 && width <= 4);
    require(at, width);
    quint32 v = 0;
    for (int k = width - 1; k >= 0; --k)
        v = (v << 8) | static_cast<quint8>(m_bytes.at(at + k));
    return v;
}

qint64 PacketReader::digits(qsizetype at, int count) const
{
    require(at, count);
    qint64 value = 0;
    qint64 weight = 1;
    for (int k = 0; k < count; ++k, weight *= 10)
        value += static_cast<quint8>(m_bytes.at(at + k)) * weight;
    return value;
}

QByteArray PacketReader::bytes(qsizetype at, qsizetype count) const
{
    require(at, count);
    return m_bytes.mid(at, count);
}

void PacketWriter::putByte(qsizetype at, qint64 value)
{
    Q_ASSERT(at >= 0 && at < m_bytes.size());
    m_bytes[at] = static_cast<char>(static_cast<quint8>(value & 0xFF));
}

void PacketWriter::putLe(qsizetype at, qint64 value, int width)
{
    for (int i = 0; i < width; ++i)
        putByte(at + i, value >> (8 * i));
}

void PacketWriter::putDigits(qsizetype at, qint64 value, int count, DigitOrder order)
{
    for (int k = 0; k < count; ++k) {
        const qint64 digit = k == count - 1 ? value : value % 10;
        putByte(order == DigitOrder::UnitsFirst ? at + k : at + count - 1 - k, digit);
        value /= 10;
    }
}

void PacketWriter::putBytes(qsizetype at, const QByteArray &bytes)
{
    Q_ASSERT(at >= 0 && at + bytes.size() <= m_bytes.size());
    std::memcpy(m_bytes.data() + at, bytes.constData(), static_cast<size_t>(bytes.size()));
}

void appendLe(QByteArray &out, quint64 value, int width)
{
    for (int i = 0; i < width; ++i)
        out.append(static_cast<char>(static_cast<quint8>((value >> (8 * i)) & 0xFF)));
}

} // namespace tevo
