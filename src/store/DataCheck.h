#pragma once
// The data check of the goods table: finds the first row with a price whose values break the
// limits of the scale's goods record and names the faulty columns.
#include <QString>

namespace tevo {

class Table;

inline constexpr int kMaxGoodsNameLength = 28;

// Checks the rows of `goods` in order and returns the closing text: for the first faulty row
// "Ошибки найдены в: " + its fragments + "; строка №" + its NPLU (that row is left current);
// otherwise "Проверка данных завершена успешно. Ошибок не обнаружено" (the last row is left
// current). Rows without a price are not examined.
QString checkGoods(Table &goods);

} // namespace tevo
