#include "store/Schema.h"

namespace tevo {

const QVector<ColumnDef> &goodsColumns()
{
    static const QVector<ColumnDef> cols = {
        {"NPLU", ColumnType::Integer},  {"TNAME1", ColumnType::Text},        {"TNAME2", ColumnType::Text},
        {"PRICE", ColumnType::Integer}, {"UBDATE", ColumnType::Text},        {"TARA", ColumnType::Integer},
        {"CODE", ColumnType::Integer},  {"GROUPCODE", ColumnType::Integer},  {"MESSAGE", ColumnType::Integer},
        {"LOGO", ColumnType::Text},     {"LASTERASE", ColumnType::Text},     {"OSUM", ColumnType::Integer},
        {"OVES", ColumnType::Integer},  {"OCOUNTPROD", ColumnType::Integer}, {"SG", ColumnType::Text},
    };
    return cols;
}

const QVector<ColumnDef> &messagesColumns()
{
    static const QVector<ColumnDef> cols = [] {
        QVector<ColumnDef> c = {{"NPLU", ColumnType::Integer}};
        for (int i = 1; i <= 8; ++i)
            c.append({QStringLiteral("M%1").arg(i), ColumnType::Text});
        return c;
    }();
    return cols;
}

const QVector<ColumnDef> &scalesColumns()
{
    static const QVector<ColumnDef> cols = {
        {"U", ColumnType::Text},  {"W", ColumnType::Text},       {"NAME", ColumnType::Text},
        {"IP", ColumnType::Text}, {"PORT", ColumnType::Integer}, {"SG", ColumnType::Text},
    };
    return cols;
}

bool truthValue(const QString &text)
{
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    return c == QLatin1Char('T') || c == QLatin1Char('t') || c == QLatin1Char('Y') || c == QLatin1Char('y');
}

} // namespace tevo
