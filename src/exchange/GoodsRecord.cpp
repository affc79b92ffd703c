#include "exchange/GoodsRecord.h"

#include "common/Convert.h"
#include "common/Error.h"
#include "exchange/ScaleCode.h"

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
constexpr int kLogoKindAt = kName1At + 25;   // byte 25 of the first name field

void putByte(QByteArray &out, int at, int value)
{
    out[at] = static_cast<char>(static_cast<uchar>(value & 0xFF));
}

void putLittleEndian(QByteArray &out, int at, qint64 value, int width)
{
    for (int i = 0; i < width; ++i)
        putByte(out, at + i, static_cast<int>((value >> (8 * i)) & 0xFF));
}

// An empty column is sent as zero.
qint32 numberOrZero(const QString &text)
{
    return text.isEmpty() ? 0 : strToInt(text);
}

// The digit value of one character; "" when the text is too short.
int digitAt(const QString &text, int index)
{
    return strToInt(index < text.size() ? QString(text.at(index)) : QString());
}

// Zeros in front up to six characters, sent units first. A code of more than six digits has
// no place on the scale: cutting it would send another code, so it is refused.
void putSixDigits(QByteArray &out, int at, const QString &text)
{
    if (text.size() > 6)
        throw ConversionError(QStringLiteral("'%1': код длиннее шести цифр не помещается в весы").arg(text));
    QString digits = text;
    if (digits.size() < 6)
        digits.prepend(QString(6 - digits.size(), QLatin1Char('0')));
    for (int i = 0; i < 6; ++i)
        putByte(out, at + 5 - i, digitAt(digits, i));
}

// DD.MM.YY as three packed-BCD bytes, or a day count as 0x00, hundreds, packed tens/units.
void putShelfLife(QByteArray &out, int at, const QString &text)
{
    if (text.size() >= 3 && text.at(2) == QLatin1Char('.')) {
        for (int pair = 0; pair < 3; ++pair) {
            const int i = pair * 3;
            putByte(out, at + pair, digitAt(text, i) * 16 + digitAt(text, i + 1));
        }
        return;
    }
    const qint32 days = numberOrZero(text);
    putByte(out, at, 0);
    putByte(out, at + 1, days / 100);
    putByte(out, at + 2, ((days % 100) / 10) * 16 + days % 10);
}

QString paddedLogo(const QString &logo)
{
    return logo.leftJustified(kLogoTextWidth, QLatin1Char(' '));
}

uchar at(const QByteArray &bytes, int i)
{
    return i < bytes.size() ? static_cast<uchar>(bytes.at(i)) : 0;
}

qint64 unsignedAt(const QByteArray &bytes, int i, int width)
{
    qint64 v = 0;
    for (int k = width - 1; k >= 0; --k)
        v = (v << 8) | at(bytes, i + k);
    return v;
}

qint32 signed32At(const QByteArray &bytes, int i)
{
    return static_cast<qint32>(static_cast<quint32>(unsignedAt(bytes, i, 4)));
}

QString sixDigitsText(const QByteArray &bytes, int i)
{
    qint64 value = 0;
    qint64 weight = 1;
    for (int k = 0; k < 6; ++k, weight *= 10)
        value += at(bytes, i + k) * weight;
    return QString::number(value);
}

QString nameText(const QByteArray &reply, int from, int to, uchar above)
{
    QByteArray kept;
    for (int i = from; i <= to; ++i) {
        const uchar b = at(reply, i);
        if (b > above)
            kept.append(static_cast<char>(b));
    }
    return decodeScaleText(kept);
}

} // namespace

int goodsLogoKind(const QString &logo)
{
    if (logo.isEmpty())
        return 0;
    if (logo.startsWith(QLatin1String("ZurIvid ")))
        return 1;
    const QChar first = logo.at(0);
    if (first == QChar(0x0420) || first == QChar(0x0440))   // Р, р
        return 1;
    if (first == QLatin1Char('U') || first == QLatin1Char('u'))
        return 2;
    return 0;
}

QByteArray EncodeGoodsName(const QString &name, GoodsNameField field, const QString &logo)
{
    QByteArray out = encodeScaleField(name, kGoodsNameWidth);
    const int kind = goodsLogoKind(logo);
    if (kind == 0)
        return out;
    const QString padded = paddedLogo(logo);
    // 1-based characters 10 and 12 go with the first field, 9 and 11 with the second.
    const int first = field == GoodsNameField::First ? 9 : 8;
    putByte(out, 24, 0);
    putByte(out, 25, kind);
    out[26] = encodeScaleText(padded.mid(first, 1)).at(0);
    out[27] = encodeScaleText(padded.mid(first + 2, 1)).at(0);
    return out;
}

QByteArray buildGoodsRecord(const GoodsFields &f, QString *logoWriteBack)
{
    QByteArray out(kGoodsRecordLength, '\0');
    putByte(out, 0, kGoodsWriteCommand);
    putLittleEndian(out, kNpluAt, numberOrZero(f.NPLU), 4);
    putSixDigits(out, kCodeAt, f.CODE);
    out.replace(kName1At, kGoodsNameWidth, EncodeGoodsName(f.TNAME1, GoodsNameField::First, f.LOGO));
    out.replace(kName2At, kGoodsNameWidth, EncodeGoodsName(f.TNAME2, GoodsNameField::Second, f.LOGO));
    putLittleEndian(out, kPriceAt, numberOrZero(f.PRICE), 4);
    putShelfLife(out, kShelfLifeAt, f.UBDATE);
    putLittleEndian(out, kTareAt, numberOrZero(f.TARA), 2);
    putSixDigits(out, kGroupCodeAt, f.GROUPCODE);
    putLittleEndian(out, kMessageAt, numberOrZero(f.MESSAGE), 2);
    if (logoWriteBack)
        *logoWriteBack = goodsLogoKind(f.LOGO) != 0 ? paddedLogo(f.LOGO) : f.LOGO;
    return out;
}

QByteArray buildGoodsReadRequest(int number)
{
    QByteArray out(kGoodsReadRequestLength, '\0');
    putByte(out, 0, kGoodsReadCommand);
    putLittleEndian(out, 1, number, 4);
    return out;
}

GoodsReplyFields decodeGoodsReply(const QByteArray &reply)
{
    if (reply.size() < kGoodsReplyMinLength)
        throw InputError(QStringLiteral("A goods reply needs at least %1 bytes, got %2")
                             .arg(kGoodsReplyMinLength)
                             .arg(reply.size()));
    GoodsReplyFields r;
    r.CODE = sixDigitsText(reply, kCodeAt);

    const uchar kind = at(reply, kLogoKindAt);
    if (kind == 1 || kind == 2) {
        QByteArray chars;
        for (int i : {65, 37, 66, 38})
            chars.append(static_cast<char>(at(reply, i)));
        r.LOGO = (kind == 1 ? QStringLiteral("ZurIvid ") : QStringLiteral("UsrLogo "))
                 + decodeScaleText(chars);
        // The logo bytes (0x00, kind and the two characters) end each field; the name is
        // what lies before them, control bytes dropped.
        r.TNAME1 = nameText(reply, kName1At, kName1At + 23, 10);
        r.TNAME2 = nameText(reply, kName2At, kName2At + 23, 10);
    } else {
        r.TNAME1 = nameText(reply, kName1At, kName1At + 27, 0);
        r.TNAME2 = nameText(reply, kName2At, kName2At + 27, 0);
    }

    r.PRICE = QString::number(signed32At(reply, kPriceAt));
    const uchar d0 = at(reply, kShelfLifeAt);
    const uchar d1 = at(reply, kShelfLifeAt + 1);
    const uchar d2 = at(reply, kShelfLifeAt + 2);
    if (d0 == 0) {
        r.UBDATE = QString::number(d1 * 100 + (d2 >> 4) * 10 + (d2 & 0x0F));
    } else {
        r.UBDATE = QStringLiteral("%1%2.%3%4.%5%6")
                       .arg(d0 >> 4).arg(d0 & 0x0F)
                       .arg(d1 >> 4).arg(d1 & 0x0F)
                       .arg(d2 >> 4).arg(d2 & 0x0F);
    }
    r.TARA = QString::number(unsignedAt(reply, kTareAt, 2));
    r.GROUPCODE = sixDigitsText(reply, kGroupCodeAt);
    r.MESSAGE = QString::number(unsignedAt(reply, kMessageAt, 2));
    r.OSUM = QString::number(signed32At(reply, kSumAt));
    r.OVES = QString::number(signed32At(reply, kWeightAt));
    r.OCOUNTPROD = QString::number(signed32At(reply, kCountAt));
    return r;
}

} // namespace tevo
