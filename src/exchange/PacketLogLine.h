#pragma once
// The packet log line of one block received from a scale: "Get[" + the byte count + "]: " and
// the block's bytes, the values 0 … 9 shown as the digits "0" … "9" and every other byte as its
// Windows-1251 character (so bytes 10 and 13 still break the line); the log adds who sent it
// and the bytes in hex.
#include <QByteArray>
#include <QString>

namespace tevo {

QString packetLogLine(const QByteArray &block);

// The line the packet log shows: packetLogLine first, then the scale that sent the block and
// the block's bytes in hex, "Get[3]: Є05    «Касса 1»: AA 00 05".
QString packetLogLine(const QByteArray &block, const QString &scale);

} // namespace tevo
