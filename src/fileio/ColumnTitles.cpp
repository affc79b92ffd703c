// The titles of the columns of T, M and S.
#include "fileio/ColumnTitles.h"

#include <QCoreApplication>
#include <optional>

namespace tevo {

namespace {

// A title as the tables below hold it: the Russian text, translated where it is shown.
struct TitleRow {
    const char *name;
    const char *title;
    int width;
    bool bold = false;
    bool checkBox = false;
};

ColumnTitle made(const TitleRow &r)
{
    return {
        QLatin1String(r.name),     QCoreApplication::translate("ColumnTitles", r.title), r.width, r.bold, r.checkBox,
        QString::fromUtf8(r.title)};
}

template <std::size_t N> QVector<ColumnTitle> madeAll(const TitleRow (&rows)[N])
{
    QVector<ColumnTitle> titles;
    titles.reserve(qsizetype(N));
    for (const TitleRow &r : rows)
        titles.append(made(r));
    return titles;
}

const TitleRow kGoods[] = {
    {"NPLU", QT_TRANSLATE_NOOP("ColumnTitles", "№ PLU"), 75, true},
    {"TNAME1", QT_TRANSLATE_NOOP("ColumnTitles", "Название товара 1"), 171},
    {"TNAME2", QT_TRANSLATE_NOOP("ColumnTitles", "Название товара 2"), 167},
    {"PRICE", QT_TRANSLATE_NOOP("ColumnTitles", "Цена (коп.)"), 113},
    {"UBDATE", QT_TRANSLATE_NOOP("ColumnTitles", "Срок годности"), 138},
    {"TARA", QT_TRANSLATE_NOOP("ColumnTitles", "Тара"), 64},
    {"CODE", QT_TRANSLATE_NOOP("ColumnTitles", "Код товара"), 114},
    {"GROUPCODE", QT_TRANSLATE_NOOP("ColumnTitles", "Групповой код"), 151},
    {"MESSAGE", QT_TRANSLATE_NOOP("ColumnTitles", "Сообщение"), 117},
    {"LOGO", QT_TRANSLATE_NOOP("ColumnTitles", "Логотип (PL/US)"), 145},
    {"LASTERASE", QT_TRANSLATE_NOOP("ColumnTitles", "Последнее стирание"), 201},
    {"OSUM", QT_TRANSLATE_NOOP("ColumnTitles", "Общая сумма"), 142},
    {"OVES", QT_TRANSLATE_NOOP("ColumnTitles", "Общий вес"), 103},
    {"OCOUNTPROD", QT_TRANSLATE_NOOP("ColumnTitles", "Кол-во продаж"), 144},
    {"SG", QT_TRANSLATE_NOOP("ColumnTitles", "Группа весов"), 264},
};

const TitleRow kScales[] = {
    {"U", QT_TRANSLATE_NOOP("ColumnTitles", "Исп."), 43, false, true},
    {"W", QT_TRANSLATE_NOOP("ColumnTitles", "Вкл."), 43, false, true},
    {"NAME", QT_TRANSLATE_NOOP("ColumnTitles", "Название весов"), 151},
    {"IP", QT_TRANSLATE_NOOP("ColumnTitles", "IP/COM"), 108},
    {"PORT", QT_TRANSLATE_NOOP("ColumnTitles", "Port/Speed"), 115},
    {"SG", QT_TRANSLATE_NOOP("ColumnTitles", "Входит в группы"), 214},
};

} // namespace

QVector<ColumnTitle> goodsColumnTitles() { return madeAll(kGoods); }

QVector<ColumnTitle> messagesColumnTitles()
{
    QVector<ColumnTitle> titles = {made({"NPLU", QT_TRANSLATE_NOOP("ColumnTitles", "№ Сообщения"), 144})};
    const int widths[8] = {171, 150, 167, 138, 142, 150, 151, 137};
    const char *const line = QT_TRANSLATE_NOOP("ColumnTitles", "Строка %1");
    for (int i = 1; i <= 8; ++i)
        titles.append({QStringLiteral("M%1").arg(i), QCoreApplication::translate("ColumnTitles", line).arg(i),
                       widths[i - 1], false, false, QString::fromUtf8(line).arg(i)});
    return titles;
}

QVector<ColumnTitle> scalesColumnTitles() { return madeAll(kScales); }

ColumnTitle columnTitle(const QString &table, const QString &column)
{
    // Only the column asked for is made: the grids ask for every cell they paint.
    const auto find = [&column](const auto &rows) -> std::optional<ColumnTitle> {
        for (const TitleRow &r : rows)
            if (column.compare(QLatin1String(r.name), Qt::CaseInsensitive) == 0)
                return made(r);
        return std::nullopt;
    };
    std::optional<ColumnTitle> found;
    if (table.compare(QLatin1String("T"), Qt::CaseInsensitive) == 0) {
        found = find(kGoods);
    } else if (table.compare(QLatin1String("S"), Qt::CaseInsensitive) == 0) {
        found = find(kScales);
    } else if (table.compare(QLatin1String("M"), Qt::CaseInsensitive) == 0) {
        for (const ColumnTitle &t : messagesColumnTitles())
            if (t.name.compare(column, Qt::CaseInsensitive) == 0)
                found = t;
    }
    return found ? *found : ColumnTitle{column, column, 64, false, false, column};
}

} // namespace tevo
