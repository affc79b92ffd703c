#include "exchange/ScaleCode.h"

#include "common/Codepage.h"

namespace tevo {

uchar toScaleCode(uchar c)
{
    if (c < 0x80)
        return c; // ASCII, 0x00 included
    if (c >= 0xC0 && c <= 0xEF)
        return static_cast<uchar>(c - 0x40); // А … Я, а … п → 0x80 … 0xAF
    if (c >= 0xF0)
        return static_cast<uchar>(c - 0x10); // р … я → 0xE0 … 0xEF
    switch (c) {
    case 0xA8:
        return 0xF0; // Ё
    case 0xB8:
        return 0xF1; // ё
    case 0xAA:
        return 0xF4; // Є
    case 0xBA:
        return 0xF5; // є
    case 0xB2:
        return 0xF6; // І
    case 0xB3:
        return 0xF7; // і
    case 0xAF:
        return 0xF8; // Ї
    case 0xBF:
        return 0xF9; // ї
    default:
        return kScaleUnmappable; // Ґ, ґ, №, quotes, dashes, other signs
    }
}

uchar fromScaleCode(uchar c)
{
    if (c < 0x80)
        return c;
    if (c <= 0xAF)
        return static_cast<uchar>(c + 0x40);
    if (c >= 0xE0 && c <= 0xEF)
        return static_cast<uchar>(c + 0x10);
    switch (c) {
    case 0xF0:
        return 0xA8;
    case 0xF1:
        return 0xB8;
    case 0xF4:
        return 0xAA;
    case 0xF5:
        return 0xBA;
    case 0xF6:
        return 0xB2;
    case 0xF7:
        return 0xB3;
    case 0xF8:
        return 0xAF;
    case 0xF9:
        return 0xBF;
    default:
        return kScaleUnmappable; // line drawing 0xB0 … 0xDF, Ґ/ґ 0xF2/0xF3, 0xFA … 0xFF
    }
}

QByteArray encodeScaleText(const QString &text)
{
    const QByteArray cp = toCp1251(text); // one byte per UTF-16 unit
    QByteArray out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            ++i; // one character of the supplementary planes, one byte on the scale
            out.append(static_cast<char>(kScaleUnmappable));
        } else if (!representableInCp1251(c)) {
            out.append(static_cast<char>(kScaleUnmappable));
        } else {
            out.append(static_cast<char>(toScaleCode(static_cast<uchar>(cp.at(i)))));
        }
    }
    return out;
}

QString decodeScaleText(const QByteArray &bytes)
{
    QByteArray cp(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        cp[i] = static_cast<char>(fromScaleCode(static_cast<uchar>(bytes.at(i))));
    return fromCp1251(cp);
}

QByteArray encodeScaleField(const QString &text, int width)
{
    if (width <= 0)
        return {};
    QByteArray out = encodeScaleText(text).left(width);
    out.append(QByteArray(width - out.size(), '\0'));
    return out;
}

int labelFormatCode(int position)
{
    if (position >= 1 && position <= 28)
        return position;
    if (position >= 29 && position <= 44)
        return position + 12;
    if (position == 45)
        return 58;
    if (position == 46)
        return 60;
    return -1;
}

int labelFormatPosition(int code)
{
    if (code >= 1 && code <= 28)
        return code;
    if (code >= 41 && code <= 56)
        return code - 12;
    if (code == 58)
        return 45;
    if (code == 60)
        return 46;
    return -1;
}

} // namespace tevo
