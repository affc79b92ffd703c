#include "common/ScalePage.h"

#include "common/Codepage.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
// The texts of this unit, translated under the context "ScalePage".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ScalePage)
};
} // namespace

namespace tevo {
bool scalePageHolds(QChar c)
{
    if (c.isSurrogate() || !representableInCp1251(c))
        return false;
    const auto b = static_cast<uchar>(toCp1251(QString(c)).at(0));
    if (b < 0x80 || b >= 0xC0)
        return true;
    switch (b) {
    case 0xA8: // Ё
    case 0xB8: // ё
    case 0xAA: // Є
    case 0xBA: // є
    case 0xB2: // І
    case 0xB3: // і
    case 0xAF: // Ї
    case 0xBF: // ї
        return true;
    default:
        return false; // Ґ, ґ, №, quotes, dashes, other signs
    }
}

int goodsLogoKind(const QString &logo)
{
    if (logo.isEmpty())
        return 0;
    if (logo.startsWith(QLatin1String("ZurIvid ")))
        return 1;
    const QChar first = logo.at(0);
    if (first == QChar(0x0420) || first == QChar(0x0440)) // Р, р
        return 1;
    if (first == QLatin1Char('U') || first == QLatin1Char('u'))
        return 2;
    return 0;
}

int goodsNameWidth(const QString &logo) { return goodsLogoKind(logo) == 0 ? 28 : 24; }

ScaleFit scaleFit(const QString &text, int width)
{
    ScaleFit fit;
    int characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString whole = pair ? text.mid(i, 2) : QString(c);
        if (pair)
            ++i;
        if (characters++ >= width) {
            ++fit.cut;
            continue;
        }
        if (!pair && scalePageHolds(c)) {
            fit.kept += c;
            continue;
        }
        fit.kept += kScaleStandIn;
        if (!fit.unheld.contains(whole))
            fit.unheld += whole;
    }
    return fit;
}

QString scaleFitText(const ScaleFit &fit, int width)
{
    if (fit.exact())
        return {};
    QStringList lost;
    if (fit.cut > 0)
        lost << Tr::tr("весы хранят %1 знаков, последние %2 не войдут").arg(width).arg(fit.cut);
    if (!fit.unheld.isEmpty())
        lost << Tr::tr("знаки %1 весы напечатают как «%2»").arg(fit.unheld).arg(kScaleStandIn);
    return Tr::tr("Весы получат: «%1» (%2)").arg(fit.kept, lost.join(QStringLiteral("; ")));
}

} // namespace tevo
