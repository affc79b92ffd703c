#include "shell/NumberSearch.h"

#include "store/Table.h"

namespace tevo {
namespace {

// The row whose NPLU is the number written in `text`, or -1.
int findNumber(const Table &goods, const QString &text)
{
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    bool ok = false;
    const qlonglong wanted = text.toLongLong(&ok);
    if (!ok)
        return -1;
    for (int row = 0; row < goods.count(); ++row) {
        const QVariant v = goods.value(row, QStringLiteral("NPLU"));
        if (!v.isNull() && v.toLongLong() == wanted)
            return row;
    }
    return -1;
}

} // namespace

void NumberSearch::type(QChar c, Table &goods)
{
    const QString before = NumberSearchText;
    if (c.unicode() == kBackspace)
        NumberSearchText.chop(1);
    else if (c.unicode() == kEscape)
        NumberSearchText.clear();
    else
        NumberSearchText.append(c);

    if (NumberSearchText.isEmpty()) {
        goods.first();
        return;
    }
    const int row = findNumber(goods, NumberSearchText);
    if (row >= 0)
        goods.setCurrentRow(row);
    else
        NumberSearchText = before;
}

} // namespace tevo
