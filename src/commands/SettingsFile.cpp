#include "commands/SettingsFile.h"

#include "common/Convert.h"
#include "common/Error.h"
#include "common/ProfileFile.h"

#include <QCoreApplication>
#include <QFile>

namespace {
// The texts of this unit, translated under the context "SettingsFile".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};
} // namespace

namespace tevo {
namespace {
const QString kSettings = QStringLiteral("Settings");
const QString kHeader = QStringLiteral("Header");
const QString kLogo = QStringLiteral("Logo");

struct NumberKey {
    const char *key;
    int ScaleSettings::*field;
    int min;
    int max;
};

const NumberKey kNumberKeys[] = {
    {"Department", &ScaleSettings::department, 0, 999},
    {"LabelFormat", &ScaleSettings::labelFormatPosition, 1, kLabelFormatCount},
    {"Barcode", &ScaleSettings::barcodePosition, 0, kBarcodeFormatCount - 1},
    {"PrintShift", &ScaleSettings::printShift, 0, 255},
    {"AutoPrintWeight", &ScaleSettings::autoPrintWeight, 0, 65535},
};

QString rowKey(int y) { return QStringLiteral("Row%1").arg(y); }

[[noreturn]] void refuse(const QString &name, const QString &what)
{
    throw InputError(Tr::tr("Файл настроек %1: %2").arg(name, what));
}

bool sameKey(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
} // namespace

const QStringList &printOptionKeys()
{
    static const QStringList keys = {QStringLiteral("PriceChange"),      QStringLiteral("PriceChangeKept"),
                                     QStringLiteral("PrintPluNumber"),   QStringLiteral("PrintGroupCode"),
                                     QStringLiteral("PrintPackingDate"), QStringLiteral("PrintShelfLife"),
                                     QStringLiteral("PrintLabelNumber"), QStringLiteral("PrintPackingTime")};
    return keys;
}

QStringList logoRows(const LogoPixels &logo)
{
    QStringList rows;
    for (int y = 1; y <= kLogoSide; ++y) {
        QString row;
        for (int x = 1; x <= kLogoSide; ++x)
            row += logo.at(x, y) ? QLatin1Char('#') : QLatin1Char('.');
        rows << row;
    }
    return rows;
}

QByteArray settingsFileBytes(const ScaleSettings &settings, const ShopHeader &header, const LogoPixels &logo)
{
    ProfileFile file;
    for (const NumberKey &k : kNumberKeys)
        file.writeString(kSettings, QLatin1String(k.key), QString::number(settings.*k.field));
    for (int bit = 0; bit < 8; ++bit)
        file.writeString(kSettings, printOptionKeys().at(bit),
                         (settings.printOptions >> bit) & 1 ? QStringLiteral("1") : QStringLiteral("0"));
    int n = 0;
    for (const QString &line : {header.line1, header.line2}) {
        ++n;
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
            throw InputError(Tr::tr("Строка %1 заголовка магазина содержит перевод строки: в файл настроек она "
                                    "не записывается.")
                                 .arg(n));
        // Quoted, so that blanks at its ends stay on the way back.
        file.writeString(kHeader, QStringLiteral("Line%1").arg(n), QLatin1Char('"') + line + QLatin1Char('"'));
    }
    const QStringList rows = logoRows(logo);
    for (int y = 1; y <= kLogoSide; ++y)
        file.writeString(kLogo, rowKey(y), rows.at(y - 1));
    return file.toBytes();
}

void writeSettingsFile(const QString &path, const ScaleSettings &settings, const ShopHeader &header,
                       const LogoPixels &logo)
{
    ProfileFile file(path);
    file.parse(settingsFileBytes(settings, header, logo));
    file.saveAtomicallyOrThrow();
}

SettingsFileContent parseSettingsFile(const QByteArray &bytes, const QString &name)
{
    ProfileFile file;
    file.parse(bytes);
    SettingsFileContent content;
    for (const QString &section : file.sections()) {
        if (!sameKey(section, kSettings) && !sameKey(section, kHeader) && !sameKey(section, kLogo))
            refuse(name, Tr::tr("неизвестный раздел [%1] (есть [Settings], [Header] и [Logo])").arg(section));
    }
    if (!file.sectionExists(kSettings))
        refuse(name, Tr::tr("нет раздела [Settings]"));

    ScaleSettings &s = content.settings;
    s.labelFormatPosition = 0;
    QStringList known;
    for (const NumberKey &k : kNumberKeys) {
        const QString key = QLatin1String(k.key);
        known << key;
        const QString text = file.readString(kSettings, key, QStringLiteral("\x01"));
        if (text == QLatin1String("\x01")) {
            if (k.field == &ScaleSettings::labelFormatPosition)
                refuse(name, Tr::tr("нет ключа LabelFormat (номер строки списка «Формат Этикетки», 1 … %1)")
                                 .arg(kLabelFormatCount));
            continue;
        }
        const qint32 value = strToInt(text);
        if (value < k.min || value > k.max)
            refuse(name, Tr::tr("%1=%2 вне диапазона %3 … %4").arg(key).arg(value).arg(k.min).arg(k.max));
        s.*k.field = value;
    }
    s.printOptions = 0;
    for (int bit = 0; bit < 8; ++bit) {
        const QString key = printOptionKeys().at(bit);
        known << key;
        const QString text = file.readString(kSettings, key, QStringLiteral("0"));
        if (text != QLatin1String("0") && text != QLatin1String("1"))
            refuse(name, Tr::tr("%1=%2: должно быть 0 или 1").arg(key, text));
        if (text == QLatin1String("1"))
            s.printOptions |= quint8(1u << bit);
    }
    for (const QString &key : file.keys(kSettings))
        if (!known.contains(key, Qt::CaseInsensitive))
            refuse(name, Tr::tr("неизвестный ключ %1 в разделе [Settings]").arg(key));

    for (const QString &key : file.keys(kHeader))
        if (!sameKey(key, QStringLiteral("Line1")) && !sameKey(key, QStringLiteral("Line2")))
            refuse(name, Tr::tr("неизвестный ключ %1 в разделе [Header] (есть Line1 и Line2)").arg(key));
    content.header.line1 = file.readString(kHeader, QStringLiteral("Line1"));
    content.header.line2 = file.readString(kHeader, QStringLiteral("Line2"));
    for (const QString *line : {&content.header.line1, &content.header.line2})
        if (line->size() > kHeaderLineWidth)
            refuse(name, Tr::tr("строка заголовка «%1» длиннее %2 знаков").arg(*line).arg(kHeaderLineWidth));

    content.hasLogo = file.sectionExists(kLogo);
    for (const QString &key : file.keys(kLogo)) {
        bool known = false;
        for (int y = 1; y <= kLogoSide && !known; ++y)
            known = sameKey(key, rowKey(y));
        if (!known)
            refuse(name, Tr::tr("неизвестный ключ %1 в разделе [Logo] (есть Row1 … Row64)").arg(key));
    }
    for (int y = 1; y <= kLogoSide; ++y) {
        const QString row = file.readString(kLogo, rowKey(y));
        if (row.size() > kLogoSide)
            refuse(name, Tr::tr("строка логотипа %1 длиннее %2 точек").arg(rowKey(y)).arg(kLogoSide));
        for (int x = 1; x <= row.size(); ++x) {
            const QChar c = row.at(x - 1);
            if (c != QLatin1Char('#') && c != QLatin1Char('.'))
                refuse(name, Tr::tr("строка логотипа %1: знак «%2» (точки пишутся «#», пустые места «.»)")
                                 .arg(rowKey(y), QString(c)));
            content.logo.set(x, y, c == QLatin1Char('#'));
        }
    }
    return content;
}

SettingsFileContent readSettingsFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw FileError(Tr::tr("Cannot open file %1").arg(path));
    return parseSettingsFile(f.readAll(), path);
}

} // namespace tevo
