#pragma once
// Fixed-layout bytes as the scales and the table files lay them out: single bytes,
// little-endian integers and digit fields (one decimal digit a byte) at given offsets.
// A reader never looks past the bytes it was given: a read there throws InputError, so a short
// packet is refused instead of being read past its end.
#include <QByteArray>

namespace tevo {

// The order of the bytes of a digit field.
enum class DigitOrder { UnitsFirst, MostSignificantFirst };

class PacketReader {
public:
    explicit PacketReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    // A reply that must hold at least `length` bytes: throws InputError "A <what> reply needs
    // <length> bytes, got <size>" when it is shorter.
    PacketReader(QByteArray bytes, qsizetype length, const char *what);

    qsizetype size() const { return m_bytes.size(); }
    quint8 byte(qsizetype at) const;
    // An unsigned little-endian number of 1 … 4 bytes.
    quint32 unsignedLe(qsizetype at, int width) const;
    quint16 unsigned16(qsizetype at) const { return static_cast<quint16>(unsignedLe(at, 2)); }
    quint32 unsigned32(qsizetype at) const { return unsignedLe(at, 4); }
    // Four bytes little-endian, two's complement.
    qint32 signed32(qsizetype at) const { return static_cast<qint32>(unsignedLe(at, 4)); }
    // `count` digit bytes, units first: the sum of byte k × 10^k (a byte above 9 counts as it
    // stands).
    qint64 digits(qsizetype at, int count) const;
    // `count` bytes from `at`.
    QByteArray bytes(qsizetype at, qsizetype count) const;

private:
    // Throws InputError unless bytes at … at + count − 1 are there.
    void require(qsizetype at, qsizetype count) const;

    QByteArray m_bytes;
};

// Writes into a packet of a fixed length (zeros at first) or into given bytes. Each value is
// cut to its width; writing past the end is a fault of the caller (asserted).
class PacketWriter {
public:
    explicit PacketWriter(qsizetype length) : m_bytes(length, '\0') {}
    explicit PacketWriter(QByteArray bytes) : m_bytes(std::move(bytes)) {}

    // The low 8 bits of value.
    void putByte(qsizetype at, qint64 value);
    // The low `width` bytes of value, least significant first.
    void putLe(qsizetype at, qint64 value, int width);
    // `count` decimal digits of value, one a byte; the most significant byte takes what is
    // left of the value (its low 8 bits), so 1234 as three digits units first is 4, 3, 12.
    void putDigits(qsizetype at, qint64 value, int count, DigitOrder order);
    // The bytes as they stand, from `at` on.
    void putBytes(qsizetype at, const QByteArray &bytes);

    const QByteArray &bytes() const { return m_bytes; }
    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
};

// Appends little-endian numbers to a growing stream.
void appendLe(QByteArray &out, quint64 value, int width);

} // namespace tevo
