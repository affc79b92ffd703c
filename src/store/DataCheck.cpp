#include "store/DataCheck.h"

#include "common/Convert.h"
#include "common/ScalePage.h"
#include "store/Table.h"

#include <optional>

#include <QCoreApplication>

namespace {
// The texts of this unit, translated under the context "DataCheck".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(DataCheck)
};
} // namespace

namespace tevo {
namespace {

// Translated when a check runs: a static text would be made before any translator is installed.
QString reportStart() { return Tr::tr("Ошибки найдены в: "); }

// A whole-number column read as a number: empty reads as 0; nothing when it cannot be read.
std::optional<qint64> wholeNumber(const Table &goods, int row, const char *column)
{
    const QVariant v = goods.value(row, QLatin1String(column));
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString();
        if (s.isEmpty())
            return 0;
        const auto n = tryStrToInt(s);
        return n ? std::optional<qint64>(*n) : std::nullopt;
    }
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

// A range rule: the first fragment when the number is out of range, the second when it cannot
// be read.
void checkRange(QString &report, const std::optional<qint64> &n, qint64 low, qint64 high, const QString &outOfRange,
                const QString &unreadable)
{
    if (!n)
        report += unreadable;
    else if (*n < low || *n > high)
        report += outOfRange;
}

QString rowReport(const Table &goods, int row)
{
    QString report;
    checkRange(report, wholeNumber(goods, row, "NPLU"), 1, 4000, Tr::tr("№ ПЛУ "), Tr::tr("№ ПЛУ; "));
    // The names as the scale will print them: cut at 28 characters (24 with a logo), and the
    // characters its page lacks printed as '*'.
    const int nameWidth = goodsNameWidth(goods.text(row, QStringLiteral("LOGO")));
    struct Name {
        const char *column;
        QString title;
        QString tooLong;
    };
    const Name names[] = {
        {"TNAME1", Tr::tr("Название товара 1"), Tr::tr("Название товара 1; ")},
        {"TNAME2", Tr::tr("Название товара 2"), Tr::tr("Название товара 2; ")},
    };
    for (const auto &[column, title, tooLong] : names) {
        const ScaleFit fit = scaleFit(goods.text(row, QLatin1String(column)), nameWidth);
        if (fit.cut > 0)
            report += tooLong;
        if (!fit.unheld.isEmpty())
            report += Tr::tr("%1: знаки %2 весы напечатают как «%3»; ").arg(title, fit.unheld).arg(kScaleStandIn);
    }
    checkRange(report, wholeNumber(goods, row, "CODE"), 0, 999999, Tr::tr("Код товара "), Tr::tr("Код товара; "));
    checkRange(report, wholeNumber(goods, row, "PRICE"), 0, 999999, Tr::tr("Цена "), Tr::tr("Цена; "));

    // The shelf life is a text column: it must hold the decimal text of a whole number.
    const auto shelfLife = tryStrToInt(goods.text(row, QStringLiteral("UBDATE")));
    checkRange(report, shelfLife ? std::optional<qint64>(*shelfLife) : std::nullopt, 0, 999, Tr::tr("Срок годности "),
               Tr::tr("Срок годности; "));

    const auto tare = wholeNumber(goods, row, "TARA");
    if (!tare) {
        report += Tr::tr("Тара; ");
    } else {
        if (*tare < 0 || *tare > 5998)
            report += Tr::tr("Тара ");
        if (*tare % 2 != 0)
            report += Tr::tr("Тара; ");
    }
    // "год" is how the users have always read this fragment.
    checkRange(report, wholeNumber(goods, row, "GROUPCODE"), 0, 999999, Tr::tr("Групповой код "),
               Tr::tr("Групповой год; "));
    return report;
}

} // namespace

QString dataCheckSuccessText() { return Tr::tr("Проверка данных завершена успешно. Ошибок не обнаружено"); }

QString checkGoods(Table &goods)
{
    for (int row = 0; row < goods.count(); ++row) {
        if (goods.isNull(row, QStringLiteral("PRICE")))
            continue;
        const QString report = rowReport(goods, row);
        if (!report.isEmpty()) {
            goods.setCurrentRow(row);
            return reportStart() + report + Tr::tr("; строка №") + goods.text(row, QStringLiteral("NPLU"));
        }
    }
    // The rows stand at their numbers: row N holds goods N, each number once (a table doubled
    // by two programs replacing it at once, or with a number missing, sends goods under wrong
    // numbers).
    for (int row = 0; row < goods.count(); ++row) {
        const std::optional<qint64> n = wholeNumber(goods, row, "NPLU");
        if (n && *n == row + 1)
            continue;
        goods.setCurrentRow(row);
        const QString number = goods.text(row, QStringLiteral("NPLU"));
        if (row > 0 && n && n == wholeNumber(goods, row - 1, "NPLU"))
            return reportStart()
                   + Tr::tr("№ ПЛУ %1 повторяется (в таблице %2 строк); строка №%1").arg(number).arg(goods.count());
        return reportStart()
               + Tr::tr("№ ПЛУ %1 стоит в строке %2: номера идут не от 1 по порядку; строка №%1").arg(number).arg(row + 1);
    }
    goods.last();
    return dataCheckSuccessText();
}

} // namespace tevo
