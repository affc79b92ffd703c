// The encoding guess of tabular text files and their decoding (see TextEncoding.h).
#include "fileio/TextEncoding.h"

#include "common/Codepage.h"
#include "common/TextDecoding.h"

#include <QHash>
#include <algorithm>

namespace tevo {
namespace {

// How often each letter stands in Russian and Ukrainian text, per thousand letters (rounded;
// the capital letters count as the small ones).
int letterWeight(char16_t c)
{
    static const QHash<char16_t, int> weights = [] {
        QHash<char16_t, int> w;
        const struct {
            char16_t letter;
            int weight;
        } table[] = {{u'о', 110}, {u'е', 85}, {u'а', 80}, {u'и', 73}, {u'н', 67}, {u'т', 63}, {u'с', 55}, {u'р', 47},
                     {u'в', 45},  {u'л', 44}, {u'к', 35}, {u'м', 32}, {u'д', 30}, {u'п', 28}, {u'у', 26}, {u'я', 20},
                     {u'ы', 19},  {u'ь', 17}, {u'г', 17}, {u'з', 16}, {u'б', 16}, {u'ч', 14}, {u'й', 12}, {u'х', 10},
                     {u'ж', 9},   {u'ш', 7},  {u'ю', 6},  {u'ц', 5},  {u'щ', 4},  {u'э', 3},  {u'ф', 3},  {u'ъ', 1},
                     {u'ё', 1},   {u'і', 50}, {u'ї', 6},  {u'є', 4},  {u'ґ', 1}};
        for (const auto &e : table)
            w.insert(e.letter, e.weight);
        return w;
    }();
    return weights.value(QChar(c).toLower().unicode(), 0);
}

qint64 russianScore(const QString &text)
{
    qint64 score = 0;
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            score += letterWeight(c.unicode());
    return score;
}

} // namespace

TextEncoding guessTextEncoding(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8Bom;
    if (bytes.startsWith("\xFF\xFE"))
        return TextEncoding::Utf16Le;
    if (bytes.startsWith("\xFE\xFF"))
        return TextEncoding::Utf16Be;
    // UTF-16 without its mark: in text of Latin and Cyrillic letters every other byte is zero
    // (or 0x04).
    qsizetype zeroEven = 0, zeroOdd = 0;
    const qsizetype probe = std::min<qsizetype>(bytes.size() & ~qsizetype(1), 4096);
    for (qsizetype i = 0; i < probe; i += 2) {
        zeroEven += bytes.at(i) == 0;
        zeroOdd += bytes.at(i + 1) == 0;
    }
    if (probe >= 4 && zeroOdd * 3 > probe / 2 && zeroEven == 0)
        return TextEncoding::Utf16Le;
    if (probe >= 4 && zeroEven * 3 > probe / 2 && zeroOdd == 0)
        return TextEncoding::Utf16Be;
    if (isValidUtf8(bytes.constData(), bytes.size()))
        return TextEncoding::Utf8;
    return russianScore(fromCp866(bytes)) > russianScore(fromCp1251(bytes)) ? TextEncoding::Cp866 : TextEncoding::Cp1251;
}

QString decodeText(const QByteArray &bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        if (bytes.startsWith("\xEF\xBB\xBF"))
            return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
        return QString::fromUtf8(bytes);
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
        const bool little = encoding == TextEncoding::Utf16Le;
        qsizetype from = 0;
        if (bytes.startsWith(little ? "\xFF\xFE" : "\xFE\xFF"))
            from = 2;
        QString text;
        text.reserve((bytes.size() - from) / 2);
        const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
        for (qsizetype i = from; i + 1 < bytes.size(); i += 2)
            text.append(QChar(little ? char16_t(p[i] | (p[i + 1] << 8)) : char16_t((p[i] << 8) | p[i + 1])));
        return text;
    }
    case TextEncoding::Cp1251:
        return fromCp1251(bytes);
    case TextEncoding::Cp866:
        return fromCp866(bytes);
    }
    return {};
}

QString textEncodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf8Bom:
        // not translated: tevo-cli's JSON reports it as it is
        return QStringLiteral("UTF-8 с BOM");
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        return QStringLiteral("UTF-16");
    case TextEncoding::Cp1251:
        return QStringLiteral("Windows-1251");
    case TextEncoding::Cp866:
        return QStringLiteral("DOS 866");
    }
    return {};
}

std::optional<TextEncoding> textEncodingNamed(const QString &name)
{
    QString n = name.trimmed().toLower();
    n.remove(QLatin1Char('-'));
    n.remove(QLatin1Char('_'));
    n.remove(QLatin1Char(' '));
    if (n == QLatin1String("utf8"))
        return TextEncoding::Utf8;
    if (n == QLatin1String("utf8bom"))
        return TextEncoding::Utf8Bom;
    if (n == QLatin1String("utf16") || n == QLatin1String("utf16le") || n == QLatin1String("unicode"))
        return TextEncoding::Utf16Le;
    if (n == QLatin1String("utf16be"))
        return TextEncoding::Utf16Be;
    if (n == QLatin1String("cp1251") || n == QLatin1String("windows1251") || n == QLatin1String("1251")
        || n == QLatin1String("win1251") || n == QLatin1String("ansi"))
        return TextEncoding::Cp1251;
    if (n == QLatin1String("cp866") || n == QLatin1String("866") || n == QLatin1String("dos866")
        || n == QLatin1String("dos") || n == QLatin1String("ibm866"))
        return TextEncoding::Cp866;
    return std::nullopt;
}

QStringList textEncodingNames()
{
    return {QStringLiteral("utf-8"), QStringLiteral("utf-16"), QStringLiteral("cp1251"), QStringLiteral("cp866")};
}

} // namespace tevo
