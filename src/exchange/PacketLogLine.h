#pragma once
// The packet log line of one block received from a scale: "Get[" + the byte count + "]: " and
// the block's bytes, the values 0 … 9 shown as the digits "0" … "9" and every other byte as its
// Windows-1251 character (so bytes 10 and 13 still break the line).
#include <QByteArray>
#include <QString>

namespace tevo {

QString packetLogLine(const QByteArray &block);

} // namespace tevo
