#include "common/Codepage.h"

#include <QHash>
#include <array>
#include <iconv.h>

namespace tevo {
namespace {

struct SingleByteTable {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, uchar> fromUnicode;

    explicit SingleByteTable(const char *name)
    {
        iconv_t cd = iconv_open("UTF-16LE", name);
        for (int b = 0; b < 256; ++b) {
            char in = static_cast<char>(b);
            char out[8] = {};
            char *pin = &in;
            char *pout = out;
            size_t inLeft = 1, outLeft = sizeof out;
            char16_t u = 0xFFFD;
            if (cd != reinterpret_cast<iconv_t>(-1)
                && iconv(cd, &pin, &inLeft, &pout, &outLeft) != static_cast<size_t>(-1) && outLeft == sizeof out - 2) {
                u = static_cast<char16_t>(static_cast<uchar>(out[0]) | (static_cast<uchar>(out[1]) << 8));
            }
            toUnicode[b] = u;
            if (u != 0xFFFD && !fromUnicode.contains(u))
                fromUnicode.insert(u, static_cast<uchar>(b));
        }
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }

    QByteArray encode(const QString &text) const
    {
        QByteArray out;
        out.reserve(text.size());
        for (QChar c : text) {
            auto it = fromUnicode.constFind(c.unicode());
            out.append(it == fromUnicode.constEnd() ? '?' : static_cast<char>(*it));
        }
        return out;
    }

    QString decode(const QByteArray &bytes) const
    {
        QString out;
        out.reserve(bytes.size());
        for (char b : bytes)
            out.append(QChar(toUnicode[static_cast<uchar>(b)]));
        return out;
    }
};

const SingleByteTable &cp1251()
{
    static const SingleByteTable table("CP1251");
    return table;
}

const SingleByteTable &cp866()
{
    static const SingleByteTable table("CP866");
    return table;
}

} // namespace

QByteArray toCp1251(const QString &text) { return cp1251().encode(text); }
QString fromCp1251(const QByteArray &bytes) { return cp1251().decode(bytes); }
QByteArray toCp866(const QString &text) { return cp866().encode(text); }
QString fromCp866(const QByteArray &bytes) { return cp866().decode(bytes); }

bool representableInCp1251(QChar c) { return cp1251().fromUnicode.contains(c.unicode()); }

} // namespace tevo
