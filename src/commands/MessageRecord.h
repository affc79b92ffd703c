#pragma once
// Label messages on the wire: eight lines of 50 scale characters.
//   write request  0x84, number (16-bit LE), 8 × 50 bytes, one 0x00     = 404 bytes
//   read request   0x83, number (16-bit LE)                             =   3 bytes
//   read reply     0xAA, 8 × 50 bytes                                   = 401 bytes
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tevo {

inline constexpr uchar kMessageWriteCommand = 0x84;
inline constexpr uchar kMessageReadCommand = 0x83;
inline constexpr int kMessageLineCount = 8;
inline constexpr int kMessageLineWidth = 50;
inline constexpr int kMessageRecordLength = 404;
inline constexpr int kMessageReadRequestLength = 3;
inline constexpr int kMessageReplyLength = 401;

// The write request. Only the low 16 bits of the number are sent. Each line is converted
// with toScaleCode, cut at 50 and padded with 0x00; missing lines are empty, lines past the
// eighth are ignored.
QByteArray buildMessageRecord(int number, const QStringList &lines8);

// The read request for a message number (low 16 bits).
QByteArray buildMessageReadRequest(int number);

// The eight lines of a read reply. Every 0x00 byte of a line is left out, wherever it
// stands. Needs at least 401 bytes (throws InputError otherwise); bytes past 401 are
// ignored.
QStringList decodeMessageReply(const QByteArray &reply);

// The digests of the eight lines a scale holds (store/ScaleLedger): of a write request and of
// a read reply, alike for the same lines.
QByteArray messageRequestDigest(const QByteArray &request);
QByteArray messageReplyDigest(const QByteArray &reply);

} // namespace tevo
