#include "commands/SettingsPackets.h"

#include "common/Error.h"
#include "exchange/ScaleCode.h"

namespace tevo {
namespace {

uchar byteAt(const QByteArray &bytes, int i) { return static_cast<uchar>(bytes.at(i)); }

char low8(int value) { return static_cast<char>(static_cast<uchar>(value & 0xFF)); }

void requireLength(const QByteArray &reply, int length, const char *what)
{
    if (reply.size() < length)
        throw InputError(QStringLiteral("A %1 reply needs %2 bytes, got %3")
                             .arg(QLatin1String(what))
                             .arg(length)
                             .arg(reply.size()));
}

// A line of the header reply: up to its first 0x00.
QString headerLine(const QByteArray &reply, int at)
{
    QByteArray line = reply.mid(at, kHeaderLineWidth);
    const qsizetype end = line.indexOf('\0');
    if (end >= 0)
        line.truncate(end);
    return decodeScaleText(line);
}

} // namespace

QByteArray buildSettingsPacket(const ScaleSettings &s)
{
    int formatCode = LabelFormatCode(s.labelFormatPosition);
    if (formatCode < 0)
        formatCode = LabelFormatCode(kShownLabelFormatPosition);
    const int barcode = s.barcodePosition >= 0 && s.barcodePosition < kBarcodeFormatCount ? s.barcodePosition : 0;

    QByteArray out(kSettingsPacketLength, '\0');
    out[0] = static_cast<char>(kSettingsWriteCommand);
    out[1] = low8(s.department % 10);
    out[2] = low8((s.department % 100 - s.department % 10) / 10);
    out[3] = low8(s.department / 100);
    out[4] = low8(formatCode);
    out[5] = low8(barcode);
    out[6] = low8(s.printShift);
    out[7] = static_cast<char>(s.printOptions);
    out[8] = low8(s.autoPrintWeight % 256);
    out[9] = low8(s.autoPrintWeight / 256);
    return out;
}

ScaleSettings decodeSettingsReply(const QByteArray &reply)
{
    requireLength(reply, kSettingsPacketLength, "settings");
    ScaleSettings s;
    s.department = byteAt(reply, 3) * 100 + byteAt(reply, 2) * 10 + byteAt(reply, 1);
    s.labelFormatPosition = qMax(0, labelFormatPosition(byteAt(reply, 4)));
    s.barcodePosition = byteAt(reply, 5) < kBarcodeFormatCount ? byteAt(reply, 5) : -1;
    s.printShift = byteAt(reply, 6);
    s.printOptions = byteAt(reply, 7);
    s.autoPrintWeight = byteAt(reply, 8) + byteAt(reply, 9) * 256;
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

ShopHeader decodeHeaderReply(const QByteArray &reply)
{
    requireLength(reply, kHeaderPacketLength, "shop header");
    return {headerLine(reply, 1), headerLine(reply, 1 + kHeaderLineWidth)};
}

QStringList labelFormatTexts()
{
    return {
        QStringLiteral("58 х 60 (2 стр. тов.+8 стр. сообщ.+2 стр. маг.)"),
        QStringLiteral("58 х 60 (1 стр. тов.+8 стр. сообщ.+2 стр. маг.)"),
        QStringLiteral("58 х 60 (2 стр. тов.+8 стр. сообщ.)"),
        QStringLiteral("58 х 60 (1 стр. тов.+8 стр. сообщ.)"),
        QStringLiteral("58 х 60 (2 стр. тов.+4 стр. сообщ.+2 стр. маг.)"),
        QStringLiteral("58 х 60 (1 стр. тов.+4 стр. сообщ.+2 стр. маг.)"),
        QStringLiteral("58 х 60 (2 стр. тов.+4 стр. сообщ.)"),
        QStringLiteral("58 х 60 (1 стр. тов.+4 стр. сообщ.)"),
        QStringLiteral("58 х 60 (2 стр. тов.+8 стр. сообщ.+2 стр. маг.+без препринта)"),
        QStringLiteral("58 х 60 (1 стр. тов.+8 стр. сообщ.+2 стр. маг.+без препринта)"),
        QStringLiteral("58 х 60 (2 стр. тов.+8 стр. сообщ.+2 стр. маг.+штр-к. в центре)"),
        QStringLiteral("58 х 60 (1 стр. тов.+8 стр. сообщ.+2 стр. маг.+штр-к. в центре)"),
        QStringLiteral("58 х 60 (2 стр. тов.+8 стр. сообщ.+штр-к. в центре)"),
        QStringLiteral("58 х 60 (1 стр. тов.+8 стр. сообщ.+штр-к. в центре)"),
        QStringLiteral("58 х 60 (2 стр. тов.+4 стр. сообщ.+2 стр. маг.+штр-к. в центре)"),
        QStringLiteral("58 х 60 (1 стр. тов.+4 стр. сообщ.+2 стр. маг.+штр-к. в центре)"),
        QStringLiteral("58 х 60 (2 стр. тов.+4 стр. сообщ.+штр-к. в центре)"),
        QStringLiteral("58 х 60 (1 стр. тов.+4 стр. сообщ.+штр-к. в центре)"),
        QStringLiteral("58 х 60 (2 стр. тов.+4 стр. сообщ.+2 стр. маг.+без препринта)"),
        QStringLiteral("58 х 60 (1 стр. тов.+4 стр. сообщ.+2 стр. маг.+без препринта)"),
        QStringLiteral("58 х 40 (2 стр. тов.+2 стр. маг.)"),
        QStringLiteral("58 х 40 (1 стр. тов.+2 стр. маг.)"),
        QStringLiteral("58 х 40 (2 стр. тов.)"),
        QStringLiteral("58 х 40 (1 стр. тов.)"),
        QStringLiteral("58 х 40 (2 стр. тов.+2 стр. маг.+штр-к. в центре)"),
        QStringLiteral("58 х 40 (1 стр. тов.+2 стр. маг.+штр-к. в центре)"),
        QStringLiteral("58 х 40 (2 стр. тов.+штр-к. в центре)"),
        QStringLiteral("58 х 40 (1 стр. тов.+штр-к. в центре)"),
        QStringLiteral("58 х 40 (2 стр. тов.+1 стр. сообщ.+2 стр. маг.)"),
        QStringLiteral("58 х 40 (1 стр. тов.+1 стр. сообщ.+2 стр. маг.)"),
        QStringLiteral("58 х 40 (2 стр. тов.+1 стр. сообщ.)"),
        QStringLiteral("58 х 40 (1 стр. тов.+1 стр. сообщ.)"),
        QStringLiteral("58 х 40 (2 стр. тов.+1 стр. сообщ.+2 стр. маг.+штр-к. в центре)"),
        QStringLiteral("58 х 40 (1 стр. тов.+1 стр. сообщ.+2 стр. маг.+штр-к. в центре)"),
        QStringLiteral("58 х 40 (2 стр. тов.+1 стр. сообщ.+штр-к. в центре)"),
        QStringLiteral("58 х 40 (1 стр. тов.+1 стр. сообщ.+штр-к. в центре)"),
        QStringLiteral("58 х 40 (2 стр. тов.+2 стр. маг.+без препринта)"),
        QStringLiteral("58 х 40 (1 стр. тов.+2 стр. маг.+без препринта)"),
        QStringLiteral("58 х 30 (2 стр. тов.+2 стр. маг.+без штр-к.)"),
        QStringLiteral("58 х 30 (1 стр. тов.+2 стр. маг.+без штр-к.)"),
        QStringLiteral("58 х 30 (2 стр. тов.+без штр-к.)"),
        QStringLiteral("58 х 30 (1 стр. тов.+без штр-к.)"),
        QStringLiteral("58 х 30 (1 стр. тов.+1 стр. маг.+без препринта)"),
        QStringLiteral("58 х 30 (2 стр. тов.+2 стр. маг.+без штр-к.+без препринта)"),
        QStringLiteral("40 х 30 (1 стр. тов.+1 стр. маг.+без препринта)"),
        QStringLiteral("свободний формат етикетки"),
    };
}

QStringList barcodeFormatTexts()
{
    return {
        QStringLiteral("Штрих-код не печатаеться"),
        QStringLiteral("Г6Г5Г4Г3Г2Г1Т6Т5Т4Т3Т2Т1К"),
        QStringLiteral("о3о2о1Г6Г5Г4Г3Г2Г1Т3Т2Т1К"),
        QStringLiteral("О2О1Т6Т5Т4Т3Т2Т1С4С3С2С1К"),
        QStringLiteral("О2О1Т5Т4Т3Т2Т1С5С4С3С2С1К"),
        QStringLiteral("О2О1Т4Т3Т2Т1С6С5С4С3С2С1К"),
        QStringLiteral("О2О1Т3Т2Т1С7С6С5С4С3С2С1К"),
        QStringLiteral("О2О1Т5Т4Т3Т2Т1В5В4В3В2В1К"),
        QStringLiteral("О2О1Т6Т5Т4Т3Т2Т1В4В3В2В1К"),
    };
}

QStringList barcodeLegendLines()
{
    return {
        QStringLiteral("О- в зависимости от ОСОБЕНОСТЕЙ ПЕЧАТИ "),
        QStringLiteral("К- контрольная сумма "),
        QStringLiteral("В- вес и количество"),
        QStringLiteral("С- стоимость"),
        QStringLiteral("Г- груповой код"),
        QStringLiteral("Т- код товара"),
        QStringLiteral("о - номер отдела"),
    };
}

QList<PrintOption> printOptionList()
{
    return {
        {0, 0x01, QStringLiteral("CheckBox1"), QStringLiteral("Изменение цены")},
        {1, 0x02, QStringLiteral("CheckBox2"), QStringLiteral("Изм. цены с сохран.")},
        {2, 0x04, QStringLiteral("CheckBox3"), QStringLiteral("Печать номера PLU")},
        {3, 0x08, QStringLiteral("CheckBox4"), QStringLiteral("Печать группового кода")},
        {4, 0x10, QStringLiteral("CheckBox5"), QStringLiteral("Печать даты упаковки")},
        {5, 0x20, QStringLiteral("CheckBox6"), QStringLiteral("Печать срока годности")},
        {6, 0x40, QStringLiteral("CheckBox7"), QStringLiteral("Печать номера этикетки")},
        {7, 0x80, QStringLiteral("CheckBox8"), QStringLiteral("Печать времени упаковки")},
    };
}

QList<int> printOptionScreenOrder()
{
    return {0, 1, 2, 3, 7, 6, 5, 4};
}

} // namespace tevo
