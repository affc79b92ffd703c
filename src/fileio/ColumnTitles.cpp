// The titles of the columns of T, M and S.
#include "fileio/ColumnTitles.h"

namespace tevo {

const QVector<ColumnTitle> &goodsColumnTitles()
{
    static const QVector<ColumnTitle> titles = {
        {"NPLU", QStringLiteral("№ PLU"), 75, true},
        {"TNAME1", QStringLiteral("Название товара 1"), 171},
        {"TNAME2", QStringLiteral("Название товара 2"), 167},
        {"PRICE", QStringLiteral("Цена (коп.)"), 113},
        {"UBDATE", QStringLiteral("Срок годности"), 138},
        {"TARA", QStringLiteral("Тара"), 64},
        {"CODE", QStringLiteral("Код товара"), 114},
        {"GROUPCODE", QStringLiteral("Групповой код"), 151},
        {"MESSAGE", QStringLiteral("Сообщение"), 117},
        {"LOGO", QStringLiteral("Логотип (PL/US)"), 145},
        {"LASTERASE", QStringLiteral("Последнее стирание"), 201},
        {"OSUM", QStringLiteral("Общая сумма"), 142},
        {"OVES", QStringLiteral("Общий вес"), 103},
        {"OCOUNTPROD", QStringLiteral("Кол-во продаж"), 144},
        {"SG", QStringLiteral("Группа весов"), 264},
    };
    return titles;
}

const QVector<ColumnTitle> &messagesColumnTitles()
{
    static const QVector<ColumnTitle> titles = [] {
        QVector<ColumnTitle> t = {{"NPLU", QStringLiteral("№ Сообщения"), 144}};
        const int widths[8] = {171, 150, 167, 138, 142, 150, 151, 137};
        for (int i = 1; i <= 8; ++i)
            t.append({QStringLiteral("M%1").arg(i), QStringLiteral("Строка %1").arg(i), widths[i - 1]});
        return t;
    }();
    return titles;
}

const QVector<ColumnTitle> &scalesColumnTitles()
{
    static const QVector<ColumnTitle> titles = {
        {"U", QStringLiteral("Исп."), 43, false, true},  {"W", QStringLiteral("Вкл."), 43, false, true},
        {"NAME", QStringLiteral("Название весов"), 151}, {"IP", QStringLiteral("IP/COM"), 108},
        {"PORT", QStringLiteral("Port/Speed"), 115},     {"SG", QStringLiteral("Входит в группы"), 214},
    };
    return titles;
}

ColumnTitle columnTitle(const QString &table, const QString &column)
{
    const QVector<ColumnTitle> *titles = nullptr;
    if (table.compare(QLatin1String("T"), Qt::CaseInsensitive) == 0)
        titles = &goodsColumnTitles();
    else if (table.compare(QLatin1String("M"), Qt::CaseInsensitive) == 0)
        titles = &messagesColumnTitles();
    else if (table.compare(QLatin1String("S"), Qt::CaseInsensitive) == 0)
        titles = &scalesColumnTitles();
    if (titles)
        for (const ColumnTitle &t : *titles)
            if (t.name.compare(column, Qt::CaseInsensitive) == 0)
                return t;
    return {column, column};
}

} // namespace tevo
