#pragma once
// Prices and other numbers as people and spreadsheet programs write them, read exactly: the
// text is taken apart digit by digit and never goes through floating point.
//  - a decimal comma or point ("12,50", "12.50"); both in one number ("1.234,50", "1,234.50"):
//    the last is the decimal one, the other groups thousands;
//  - thousands grouped by blanks (also no-break and thin ones), apostrophes, or a separator that
//    stands more than once ("1 234,50", "1'234.50", "1.234.567"); groups after the first hold
//    three digits;
//  - a currency word or sign before or after ("12,5 грн", "₴ 12.50", "15 руб.");
//  - a sign ("-5"), blanks around;
//  - a workbook's number cell as the workbook stores it ("145.5", "1.5E-2", "0.30000000000000004"):
//    rounded to the 15 significant digits a spreadsheet shows, as text.
// A price in currency units becomes kopecks (12,50 → 1250, 42 → 4200); one with more than two
// decimals that are not zeros is refused rather than rounded. A price in kopecks, and every
// other number, must be whole.
#include <QString>
#include <optional>

namespace tevo {

enum class MoneyUnit { Currency, Kopecks };

// A read number, or why it could not be read (a Russian text that quotes the value: «12,345»:
// меньше копейки …).
struct NumberReading {
    std::optional<qint64> value;
    QString error;
};

// A price in kopecks. `numberCell`: the text is a workbook's stored number.
NumberReading readMoney(const QString &text, MoneyUnit unit, bool numberCell = false);

// A whole number (a code, a tare, a shelf life, a row number).
NumberReading readWholeNumber(const QString &text, bool numberCell = false);

} // namespace tevo
