// The checked plan of a tabular import and its all-or-nothing apply (ImportPlan.h).
#include "fileio/ImportPlan.h"

#include "common/Error.h"
#include "fileio/ColumnTitles.h"
#include "fileio/CsvImport.h"
#include "store/DataCheck.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QSet>

namespace {
// The texts of this unit, translated under the context "ImportPlan".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ImportPlan)
};
} // namespace

namespace tevo {
namespace {

struct Limits {
    qint64 low;
    qint64 high;
    bool even = false;
};

std::optional<Limits> limitsOf(const QString &field)
{
    if (field == QLatin1String("PRICE") || field == QLatin1String("CODE") || field == QLatin1String("GROUPCODE"))
        return Limits{0, 999999};
    if (field == QLatin1String("UBDATE"))
        return Limits{0, 999};
    if (field == QLatin1String("TARA"))
        return Limits{0, 5998, true};
    if (field == QLatin1String("MESSAGE"))
        return Limits{0, kMessagesRowCount};
    return std::nullopt;
}

QString kopecksAsMoney(qint64 kopecks)
{
    return QStringLiteral("%1,%2").arg(kopecks / 100).arg(kopecks % 100, 2, 10, QLatin1Char('0'));
}

QString outOfLimits(const QString &field, qint64 n, const Limits &l)
{
    if (field == QLatin1String("PRICE"))
        return Tr::tr("цена %1 грн вне пределов весов (0,00 … %2 грн)")
            .arg(n < 0 ? QStringLiteral("-") + kopecksAsMoney(-n) : kopecksAsMoney(n), kopecksAsMoney(l.high));
    if (l.even && n >= l.low && n <= l.high)
        return Tr::tr("%1 — тара должна быть чётной").arg(n);
    return Tr::tr("%1 вне пределов %2 … %3").arg(n).arg(l.low).arg(l.high);
}

bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a.toString() == b.toString();
}

} // namespace

ImportPlan::ImportPlan(const TabularFile &file, int sheet, const ColumnMapping &mapping, const Table &table)
    : m_mapping(mapping), m_fileName(file.fileName())
{
    if (sheet < 0 || sheet >= file.sheets.size()) {
        m_problems << Tr::tr("В файле «%1» нет такого листа.").arg(m_fileName);
        return;
    }
    const TabularSheet &s = file.sheets[sheet];
    for (const QString &missing : m_mapping.resolve(s))
        m_problems << Tr::tr("Файл «%1»: %2.").arg(m_fileName, missing);
    if (!m_mapping.item(QStringLiteral("NPLU")))
        m_problems << Tr::tr("Файл «%1»: не указан столбец с номером (PLU), по которому выбирается строка таблицы.")
                          .arg(m_fileName);
    if (m_mapping.items().size() < 2)
        m_problems << Tr::tr("Файл «%1»: не указан ни один столбец со значениями для таблицы.").arg(m_fileName);
    if (!m_problems.isEmpty())
        return;
    for (int r = m_mapping.headerRow() + 1; r < s.rows.size(); ++r)
        planRow(file, s, r, table.count());
    if (m_rows.isEmpty() && m_problems.isEmpty())
        m_problems << Tr::tr("В файле «%1» нет ни одной строки с данными под заголовком.").arg(m_fileName);
}

void ImportPlan::problem(const QString &place, const QString &title, const QString &reason)
{
    const QString column =
        title.isEmpty() || title.startsWith(QLatin1Char('#')) ? QString() : QStringLiteral(" «%1»").arg(title);
    m_problems << Tr::tr("Файл «%1», %2%3: %4.").arg(m_fileName, place, column, reason);
}

void ImportPlan::planRow(const TabularFile &file, const TabularSheet &sheet, int index, int tableRows)
{
    const TabularRow &row = sheet.rows[index];
    const auto &items = m_mapping.items();
    if (std::all_of(items.begin(), items.end(), [&](const auto &i) { return row.text(i.column).trimmed().isEmpty(); }))
        return;
    const bool goods = target() == ImportTarget::Goods;
    const int problemsBefore = int(m_problems.size());
    PlannedRow planned;
    planned.place = file.place(sheet, row, -1);
    int number = -1;
    for (const ColumnMapping::Item &item : items) {
        const ImportField *field = importField(target(), item.field);
        const QString text = row.text(item.column).trimmed();
        const bool numberCell = row.isNumber(item.column);
        const auto place = [&] { return file.place(sheet, row, item.column); };
        if (item.field == QLatin1String("NPLU")) {
            if (text.isEmpty()) {
                problem(place(), item.source, goods ? Tr::tr("нет номера PLU") : Tr::tr("нет номера сообщения"));
                continue;
            }
            const NumberReading n = readWholeNumber(text, numberCell);
            if (!n.value) {
                problem(place(), item.source, n.error);
            } else if (*n.value < 1 || *n.value > tableRows) {
                problem(place(), item.source,
                        tableRows == 0 ? Tr::tr("номер %1 вне таблицы: таблица пуста").arg(*n.value)
                                       : Tr::tr("номер %1 вне таблицы (1 … %2)").arg(*n.value).arg(tableRows));
            } else if (m_sheetRowOf.contains(int(*n.value - 1))) {
                problem(place(), item.source,
                        Tr::tr("номер %1 уже был: %2")
                            .arg(*n.value)
                            .arg(file.place(sheet, sheet.rows[m_sheetRowOf.value(int(*n.value - 1))], -1)));
            } else {
                number = int(*n.value);
            }
            continue;
        }
        if (text.isEmpty()) {
            if (field->kind == ImportField::MessageText) {
                for (int k = 1; k <= kMessageLines; ++k)
                    planned.values.append({QStringLiteral("M%1").arg(k), QVariant()});
            } else {
                planned.values.append({item.field, QVariant()});
            }
            continue;
        }
        switch (field->kind) {
        case ImportField::Money:
        case ImportField::Number:
        case ImportField::WholeNumber: {
            const NumberReading n = field->kind == ImportField::Money ? readMoney(text, item.unit, numberCell)
                                                                      : readWholeNumber(text, numberCell);
            if (!n.value) {
                problem(place(), item.source, n.error);
                break;
            }
            const std::optional<Limits> limits = limitsOf(item.field);
            if (limits && (*n.value < limits->low || *n.value > limits->high || (limits->even && *n.value % 2 != 0))) {
                problem(place(), item.source, outOfLimits(item.field, *n.value, *limits));
                break;
            }
            planned.values.append({item.field, field->kind == ImportField::WholeNumber
                                                   ? QVariant(QString::number(*n.value))
                                                   : QVariant(qlonglong(*n.value))});
            break;
        }
        case ImportField::MessageText: {
            const QStringList lines = messageLines(text);
            if (text.toUcs4().size() > qsizetype(kMessageLines) * kMessageLineLength)
                m_warnings << Tr::tr("Файл «%1», %2: текст длиннее %3 знаков, в сообщение войдут первые %3.")
                                  .arg(m_fileName, place())
                                  .arg(kMessageLines * kMessageLineLength);
            for (int k = 0; k < kMessageLines; ++k)
                planned.values.append(
                    {QStringLiteral("M%1").arg(k + 1), k < lines.size() ? QVariant(lines[k]) : QVariant()});
            break;
        }
        case ImportField::Text:
            if (!goods && text.size() > kMessageLineLength) {
                problem(place(), item.source,
                        Tr::tr("строка сообщения длиннее %1 знаков (%2)").arg(kMessageLineLength).arg(text.size()));
                break;
            }
            if (goods && (item.field == QLatin1String("TNAME1") || item.field == QLatin1String("TNAME2"))
                && text.size() > kMaxGoodsNameLength)
                m_warnings << Tr::tr("Файл «%1», %2: название длиннее %3 знаков записи весов; проверка данных "
                                     "отметит его.")
                                  .arg(m_fileName, place())
                                  .arg(kMaxGoodsNameLength);
            planned.values.append({item.field, text});
            break;
        }
    }
    if (int(m_problems.size()) != problemsBefore || number < 0)
        return;
    planned.row = number - 1;
    m_sheetRowOf.insert(planned.row, index);
    m_rows.append(std::move(planned));
}

QStringList ImportPlan::columns() const
{
    QSet<QString> set;
    for (const PlannedRow &r : m_rows)
        for (const auto &v : r.values)
            set.insert(v.first);
    QStringList out;
    const QVector<ColumnDef> &defs = target() == ImportTarget::Goods ? goodsColumns() : messagesColumns();
    for (const ColumnDef &c : defs)
        if (set.contains(c.name))
            out << c.name;
    return out;
}

ImportOutcome ImportPlan::apply(Table &table) const
{
    if (!m_problems.isEmpty())
        throw InputError(Tr::tr("Импорт не выполнен, таблица не изменена: строк, которые нельзя сохранить, %1. "
                                "Первая: %2")
                             .arg(m_problems.size())
                             .arg(m_problems.first()));
    if (m_rows.isEmpty())
        throw InputError(Tr::tr("В файле «%1» нет строк для импорта.").arg(m_fileName));
    table.refresh();
    for (const PlannedRow &r : m_rows)
        if (r.row >= table.count())
            throw InputError(
                Tr::tr("Импорт не выполнен: номера %1 уже нет в таблице (%2 строк).").arg(r.row + 1).arg(table.count()));
    QVector<const PlannedRow *> changed;
    QSet<QString> changedColumns;
    for (const PlannedRow &r : m_rows) {
        bool differs = false;
        for (const auto &v : r.values) {
            if (!sameValue(table.value(r.row, v.first), v.second)) {
                differs = true;
                changedColumns.insert(v.first);
            }
        }
        if (differs)
            changed.append(&r);
    }
    Database &db = table.database();
    db.atomically(
        [&] {
            table.changeRows([&](Table::Changes &changes) {
                for (const PlannedRow *r : changed)
                    changes.add(r->row, r->values);
            });
        },
        [&] { table.refresh(); });
    table.setCurrentRow(m_rows.last().row);

    ImportOutcome outcome;
    outcome.fileRows = int(m_rows.size());
    outcome.changedRows = int(changed.size());
    const QVector<ColumnDef> &defs = table.columns();
    QStringList shownColumns;
    for (const ColumnDef &c : defs)
        if (changedColumns.contains(c.name)) {
            const ColumnTitle title = columnTitle(table.tableName(), c.name);
            outcome.columns << title.fileTitle;
            shownColumns << title.title;
        }
    const bool goods = target() == ImportTarget::Goods;
    if (outcome.changedRows == 0)
        outcome.text = Tr::tr("Из файла «%1» прочитано строк: %2; %3 не изменилось: в таблице уже то же самое.")
                           .arg(m_fileName)
                           .arg(outcome.fileRows)
                           .arg(goods ? Tr::tr("ни одного товара") : Tr::tr("ни одного сообщения"));
    else
        outcome.text = Tr::tr("Из файла «%1» прочитано строк: %2; изменено %3: %4 (столбцы: %5).")
                           .arg(m_fileName)
                           .arg(outcome.fileRows)
                           .arg(goods ? Tr::tr("товаров") : Tr::tr("сообщений"))
                           .arg(outcome.changedRows)
                           .arg(shownColumns.join(QStringLiteral(", ")));
    return outcome;
}

} // namespace tevo
