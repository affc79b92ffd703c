#pragma once
// The data check of the goods table: finds the first row with a price whose values break the
// limits of the scale's goods record and names the faulty columns: a name longer than the scale
// keeps (28 characters, 24 with a logo) and a name with characters the scale prints as '*'
// ("Название товара 1: знаки «» весы напечатают как «*»; ") among them.
#include <QString>

namespace tevo {

class Table;

inline constexpr int kMaxGoodsNameLength = 28;

// Checks the rows of `goods` in order and returns the closing text: for the first faulty row
// "Ошибки найдены в: " + its fragments + "; строка №" + its NPLU (that row is left current);
// otherwise "Проверка данных завершена успешно. Ошибок не обнаружено" (the last row is left
// current). Rows without a price are not examined. Then the numbering: row N must hold goods
// N, each number once; the first row that does not is reported the same way ("№ ПЛУ 7
// повторяется …" for a doubled table).
QString checkGoods(Table &goods);
// The closing text of a check that found nothing, in the language of the program: what
// checkGoods returns when every row is sound (compare with it, not with a text of one's own).
QString dataCheckSuccessText();

} // namespace tevo
