#include "commands/MessageRecord.h"

#include "common/Error.h"
#include "exchange/ScaleCode.h"

namespace tevo {
namespace {

void putNumber16(QByteArray &out, int number)
{
    const auto n = static_cast<quint16>(number & 0xFFFF);
    out[1] = static_cast<char>(n & 0xFF);
    out[2] = static_cast<char>(n >> 8);
}

} // namespace

QByteArray buildMessageRecord(int number, const QStringList &lines8)
{
    QByteArray out;
    out.reserve(kMessageRecordLength);
    out.append(static_cast<char>(kMessageWriteCommand));
    out.append(2, '\0');
    putNumber16(out, number);
    for (int line = 0; line < kMessageLineCount; ++line)
        out.append(encodeScaleField(line < lines8.size() ? lines8.at(line) : QString(), kMessageLineWidth));
    out.append('\0');
    return out;
}

QByteArray buildMessageReadRequest(int number)
{
    QByteArray out(kMessageReadRequestLength, '\0');
    out[0] = static_cast<char>(kMessageReadCommand);
    putNumber16(out, number);
    return out;
}

QStringList decodeMessageReply(const QByteArray &reply)
{
    if (reply.size() < kMessageReplyLength)
        throw InputError(QStringLiteral("A message reply needs %1 bytes, got %2")
                             .arg(kMessageReplyLength)
                             .arg(reply.size()));
    QStringList lines;
    for (int line = 0; line < kMessageLineCount; ++line) {
        QByteArray kept = reply.mid(1 + line * kMessageLineWidth, kMessageLineWidth);
        kept.replace('\0', QByteArray());
        lines.append(decodeScaleText(kept));
    }
    return lines;
}

} // namespace tevo
