#include "exchange/PacketLogLine.h"

#include "common/Codepage.h"

namespace tevo {

QString packetLogLine(const QByteArray &block)
{
    QByteArray shown = block;
    for (char &b : shown) {
        const auto value = static_cast<unsigned char>(b);
        if (value <= 9)
            b = char('0' + value);
    }
    return QStringLiteral("Get[%1]: ").arg(block.size()) + fromCp1251(shown);
}

QString packetLogLine(const QByteArray &block, const QString &scale)
{
    return packetLogLine(block)
           + QStringLiteral("    «%1»: %2").arg(scale, QString::fromLatin1(block.toHex(' ').toUpper()));
}

} // namespace tevo
