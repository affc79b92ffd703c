#pragma once
// What a scale keeps of a text: the characters its one-byte page holds (the letters of the
// Ukrainian DOS page 1125, reached through Windows-1251: ASCII, А … я, Ё ё Є є І і Ї ї; every
// other character prints as '*'), and how many characters a field keeps. The exchange's codec
// (exchange/ScaleCode, exchange/GoodsRecord) sends texts by the same rules; the grids and the
// data check show the user beforehand what the scale will get.
#include <QString>

namespace tevo {

inline constexpr QChar kScaleStandIn = QLatin1Char('*'); // what a character the page lacks becomes

// True when the scale prints the character as it is.
bool scalePageHolds(QChar c);

// The logo a goods row's LOGO text chooses: 1 for a first letter Р/р (Cyrillic) or the
// "ZurIvid " prefix that a read stores, 2 for a first letter U/u ("UsrLogo " included), 0 none.
int goodsLogoKind(const QString &logo);
// The characters a goods name field keeps: 28, or 24 when the row has a logo (the last four
// bytes of each name field then carry it).
int goodsNameWidth(const QString &logo);

// What a scale gets of a text sent to a field of `width` characters.
struct ScaleFit {
    QString kept;   // the text as the scale will print it: cut at the width, '*' for each character the page lacks
    int cut = 0;    // characters past the width, lost
    QString unheld; // the characters (each once, in order) of the kept part that become '*'
    bool exact() const { return cut == 0 && unheld.isEmpty(); }
};
ScaleFit scaleFit(const QString &text, int width);

// "Весы получат: «…»" and what was lost, for a tooltip; empty when the text goes as it is.
QString scaleFitText(const ScaleFit &fit, int width);

} // namespace tevo
