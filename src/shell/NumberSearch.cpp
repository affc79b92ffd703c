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
    const QString before = m_text;
    if (c.unicode() == kBackspace)
        m_text.chop(1);
    else if (c.unicode() == kEscape)
        m_text.clear();
    else
        m_text.append(c);

    if (m_text.isEmpty()) {
        goods.first();
        return;
    }
    const int row = findNumber(goods, m_text);
    if (row >= 0)
        goods.setCurrentRow(row);
    else
        m_text = before;
}

} // namespace tevo
