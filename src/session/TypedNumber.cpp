// A number typed into a grid, read as written (TypedNumber.h).
#include "session/TypedNumber.h"

namespace tevo {

NumberReading readTypedNumber(const QString &column, const QString &text)
{
    if (column == QLatin1String("PRICE")) {
        const bool decimal = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('.'));
        return readMoney(text, decimal ? MoneyUnit::Currency : MoneyUnit::Kopecks);
    }
    return readWholeNumber(text);
}

} // namespace tevo
