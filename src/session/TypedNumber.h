#pragma once
// A number typed into a number column of the goods or messages grid, read as people write
// numbers (fileio/MoneyText), for the grids: the price in currency units when it has a decimal
// comma or point ("12,50", "12.50", "12,5 грн" → 1250 kopecks), otherwise in kopecks as the
// column is titled ("1250"); every other number column as a whole number ("1 200").
#include "fileio/MoneyText.h"

#include <QString>

namespace tevo {

// `column`: the table's column name (PRICE is money). The error quotes the text, in Russian.
NumberReading readTypedNumber(const QString &column, const QString &text);

} // namespace tevo
