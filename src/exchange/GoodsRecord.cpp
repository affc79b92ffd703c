#include "exchange/GoodsRecord.h"

#include "common/Convert.h"
#include "common/Error.h"
#include "common/PacketBytes.h"
#include "exchange/ScaleCode.h"

#include <QCoreApplication>

namespace {
// The texts of this unit, translated under the context "GoodsRecord".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(GoodsRecord)
};
} // namespace

namespace tevo {
namespace {

constexpr int kNpluAt = 1;
constexpr int kCodeAt = 5;
constexpr int kName1At = 11;
constexpr int kName2At = 39;
constexpr int kPriceAt = 67;
constexpr int kShelfLifeAt = 71;
constexpr int kTareAt = 74;
constexpr int kGroupCodeAt = 76;
constexpr int kMessageAt = 82;
constexpr int kSumAt = 90;
constexpr int kWeightAt = 94;
constexpr int kCountAt = 98;
constexpr int kLogoKindAt = kName1At + 25; // byte 25 of the first name field

// An empty column is sent as zero.
qint32 numberOrZero(const QString &text) { return text.isEmpty() ? 0 : strToInt(text); }

// The digit value of one character; "" when the text is too short.
int digitAt(const QString &text, int index)
{
    return strToInt(index < text.size() ? QString(text.at(index)) : QString());
}

// Zeros in front up to six characters, sent units first. A code of more than six digits has
// no place on the scale: cutting it would send another code, so it is refused.
void putSixDigits(PacketWriter &out, int at, const QString &text)
{
    if (text.size() > 6)
        throw ConversionError(Tr::tr("'%1': код длиннее шести цифр не помещается в весы").arg(text));
    QString digits = text;
    if (digits.size() < 6)
        digits.prepend(QString(6 - digits.size(), QLatin1Char('0')));
    qint64 value = 0;
    for (int i = 0; i < 6; ++i)
        value = value * 10 + digitAt(digits, i);
    out.putDigits(at, value, 6, DigitOrder::UnitsFirst);
}

// DD.MM.YY as three packed-BCD bytes, or a day count as 0x00, hundreds, packed tens/units.
void putShelfLife(PacketWriter &out, int at, const QString &text)
{
    if (text.size() >= 3 && text.at(2) == QLatin1Char('.')) {
        for (int pair = 0; pair < 3; ++pair) {
            const int i = pair * 3;
            out.putByte(at + pair, digitAt(text, i) * 16 + digitAt(text, i + 1));
        }
        return;
    }
    const qint32 days = numberOrZero(text);
    out.putByte(at, 0);
    out.putByte(at + 1, days / 100);
    out.putByte(at + 2, ((days % 100) / 10) * 16 + days % 10);
}

QString paddedLogo(const QString &logo) { return logo.leftJustified(kLogoTextWidth, QLatin1Char(' ')); }

QString nameText(const PacketReader &reply, int from, int to, uchar above)
{
    QByteArray kept;
    for (int i = from; i <= to; ++i) {
        const uchar b = reply.byte(i);
        if (b > above)
            kept.append(static_cast<char>(b));
    }
    return decodeScaleText(kept);
}

} // namespace

QByteArray encodeGoodsName(const QString &name, GoodsNameField field, const QString &logo)
{
    QByteArray out = encodeScaleField(name, kGoodsNameWidth);
    const int kind = goodsLogoKind(logo);
    if (kind == 0)
        return out;
    const QString padded = paddedLogo(logo);
    // 1-based characters 10 and 12 go with the first field, 9 and 11 with the second.
    const int first = field == GoodsNameField::First ? 9 : 8;
    PacketWriter w(out);
    w.putByte(24, 0);
    w.putByte(25, kind);
    w.putBytes(26, encodeScaleText(padded.mid(first, 1)).left(1));
    w.putBytes(27, encodeScaleText(padded.mid(first + 2, 1)).left(1));
    return w.take();
}

QByteArray buildGoodsRecord(const GoodsFields &f, QString *logoWriteBack)
{
    PacketWriter out(kGoodsRecordLength);
    out.putByte(0, kGoodsWriteCommand);
    out.putLe(kNpluAt, numberOrZero(f.NPLU), 4);
    putSixDigits(out, kCodeAt, f.CODE);
    out.putBytes(kName1At, encodeGoodsName(f.TNAME1, GoodsNameField::First, f.LOGO));
    out.putBytes(kName2At, encodeGoodsName(f.TNAME2, GoodsNameField::Second, f.LOGO));
    out.putLe(kPriceAt, numberOrZero(f.PRICE), 4);
    putShelfLife(out, kShelfLifeAt, f.UBDATE);
    out.putLe(kTareAt, numberOrZero(f.TARA), 2);
    putSixDigits(out, kGroupCodeAt, f.GROUPCODE);
    out.putLe(kMessageAt, numberOrZero(f.MESSAGE), 2);
    if (logoWriteBack)
        *logoWriteBack = goodsLogoKind(f.LOGO) != 0 ? paddedLogo(f.LOGO) : f.LOGO;
    return out.take();
}

QByteArray buildGoodsReadRequest(int number)
{
    PacketWriter out(kGoodsReadRequestLength);
    out.putByte(0, kGoodsReadCommand);
    out.putLe(1, number, 4);
    return out.take();
}

GoodsReplyFields decodeGoodsReply(const QByteArray &bytes)
{
    if (bytes.size() < kGoodsReplyMinLength)
        throw InputError(
            Tr::tr("A goods reply needs at least %1 bytes, got %2").arg(kGoodsReplyMinLength).arg(bytes.size()));
    // The last byte may be missing: it counts as 0.
    const PacketReader reply(bytes.leftJustified(kGoodsReplyLength, '\0'));
    GoodsReplyFields r;
    r.CODE = QString::number(reply.digits(kCodeAt, 6));

    const uchar kind = reply.byte(kLogoKindAt);
    if (kind == 1 || kind == 2) {
        QByteArray chars;
        for (int i : {65, 37, 66, 38})
            chars.append(static_cast<char>(reply.byte(i)));
        r.LOGO = (kind == 1 ? QStringLiteral("ZurIvid ") : QStringLiteral("UsrLogo ")) + decodeScaleText(chars);
        // The logo bytes (0x00, kind and the two characters) end each field; the name is
        // what lies before them, control bytes dropped.
        r.TNAME1 = nameText(reply, kName1At, kName1At + 23, 10);
        r.TNAME2 = nameText(reply, kName2At, kName2At + 23, 10);
    } else {
        r.TNAME1 = nameText(reply, kName1At, kName1At + 27, 0);
        r.TNAME2 = nameText(reply, kName2At, kName2At + 27, 0);
    }

    r.PRICE = QString::number(reply.signed32(kPriceAt));
    const uchar d0 = reply.byte(kShelfLifeAt);
    const uchar d1 = reply.byte(kShelfLifeAt + 1);
    const uchar d2 = reply.byte(kShelfLifeAt + 2);
    if (d0 == 0) {
        r.UBDATE = QString::number(d1 * 100 + (d2 >> 4) * 10 + (d2 & 0x0F));
    } else {
        r.UBDATE =
            QStringLiteral("%1%2.%3%4.%5%6").arg(d0 >> 4).arg(d0 & 0x0F).arg(d1 >> 4).arg(d1 & 0x0F).arg(d2 >> 4).arg(d2 & 0x0F);
    }
    r.TARA = QString::number(reply.unsigned16(kTareAt));
    r.GROUPCODE = QString::number(reply.digits(kGroupCodeAt, 6));
    r.MESSAGE = QString::number(reply.unsigned16(kMessageAt));
    r.OSUM = QString::number(reply.signed32(kSumAt));
    r.OVES = QString::number(reply.signed32(kWeightAt));
    r.OCOUNTPROD = QString::number(reply.signed32(kCountAt));
    return r;
}

} // namespace tevo
