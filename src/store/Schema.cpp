#include "store/Schema.h"

namespace tevo {

const QVector<ColumnDef> &goodsColumns()
{
    static const QVector<ColumnDef> cols = {
        {"NPLU", ColumnType::Integer, QStringLiteral("№ PLU"), 75, true, true},
        {"TNAME1", ColumnType::Text, QStringLiteral("Название товара 1"), 171},
        {"TNAME2", ColumnType::Text, QStringLiteral("Название товара 2"), 167},
        {"PRICE", ColumnType::Integer, QStringLiteral("Цена (коп.)"), 113},
        {"UBDATE", ColumnType::Text, QStringLiteral("Срок годности"), 138},
        {"TARA", ColumnType::Integer, QStringLiteral("Тара"), 64},
        {"CODE", ColumnType::Integer, QStringLiteral("Код товара"), 114},
        {"GROUPCODE", ColumnType::Integer, QStringLiteral("Групповой код"), 151},
        {"MESSAGE", ColumnType::Integer, QStringLiteral("Сообщение"), 117},
        {"LOGO", ColumnType::Text, QStringLiteral("Логотип (PL/US)"), 145},
        {"LASTERASE", ColumnType::Text, QStringLiteral("Последнее стирание"), 201},
        {"OSUM", ColumnType::Integer, QStringLiteral("Общая сумма"), 142},
        {"OVES", ColumnType::Integer, QStringLiteral("Общий вес"), 103},
        {"OCOUNTPROD", ColumnType::Integer, QStringLiteral("Кол-во продаж"), 144},
        {"SG", ColumnType::Text, QStringLiteral("Группа весов"), 264},
    };
    return cols;
}

const QVector<ColumnDef> &messagesColumns()
{
    static const QVector<ColumnDef> cols = [] {
        QVector<ColumnDef> c = {{"NPLU", ColumnType::Integer, QStringLiteral("№ Сообщения"), 144, true}};
        const int widths[8] = {171, 150, 167, 138, 142, 150, 151, 137};
        for (int i = 1; i <= 8; ++i)
            c.append({QStringLiteral("M%1").arg(i), ColumnType::Text, QStringLiteral("Строка %1").arg(i), widths[i - 1]});
        return c;
    }();
    return cols;
}

const QVector<ColumnDef> &scalesColumns()
{
    static const QVector<ColumnDef> cols = {
        {"U", ColumnType::Text, QStringLiteral("Исп."), 43, false, false, true},
        {"W", ColumnType::Text, QStringLiteral("Вкл."), 43, true, false, true},
        {"NAME", ColumnType::Text, QStringLiteral("Название весов"), 151},
        {"IP", ColumnType::Text, QStringLiteral("IP/COM"), 108},
        {"PORT", ColumnType::Integer, QStringLiteral("Port/Speed"), 115},
        {"SG", ColumnType::Text, QStringLiteral("Входит в группы"), 214},
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
