#include "commands/SettingsPackets.h"

#include "common/PacketBytes.h"
#include "exchange/ScaleCode.h"

#include <QCoreApplication>

namespace {
// The texts of this unit, translated under the context "SettingsPackets".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(SettingsPackets)
};
} // namespace

namespace tevo {
namespace {

// A line of the header reply: up to its first 0x00.
QString headerLine(const PacketReader &reply, int at)
{
    QByteArray line = reply.bytes(at, kHeaderLineWidth);
    const qsizetype end = line.indexOf('\0');
    if (end >= 0)
        line.truncate(end);
    return decodeScaleText(line);
}

} // namespace

QByteArray buildSettingsPacket(const ScaleSettings &s)
{
    int formatCode = labelFormatCode(s.labelFormatPosition);
    if (formatCode < 0)
        formatCode = labelFormatCode(kShownLabelFormatPosition);
    const int barcode = s.barcodePosition >= 0 && s.barcodePosition < kBarcodeFormatCount ? s.barcodePosition : 0;

    PacketWriter out(kSettingsPacketLength);
    out.putByte(0, kSettingsWriteCommand);
    out.putDigits(1, s.department, 3, DigitOrder::UnitsFirst);
    out.putByte(4, formatCode);
    out.putByte(5, barcode);
    out.putByte(6, s.printShift);
    out.putByte(7, s.printOptions);
    out.putByte(8, s.autoPrintWeight % 256);
    out.putByte(9, s.autoPrintWeight / 256);
    return out.take();
}

ScaleSettings decodeSettingsReply(const QByteArray &bytes)
{
    const PacketReader reply(bytes, kSettingsPacketLength, "settings");
    ScaleSettings s;
    s.department = static_cast<int>(reply.digits(1, 3));
    s.labelFormatPosition = qMax(0, labelFormatPosition(reply.byte(4)));
    s.barcodePosition = reply.byte(5) < kBarcodeFormatCount ? reply.byte(5) : -1;
    s.printShift = reply.byte(6);
    s.printOptions = reply.byte(7);
    s.autoPrintWeight = reply.unsigned16(8);
    return s;
}

QByteArray buildHeaderPacket(const QString &line1, const QString &line2)
{
    QByteArray out;
    out.reserve(kHeaderPacketLength);
    out.append(static_cast<char>(kHeaderWriteCommand));
    out.append(encodeScaleField(line1, kHeaderLineWidth));
    out.append(encodeScaleField(line2, kHeaderLineWidth));
    return out;
}

ShopHeader decodeHeaderReply(const QByteArray &bytes)
{
    const PacketReader reply(bytes, kHeaderPacketLength, "shop header");
    return {headerLine(reply, 1), headerLine(reply, 1 + kHeaderLineWidth)};
}

QStringList labelFormatTexts()
{
    return {
        Tr::tr("58 х 60 (2 стр. тов.+8 стр. сообщ.+2 стр. маг.)"),
        Tr::tr("58 х 60 (1 стр. тов.+8 стр. сообщ.+2 стр. маг.)"),
        Tr::tr("58 х 60 (2 стр. тов.+8 стр. сообщ.)"),
        Tr::tr("58 х 60 (1 стр. тов.+8 стр. сообщ.)"),
        Tr::tr("58 х 60 (2 стр. тов.+4 стр. сообщ.+2 стр. маг.)"),
        Tr::tr("58 х 60 (1 стр. тов.+4 стр. сообщ.+2 стр. маг.)"),
        Tr::tr("58 х 60 (2 стр. тов.+4 стр. сообщ.)"),
        Tr::tr("58 х 60 (1 стр. тов.+4 стр. сообщ.)"),
        Tr::tr("58 х 60 (2 стр. тов.+8 стр. сообщ.+2 стр. маг.+без препринта)"),
        Tr::tr("58 х 60 (1 стр. тов.+8 стр. сообщ.+2 стр. маг.+без препринта)"),
        Tr::tr("58 х 60 (2 стр. тов.+8 стр. сообщ.+2 стр. маг.+штр-к. в центре)"),
        Tr::tr("58 х 60 (1 стр. тов.+8 стр. сообщ.+2 стр. маг.+штр-к. в центре)"),
        Tr::tr("58 х 60 (2 стр. тов.+8 стр. сообщ.+штр-к. в центре)"),
        Tr::tr("58 х 60 (1 стр. тов.+8 стр. сообщ.+штр-к. в центре)"),
        Tr::tr("58 х 60 (2 стр. тов.+4 стр. сообщ.+2 стр. маг.+штр-к. в центре)"),
        Tr::tr("58 х 60 (1 стр. тов.+4 стр. сообщ.+2 стр. маг.+штр-к. в центре)"),
        Tr::tr("58 х 60 (2 стр. тов.+4 стр. сообщ.+штр-к. в центре)"),
        Tr::tr("58 х 60 (1 стр. тов.+4 стр. сообщ.+штр-к. в центре)"),
        Tr::tr("58 х 60 (2 стр. тов.+4 стр. сообщ.+2 стр. маг.+без препринта)"),
        Tr::tr("58 х 60 (1 стр. тов.+4 стр. сообщ.+2 стр. маг.+без препринта)"),
        Tr::tr("58 х 40 (2 стр. тов.+2 стр. маг.)"),
        Tr::tr("58 х 40 (1 стр. тов.+2 стр. маг.)"),
        Tr::tr("58 х 40 (2 стр. тов.)"),
        Tr::tr("58 х 40 (1 стр. тов.)"),
        Tr::tr("58 х 40 (2 стр. тов.+2 стр. маг.+штр-к. в центре)"),
        Tr::tr("58 х 40 (1 стр. тов.+2 стр. маг.+штр-к. в центре)"),
        Tr::tr("58 х 40 (2 стр. тов.+штр-к. в центре)"),
        Tr::tr("58 х 40 (1 стр. тов.+штр-к. в центре)"),
        Tr::tr("58 х 40 (2 стр. тов.+1 стр. сообщ.+2 стр. маг.)"),
        Tr::tr("58 х 40 (1 стр. тов.+1 стр. сообщ.+2 стр. маг.)"),
        Tr::tr("58 х 40 (2 стр. тов.+1 стр. сообщ.)"),
        Tr::tr("58 х 40 (1 стр. тов.+1 стр. сообщ.)"),
        Tr::tr("58 х 40 (2 стр. тов.+1 стр. сообщ.+2 стр. маг.+штр-к. в центре)"),
        Tr::tr("58 х 40 (1 стр. тов.+1 стр. сообщ.+2 стр. маг.+штр-к. в центре)"),
        Tr::tr("58 х 40 (2 стр. тов.+1 стр. сообщ.+штр-к. в центре)"),
        Tr::tr("58 х 40 (1 стр. тов.+1 стр. сообщ.+штр-к. в центре)"),
        Tr::tr("58 х 40 (2 стр. тов.+2 стр. маг.+без препринта)"),
        Tr::tr("58 х 40 (1 стр. тов.+2 стр. маг.+без препринта)"),
        Tr::tr("58 х 30 (2 стр. тов.+2 стр. маг.+без штр-к.)"),
        Tr::tr("58 х 30 (1 стр. тов.+2 стр. маг.+без штр-к.)"),
        Tr::tr("58 х 30 (2 стр. тов.+без штр-к.)"),
        Tr::tr("58 х 30 (1 стр. тов.+без штр-к.)"),
        Tr::tr("58 х 30 (1 стр. тов.+1 стр. маг.+без препринта)"),
        Tr::tr("58 х 30 (2 стр. тов.+2 стр. маг.+без штр-к.+без препринта)"),
        Tr::tr("40 х 30 (1 стр. тов.+1 стр. маг.+без препринта)"),
        Tr::tr("свободний формат етикетки"),
    };
}

QStringList barcodeFormatTexts()
{
    return {
        Tr::tr("Штрих-код не печатаеться"),  Tr::tr("Г6Г5Г4Г3Г2Г1Т6Т5Т4Т3Т2Т1К"), Tr::tr("о3о2о1Г6Г5Г4Г3Г2Г1Т3Т2Т1К"),
        Tr::tr("О2О1Т6Т5Т4Т3Т2Т1С4С3С2С1К"), Tr::tr("О2О1Т5Т4Т3Т2Т1С5С4С3С2С1К"), Tr::tr("О2О1Т4Т3Т2Т1С6С5С4С3С2С1К"),
        Tr::tr("О2О1Т3Т2Т1С7С6С5С4С3С2С1К"), Tr::tr("О2О1Т5Т4Т3Т2Т1В5В4В3В2В1К"), Tr::tr("О2О1Т6Т5Т4Т3Т2Т1В4В3В2В1К"),
    };
}

QStringList barcodeLegendLines()
{
    return {
        Tr::tr("О- в зависимости от ОСОБЕНОСТЕЙ ПЕЧАТИ "),
        Tr::tr("К- контрольная сумма "),
        Tr::tr("В- вес и количество"),
        Tr::tr("С- стоимость"),
        Tr::tr("Г- груповой код"),
        Tr::tr("Т- код товара"),
        Tr::tr("о - номер отдела"),
    };
}

QList<PrintOption> printOptionList()
{
    return {
        {0, 0x01, QStringLiteral("CheckBox1"), Tr::tr("Изменение цены")},
        {1, 0x02, QStringLiteral("CheckBox2"), Tr::tr("Изм. цены с сохран.")},
        {2, 0x04, QStringLiteral("CheckBox3"), Tr::tr("Печать номера PLU")},
        {3, 0x08, QStringLiteral("CheckBox4"), Tr::tr("Печать группового кода")},
        {4, 0x10, QStringLiteral("CheckBox5"), Tr::tr("Печать даты упаковки")},
        {5, 0x20, QStringLiteral("CheckBox6"), Tr::tr("Печать срока годности")},
        {6, 0x40, QStringLiteral("CheckBox7"), Tr::tr("Печать номера этикетки")},
        {7, 0x80, QStringLiteral("CheckBox8"), Tr::tr("Печать времени упаковки")},
    };
}

QList<int> printOptionScreenOrder() { return {0, 1, 2, 3, 7, 6, 5, 4}; }

} // namespace tevo
