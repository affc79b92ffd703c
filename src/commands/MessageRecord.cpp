#include "commands/MessageRecord.h"

#include "common/PacketBytes.h"
#include "exchange/RecordDigest.h"
#include "exchange/ScaleCode.h"

namespace tevo {
QByteArray buildMessageRecord(int number, const QStringList &lines8)
{
    PacketWriter out(kMessageRecordLength); // the last byte stays 0x00
    out.putByte(0, kMessageWriteCommand);
    out.putLe(1, number, 2);
    for (int line = 0; line < kMessageLineCount; ++line)
        out.putBytes(3 + line * kMessageLineWidth,
                     encodeScaleField(line < lines8.size() ? lines8.at(line) : QString(), kMessageLineWidth));
    return out.take();
}

QByteArray buildMessageReadRequest(int number)
{
    PacketWriter out(kMessageReadRequestLength);
    out.putByte(0, kMessageReadCommand);
    out.putLe(1, number, 2);
    return out.take();
}

QStringList decodeMessageReply(const QByteArray &bytes)
{
    const PacketReader reply(bytes, kMessageReplyLength, "message");
    QStringList lines;
    for (int line = 0; line < kMessageLineCount; ++line) {
        QByteArray kept = reply.bytes(1 + line * kMessageLineWidth, kMessageLineWidth);
        kept.replace('\0', QByteArray());
        lines.append(decodeScaleText(kept));
    }
    return lines;
}

namespace {
constexpr qsizetype kLinesBytes = qsizetype(kMessageLineCount) * kMessageLineWidth;
}

QByteArray messageRequestDigest(const QByteArray &request) { return messageLinesDigest(request.mid(3, kLinesBytes)); }

QByteArray messageReplyDigest(const QByteArray &reply) { return messageLinesDigest(reply.mid(1, kLinesBytes)); }

} // namespace tevo
