// The history of the goods and messages as the shop asks for it (History.h).
#include "session/History.h"

#include "common/Error.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace tevo {

namespace {

const QString kPrice = QStringLiteral("PRICE");

// Number → row of a table ordered by number.
QHash<qint64, int> rowsByNumber(const Table &table)
{
    QHash<qint64, int> rows;
    for (int r = 0; r < table.count(); ++r)
        if (!table.isNull(r, QStringLiteral("NPLU")))
            rows.insert(table.value(r, QStringLiteral("NPLU")).toLongLong(), r);
    return rows;
}

QString goodsName(const Table &goods, int row)
{
    if (row < 0)
        return {};
    const QString a = goods.text(row, QStringLiteral("TNAME1")).trimmed();
    const QString b = goods.text(row, QStringLiteral("TNAME2")).trimmed();
    return b.isEmpty() ? a : a.isEmpty() ? b : a + QLatin1Char(' ') + b;
}

QVariant asNumber(const QVariant &text)
{
    bool ok = false;
    const qint64 n = text.isNull() ? 0 : text.toString().toLongLong(&ok);
    return ok ? QVariant(n) : text;
}

void checkKnown(Store &store, qint64 at)
{
    const qint64 since = store.journal().knownSince();
    if (since != 0 && at < since)
        throw InputError(
            QCoreApplication::translate("tevo::History", "Журнал изменений знает цены с %1: о %2 он не знает.")
                .arg(historyTimeText(since), historyTimeText(at)));
}

} // namespace

qint64 historyTime(const QString &text, bool endOfDay)
{
    static const QRegularExpression form(QStringLiteral(
        R"(^\s*(?:(\d{4})-(\d{1,2})-(\d{1,2})|(\d{1,2})\.(\d{1,2})\.(\d{4}))(?:[ T](\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    const QRegularExpressionMatch m = form.match(text);
    const auto bad = [&] {
        return InputError(
            QCoreApplication::translate("tevo::History",
                                        "«%1» — не дата: ожидается ГГГГ-ММ-ДД или ДД.ММ.ГГГГ, можно со временем ЧЧ:ММ")
                .arg(text));
    };
    if (!m.hasMatch())
        throw bad();
    const bool iso = !m.captured(1).isEmpty();
    const QDate date(m.captured(iso ? 1 : 6).toInt(), m.captured(iso ? 2 : 5).toInt(), m.captured(iso ? 3 : 4).toInt());
    if (!date.isValid())
        throw bad();
    if (!m.captured(7).isEmpty()) {
        const QTime time(m.captured(7).toInt(), m.captured(8).toInt(), m.captured(9).toInt());
        if (!time.isValid())
            throw bad();
        return QDateTime(date, time).toMSecsSinceEpoch() + (endOfDay && m.captured(9).isEmpty() ? 59999 : 0);
    }
    return endOfDay ? QDateTime(date.addDays(1), QTime(0, 0)).toMSecsSinceEpoch() - 1
                    : QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch();
}

QString historyTimeText(qint64 at)
{
    return QDateTime::fromMSecsSinceEpoch(at).toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

RecordHistory recordHistory(Store &store, bool goods, qint64 number)
{
    RecordHistory h;
    JournalFilter f;
    f.table = goods ? QStringLiteral("T") : QStringLiteral("M");
    f.number = number;
    h.changes = store.journal().entries(f);
    h.deliveries = store.ledger().deliveries(QString(), goods ? ScaleLedger::Kind::Goods : ScaleLedger::Kind::Messages,
                                             int(number));
    return h;
}

QVariant priceAt(Store &store, qint64 number, qint64 at)
{
    Table &goods = store.goods();
    const int row = rowsByNumber(goods).value(number, -1);
    if (row < 0)
        throw InputError(
            QCoreApplication::translate("tevo::History", "Товара с номером %1 в таблице товаров нет.").arg(number));
    checkKnown(store, at);
    return asNumber(store.journal().valueAt(QStringLiteral("T"), number, kPrice, at, goods.value(row, kPrice)));
}

QVector<LowestPrice> lowestPrices(Store &store, qint64 at, int days, qint64 number)
{
    Table &goods = store.goods();
    const QHash<qint64, int> rows = rowsByNumber(goods);
    if (number != 0 && !rows.contains(number))
        throw InputError(
            QCoreApplication::translate("tevo::History", "Товара с номером %1 в таблице товаров нет.").arg(number));
    checkKnown(store, at);
    QHash<qint64, qint64> now;
    for (auto it = rows.cbegin(); it != rows.cend(); ++it)
        if (!goods.isNull(it.value(), kPrice))
            now.insert(it.key(), goods.value(it.value(), kPrice).toLongLong());
    QHash<qint64, QVariant> then;
    const QHash<qint64, qint64> lowest = store.journal().lowestPrices(at, days, now, &then);
    QVector<LowestPrice> out;
    for (auto it = lowest.cbegin(); it != lowest.cend(); ++it) {
        if (number != 0 && it.key() != number)
            continue;
        LowestPrice p;
        p.number = it.key();
        p.name = goodsName(goods, rows.value(it.key(), -1));
        p.lowest = it.value();
        p.priceThen = asNumber(then.value(it.key()));
        out.append(p);
    }
    std::sort(out.begin(), out.end(), [](const LowestPrice &a, const LowestPrice &b) { return a.number < b.number; });
    return out;
}

QVector<Revaluation> revaluations(Store &store, qint64 from, qint64 to)
{
    JournalFilter f;
    f.from = from;
    f.to = to;
    f.table = QStringLiteral("T");
    f.field = kPrice;
    Table &goods = store.goods();
    const QHash<qint64, int> rows = rowsByNumber(goods);
    QVector<Revaluation> out;
    for (const JournalEntry &e : store.journal().entries(f))
        out.append({e.number, goodsName(goods, rows.value(e.number, -1)), asNumber(e.oldValue), asNumber(e.newValue),
                    e.at, e.source, e.detail});
    return out;
}

QVector<PrintedPrice> pricesPrinted(Store &store, int scaleRow, qint64 from, qint64 to)
{
    const QString address = ScaleLedger::addressOf(store.scales(), scaleRow);
    const QVector<ScaleLedger::Delivery> all = store.ledger().deliveries(address, ScaleLedger::Kind::Goods, 0, to);
    QHash<int, QVector<ScaleLedger::Delivery>> byNumber;
    for (const ScaleLedger::Delivery &d : all)
        byNumber[d.number].append(d);
    Table &goods = store.goods();
    const QHash<qint64, int> rows = rowsByNumber(goods);
    QVector<PrintedPrice> out;
    for (auto it = byNumber.cbegin(); it != byNumber.cend(); ++it) {
        const QVector<ScaleLedger::Delivery> &list = it.value();
        for (int i = 0; i < list.size(); ++i) {
            const qint64 until = i + 1 < list.size() ? list[i + 1].at : 0;
            if (until != 0 && until <= from)
                continue;
            out.append({it.key(), goodsName(goods, rows.value(it.key(), -1)), list[i].price, list[i].at, until});
        }
    }
    std::sort(out.begin(), out.end(), [](const PrintedPrice &a, const PrintedPrice &b) {
        return a.number != b.number ? a.number < b.number : a.since < b.since;
    });
    return out;
}

ReportSheet journalSheet(Store &store, const QVector<JournalEntry> &entries)
{
    ReportSheet s;
    s.name = QCoreApplication::translate("tevo::History", "Журнал изменений");
    s.titles = {QCoreApplication::translate("tevo::History", "Когда"),
                QCoreApplication::translate("tevo::History", "Таблица"),
                QCoreApplication::translate("tevo::History", "Номер"),
                QCoreApplication::translate("tevo::History", "Поле"),
                QCoreApplication::translate("tevo::History", "Было"),
                QCoreApplication::translate("tevo::History", "Стало"),
                QCoreApplication::translate("tevo::History", "Источник"),
                QCoreApplication::translate("tevo::History", "Откуда"),
                QCoreApplication::translate("tevo::History", "Программа"),
                QCoreApplication::translate("tevo::History", "Пользователь"),
                QCoreApplication::translate("tevo::History", "Компьютер")};
    s.widths = {19, 8, 8, 10, 16, 16, 14, 30, 10, 14, 14};
    (void)store;
    for (const JournalEntry &e : entries) {
        QString user = e.user;
        if (!e.dbUser.isEmpty() && e.dbUser != e.user)
            user += QStringLiteral(" (%1)").arg(e.dbUser);
        s.rows.append({historyTimeText(e.at),
                       e.table == QLatin1String("T") ? QCoreApplication::translate("tevo::History", "товары")
                                                     : QCoreApplication::translate("tevo::History", "сообщения"),
                       e.number, e.field, e.oldValue, e.newValue, changeSourceName(e.source),
                       e.detail.isEmpty() ? QVariant() : QVariant(e.detail), e.program, user, e.computer});
    }
    return s;
}

ReportSheet revaluationSheet(const QVector<Revaluation> &rows)
{
    ReportSheet s;
    s.name = QCoreApplication::translate("tevo::History", "Переоценка");
    s.titles = {QCoreApplication::translate("tevo::History", "Номер"),
                QCoreApplication::translate("tevo::History", "Наименование"),
                QCoreApplication::translate("tevo::History", "Старая цена (коп.)"),
                QCoreApplication::translate("tevo::History", "Новая цена (коп.)"),
                QCoreApplication::translate("tevo::History", "Когда"),
                QCoreApplication::translate("tevo::History", "Источник")};
    s.widths = {8, 36, 18, 18, 19, 36};
    for (const Revaluation &r : rows)
        s.rows.append({r.number, r.name, r.oldPrice, r.newPrice, historyTimeText(r.at),
                       r.detail.isEmpty() ? changeSourceName(r.source)
                                          : QStringLiteral("%1: %2").arg(changeSourceName(r.source), r.detail)});
    return s;
}

ReportSheet lowestPriceSheet(const QVector<LowestPrice> &rows, int days)
{
    ReportSheet s;
    s.name = QCoreApplication::translate("tevo::History", "Наименьшая цена");
    s.titles = {QCoreApplication::translate("tevo::History", "Номер"),
                QCoreApplication::translate("tevo::History", "Наименование"),
                QCoreApplication::translate("tevo::History", "Цена (коп.)"),
                QCoreApplication::translate("tevo::History", "Наименьшая за %1 дн. (коп.)").arg(days)};
    s.widths = {8, 36, 14, 24};
    for (const LowestPrice &p : rows)
        s.rows.append({p.number, p.name, p.priceThen, p.lowest});
    return s;
}

ReportSheet printedSheet(const QString &scale, const QVector<PrintedPrice> &rows)
{
    ReportSheet s;
    s.name = QCoreApplication::translate("tevo::History", "Цены в весах");
    s.titles = {QCoreApplication::translate("tevo::History", "Весы"),
                QCoreApplication::translate("tevo::History", "Номер"),
                QCoreApplication::translate("tevo::History", "Наименование"),
                QCoreApplication::translate("tevo::History", "Цена (коп.)"),
                QCoreApplication::translate("tevo::History", "С"),
                QCoreApplication::translate("tevo::History", "По")};
    s.widths = {24, 8, 36, 14, 19, 19};
    for (const PrintedPrice &p : rows)
        s.rows.append({scale, p.number, p.name, p.price, historyTimeText(p.since),
                       p.until == 0 ? QVariant() : QVariant(historyTimeText(p.until))});
    return s;
}

void saveSheet(const ReportSheet &sheet, const QString &path, bool xlsx)
{
    if (xlsx)
        writeReportXlsx(sheet, path);
    else
        writeReportCsv(sheet, path);
}

} // namespace tevo
