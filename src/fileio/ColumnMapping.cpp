// The columns of a tabular file mapped to table columns, found from titles or written as text
// (see ColumnMapping.h).
#include "fileio/ColumnMapping.h"

#include "common/Error.h"
#include "fileio/ColumnTitles.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QHash>

namespace {
// The texts of this unit, translated under the context "ColumnMapping".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ColumnMapping)
};
} // namespace

namespace tevo {
namespace {

// How many of the first rows may stand before the header row (a title, a date line).
constexpr int kHeaderSearchRows = 20;

bool isKopeckWord(const QString &w)
{
    // not translated: a unit word read in a file's titles
    return w.startsWith(QStringLiteral("коп")) || w.startsWith(QLatin1String("kop"))
           || w.startsWith(QLatin1String("cent"));
}

// Words of a title that tell its unit rather than its meaning ("Цена, грн", "Тара, г").
bool isUnitWord(const QString &w)
{
    // not translated: unit words read in a file's titles
    static const QStringList words = {
        QStringLiteral("грн"),    QStringLiteral("гривен"), QStringLiteral("гривень"), QStringLiteral("руб"),
        QStringLiteral("рублей"), QStringLiteral("р"),      QStringLiteral("uah"),     QStringLiteral("rub"),
        QStringLiteral("г"),      QStringLiteral("гр"),     QStringLiteral("кг"),      QStringLiteral("g"),
        QStringLiteral("kg"),     QStringLiteral("шт"),     QStringLiteral("дней"),    QStringLiteral("днях"),
        QStringLiteral("днів"),   QStringLiteral("дн"),     QStringLiteral("сут"),     QStringLiteral("суток"),
        QStringLiteral("days"),   QStringLiteral("d"),      QStringLiteral("в"),       QStringLiteral("за"),
        QStringLiteral("с"),      QStringLiteral("ндс"),    QStringLiteral("пдв"),     QStringLiteral("vat"),
    };
    return isKopeckWord(w) || words.contains(w);
}

// The words of a title, small letters, "ё" as "е", units left out; `kopecks` tells whether a
// unit word said kopecks.
QString titleKey(const QString &title, bool *kopecks)
{
    QStringList words;
    QString word;
    bool kop = false;
    const auto endWord = [&] {
        if (word.isEmpty())
            return;
        if (isUnitWord(word))
            kop = kop || isKopeckWord(word);
        else
            words.append(word);
        word.clear();
    };
    for (QChar c : title.toLower()) {
        if (c == QChar(u'ё'))
            c = QChar(u'е');
        if (c.isLetterOrNumber())
            word.append(c);
        else
            endWord();
    }
    endWord();
    if (kopecks)
        *kopecks = kop;
    return words.join(QLatin1Char(' '));
}

using Synonyms = QHash<QString, QString>; // title key → field

void add(Synonyms &s, const char *field, std::initializer_list<const char16_t *> titles)
{
    for (const char16_t *t : titles)
        s.insert(titleKey(QString::fromUtf16(t), nullptr), QLatin1String(field));
}

const Synonyms &goodsSynonyms()
{
    static const Synonyms s = [] {
        Synonyms m;
        // not translated: the words the import looks for in a file's titles, in every language at once
        add(m, "NPLU",
            {u"PLU", u"NPLU", u"ПЛУ", u"НПЛУ", u"Номер", u"Номер PLU", u"Номер ПЛУ", u"PLU номер", u"Код", u"Код PLU",
             u"Код ПЛУ", u"Номер товара", u"Номер товару", u"No", u"Number", u"PLU No", u"PLU number", u"PLU code"});
        // not translated: the words the import looks for in a file's titles, in every language at once
        add(m, "TNAME1",
            {u"Наименование",
             u"Название",
             u"Наименование товара",
             u"Название товара",
             u"Название товара 1",
             u"Наименование 1",
             u"Название 1",
             u"Товар",
             u"Назва",
             u"Назва товару",
             u"Найменування",
             u"Найменування товару",
             u"Назва 1",
             u"Name",
             u"Name 1",
             u"Name1",
             u"Product",
             u"Product name",
             u"Item",
             u"Item name",
             u"TNAME1",
             u"PRODNAME"});
        // not translated: the words the import looks for in a file's titles, in every language at once
        add(m, "TNAME2",
            {u"Название товара 2", u"Наименование 2", u"Название 2", u"Наименование товара 2", u"Доп наименование",
             u"Дополнительное наименование", u"Описание", u"Производитель", u"Назва 2", u"Назва товару 2",
             u"Найменування 2", u"Опис", u"Виробник", u"Name 2", u"Name2", u"Description", u"Manufacturer", u"TNAME2",
             u"PRODINFO"});
        // not translated: the words the import looks for in a file's titles, in every language at once
        add(m, "PRICE",
            {u"Цена", u"Цена продажи", u"Розничная цена", u"Цена розничная", u"Ціна", u"Ціна продажу",
             u"Роздрібна ціна", u"Price", u"Retail price", u"Unit price", u"UNITPRICE", u"Стоимость", u"Вартість"});
        // not translated: the words the import looks for in a file's titles, in every language at once
        add(m, "UBDATE",
            {u"Срок годности", u"Срок хранения", u"Срок", u"Годен", u"Срок реализации", u"Термін придатності",
             u"Термін зберігання", u"Термін", u"Shelf life", u"Best before", u"Use by", u"UBDATE", u"USEBYDATE"});
        // not translated: the words the import looks for in a file's titles, in every language at once
        add(m, "TARA", {u"Тара", u"Вес тары", u"Масса тары", u"Вага тари", u"Tare", u"Tare weight", u"TAREWEIGHT"});
        // not translated: the words the import looks for in a file's titles, in every language at once
        add(m, "CODE",
            {u"Код товара", u"Товарный код", u"Код товару", u"Product code", u"Item code", u"CODE", u"PRODCODE"});
        // not translated: the words the import looks for in a file's titles, in every language at once
        add(m, "GROUPCODE",
            {u"Групповой код", u"Группа", u"Код группы", u"Группа товаров", u"Груповий код", u"Група", u"Код групи",
             u"Група товарів", u"Group", u"Group code", u"GROUPCODE", u"PRODGROUP"});
        // not translated: the words the import looks for in a file's titles, in every language at once
        add(m, "MESSAGE",
            {u"Сообщение", u"Номер сообщения", u"Повідомлення", u"Номер повідомлення", u"Message", u"Message number",
             u"MESSAGE"});
        // not translated: the words the import looks for in a file's titles, in every language at once
        add(m, "LOGO", {u"Логотип", u"Логотип (PL/US)", u"Logo", u"LOGO"});
        // not translated: the words the import looks for in a file's titles, in every language at once
        add(m, "SG", {u"Группа весов", u"Группы весов", u"Група ваг", u"Групи ваг", u"Scale group", u"SG"});
        return m;
    }();
    return s;
}

const Synonyms &messagesSynonyms()
{
    static const Synonyms s = [] {
        Synonyms m;
        // not translated: the words the import looks for in a file's titles, in every language at once
        add(m, "NPLU",
            {u"Номер", u"Номер сообщения", u"№ Сообщения", u"Код", u"PLU", u"NPLU", u"Номер повідомлення", u"No",
             u"Number", u"Message number"});
        // not translated: the words the import looks for in a file's titles, in every language at once
        add(m, "TEXT",
            {u"Текст", u"Сообщение", u"Текст сообщения", u"Повідомлення", u"Текст повідомлення", u"Message", u"Text",
             u"Message text"});
        for (int n = 1; n <= 8; ++n) {
            const QString field = QStringLiteral("M%1").arg(n);
            // not translated: the words the import looks for in a file's titles, in every language at once
            for (const QString &t : {QStringLiteral("Строка %1"), QStringLiteral("Рядок %1"), QStringLiteral("Line %1"),
                                     QStringLiteral("M%1")})
                m.insert(titleKey(t.arg(n), nullptr), field);
        }
        return m;
    }();
    return s;
}

// A title of signs alone ("№", "#") names the number.
bool isNumberSign(const QString &title)
{
    const QString t = title.trimmed();
    return t == QStringLiteral("№") || t == QLatin1String("#") || t == QLatin1String("N") || t == QLatin1String("n");
}

// The titles compared as the header row is searched: small letters, blanks squeezed.
QString sameTitle(const QString &title) { return title.simplified().toLower(); }

QString quotedSource(const QString &source)
{
    if (!source.contains(QLatin1Char(',')) && !source.contains(QLatin1Char('=')) && !source.contains(QLatin1Char(':'))
        && !source.contains(QLatin1Char('"')) && source == source.trimmed())
        return source;
    QString q = source;
    q.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// The items of a mapping text, cut at commas outside quotes.
QStringList splitItems(const QString &text)
{
    QStringList items;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"')) {
            if (quoted && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                current += QLatin1String("\"\"");
                ++i;
                continue;
            }
            quoted = !quoted;
        } else if (c == QLatin1Char(',') && !quoted) {
            items.append(current);
            current.clear();
            continue;
        }
        current += c;
    }
    items.append(current);
    return items;
}

std::optional<MoneyUnit> unitNamed(const QString &name)
{
    const QString n = name.trimmed().toLower();
    // not translated: the unit names of a column mapping, read back
    if (n == QStringLiteral("грн") || n == QStringLiteral("руб") || n == QLatin1String("uah")
        || n == QLatin1String("rub"))
        return MoneyUnit::Currency;
    // not translated: the unit names of a column mapping, read back
    if (n == QStringLiteral("коп") || n == QLatin1String("kop"))
        return MoneyUnit::Kopecks;
    return std::nullopt;
}

// "#3" → column 2; -1 for anything else.
int columnNumber(const QString &source)
{
    if (!source.startsWith(QLatin1Char('#')))
        return -1;
    bool ok = false;
    const int n = source.mid(1).toInt(&ok);
    return ok && n >= 1 && n <= kMostTabularColumns ? n - 1 : -1;
}

} // namespace

namespace {
const char *const kMessageTextTitle = QT_TRANSLATE_NOOP("ColumnMapping", "Текст сообщения");

// The fields with their titles in Russian (the titles the program writes in its files); made
// once, so each is translated only where it is shown (importFields).
const QVector<ImportField> &fieldTable(ImportTarget target)
{
    static const QVector<ImportField> goods = [] {
        QVector<ImportField> f;
        for (const ColumnDef &c : goodsColumns()) {
            ImportField::Kind kind = c.type == ColumnType::Integer ? ImportField::Number : ImportField::Text;
            if (c.name == QLatin1String("PRICE"))
                kind = ImportField::Money;
            else if (c.name == QLatin1String("UBDATE"))
                kind = ImportField::WholeNumber; // a text column that holds a number of days
            // The sales totals and the last erase come from the scales, never from a file.
            if (c.name == QLatin1String("LASTERASE") || c.name == QLatin1String("OSUM")
                || c.name == QLatin1String("OVES") || c.name == QLatin1String("OCOUNTPROD"))
                continue;
            f.append({c.name, columnTitle(QStringLiteral("T"), c.name).fileTitle, kind});
        }
        return f;
    }();
    static const QVector<ImportField> messages = [] {
        QVector<ImportField> f;
        const QVector<ColumnDef> &columns = messagesColumns();
        const auto title = [](const ColumnDef &c) { return columnTitle(QStringLiteral("M"), c.name).fileTitle; };
        f.append({columns.at(0).name, title(columns.at(0)), ImportField::Number});
        f.append({QStringLiteral("TEXT"), QString::fromUtf8(kMessageTextTitle), ImportField::MessageText});
        for (int k = 1; k < columns.size(); ++k)
            f.append({columns.at(k).name, title(columns.at(k)), ImportField::Text});
        return f;
    }();
    return target == ImportTarget::Goods ? goods : messages;
}
} // namespace

QVector<ImportField> importFields(ImportTarget target)
{
    QVector<ImportField> fields = fieldTable(target);
    const QString table = target == ImportTarget::Goods ? QStringLiteral("T") : QStringLiteral("M");
    for (ImportField &f : fields)
        f.title = f.kind == ImportField::MessageText ? Tr::tr(kMessageTextTitle) : columnTitle(table, f.name).title;
    return fields;
}

const ImportField *importField(ImportTarget target, const QString &name)
{
    QString n = name.trimmed().toUpper();
    if (n == QLatin1String("PLU"))
        n = QStringLiteral("NPLU");
    for (const ImportField &f : fieldTable(target))
        if (f.name == n)
            return &f;
    return nullptr;
}

QString fieldForTitle(ImportTarget target, const QString &title, MoneyUnit *unit)
{
    bool kopecks = false;
    const QString key = titleKey(title, &kopecks);
    if (unit)
        *unit = kopecks ? MoneyUnit::Kopecks : MoneyUnit::Currency;
    if (key.isEmpty())
        return isNumberSign(title) ? QStringLiteral("NPLU") : QString();
    return (target == ImportTarget::Goods ? goodsSynonyms() : messagesSynonyms()).value(key);
}

ColumnMapping ColumnMapping::detect(const TabularSheet &sheet, ImportTarget target)
{
    ColumnMapping mapping(target);
    const int searched = std::min<int>(kHeaderSearchRows, int(sheet.rows.size()));
    for (int r = 0; r < searched && mapping.m_headerRow < 0; ++r) {
        const TabularRow &row = sheet.rows[r];
        QVector<Item> items;
        bool numbers = false;
        for (int c = 0; c < row.cells.size(); ++c) {
            const TabularCell &cell = row.cells[c];
            // A row that holds a number is a row of data (it has its PLU), whatever its names say.
            numbers = numbers || cell.number || readWholeNumber(cell.text).value.has_value();
            MoneyUnit unit = MoneyUnit::Currency;
            const QString field = fieldForTitle(target, cell.text, &unit);
            if (field.isEmpty())
                continue;
            const bool taken = std::any_of(items.begin(), items.end(), [&](const Item &i) { return i.field == field; });
            if (!taken)
                items.append({field, cell.text.simplified(), c, unit, false});
        }
        // Two known titles make a header row; one will do in a first row of one title alone.
        if (!numbers && (items.size() >= 2 || (items.size() == 1 && r == 0 && row.cells.size() == 1))) {
            mapping.m_headerRow = r;
            mapping.m_items = items;
        }
    }
    if (mapping.m_headerRow >= 0)
        return mapping;
    // The program's own column order.
    int width = 0;
    for (const TabularRow &row : sheet.rows)
        width = std::max<int>(width, int(row.cells.size()));
    const QStringList order = target == ImportTarget::Goods ? QStringList{"NPLU",   "TNAME1", "TNAME2", "PRICE",
                                                                          "UBDATE", "TARA",   "CODE",   "GROUPCODE"}
                                                            : QStringList{"NPLU", "TEXT"};
    for (int c = 0; c < order.size() && c < width; ++c)
        mapping.m_items.append({order[c], QStringLiteral("#%1").arg(c + 1), c, MoneyUnit::Kopecks, true});
    mapping.m_ownOrder = true;
    return mapping;
}

ColumnMapping ColumnMapping::fromText(const QString &text, ImportTarget target)
{
    ColumnMapping mapping(target);
    for (const QString &raw : splitItems(text)) {
        const QString itemText = raw.trimmed();
        if (itemText.isEmpty())
            continue;
        const qsizetype eq = itemText.indexOf(QLatin1Char('='));
        if (eq < 0)
            throw InputError(Tr::tr("В сопоставлении столбцов «%1» нет знака «=»: пишите ПОЛЕ=Заголовок.").arg(itemText));
        const QString fieldName = itemText.left(eq).trimmed();
        const ImportField *field = importField(target, fieldName);
        if (!field) {
            QStringList names;
            for (const ImportField &f : importFields(target))
                names << f.name;
            throw InputError(Tr::tr("В сопоставлении столбцов неизвестное поле «%1»; поля: %2.")
                                 .arg(fieldName, names.join(QStringLiteral(", "))));
        }
        if (mapping.item(field->name))
            throw InputError(Tr::tr("В сопоставлении столбцов поле %1 названо дважды.").arg(field->name));
        QString source = itemText.mid(eq + 1).trimmed();
        Item item{field->name, {}, -1, MoneyUnit::Currency, false};
        // A unit after the last colon outside quotes.
        const qsizetype colon = source.lastIndexOf(QLatin1Char(':'));
        if (colon >= 0 && source.indexOf(QLatin1Char('"'), colon) < 0) {
            const std::optional<MoneyUnit> unit = unitNamed(source.mid(colon + 1));
            if (!unit)
                throw InputError(Tr::tr("В сопоставлении столбцов неизвестная единица «%1»: пишите :грн или :коп.")
                                     .arg(source.mid(colon + 1)));
            item.unit = *unit;
            item.unitGiven = true;
            source = source.left(colon).trimmed();
        }
        if (source.size() >= 2 && source.startsWith(QLatin1Char('"')) && source.endsWith(QLatin1Char('"'))) {
            source = source.mid(1, source.size() - 2);
            source.replace(QLatin1String("\"\""), QLatin1String("\""));
        }
        if (source.isEmpty())
            throw InputError(Tr::tr("В сопоставлении столбцов у поля %1 не назван столбец.").arg(field->name));
        item.source = source;
        if (!item.unitGiven && field->kind == ImportField::Money) {
            bool kopecks = false;
            titleKey(source, &kopecks);
            item.unit = kopecks ? MoneyUnit::Kopecks : MoneyUnit::Currency;
        }
        mapping.m_items.append(item);
    }
    return mapping;
}

QString ColumnMapping::toText() const
{
    QStringList parts;
    for (const Item &i : m_items) {
        QString part =
            (i.field == QLatin1String("NPLU") && m_target == ImportTarget::Goods ? QStringLiteral("PLU") : i.field)
            + QLatin1Char('=') + quotedSource(i.source);
        const ImportField *f = importField(m_target, i.field);
        if (f && f->kind == ImportField::Money)
            // not translated: the unit names of a column mapping, read back
            part += i.unit == MoneyUnit::Kopecks ? QStringLiteral(":коп") : QStringLiteral(":грн");
        parts << part;
    }
    return parts.join(QLatin1Char(','));
}

QStringList ColumnMapping::resolve(const TabularSheet &sheet)
{
    QStringList titled;
    for (const Item &i : m_items)
        if (columnNumber(i.source) < 0)
            titled << sameTitle(i.source);
    m_headerRow = -1;
    if (!titled.isEmpty()) {
        const int searched = std::min<int>(kHeaderSearchRows, int(sheet.rows.size()));
        for (int r = 0; r < searched && m_headerRow < 0; ++r) {
            QStringList titles;
            for (const TabularCell &cell : sheet.rows[r].cells)
                titles << sameTitle(cell.text);
            if (std::all_of(titled.begin(), titled.end(), [&](const QString &t) { return titles.contains(t); }))
                m_headerRow = r;
        }
    }
    // Columns named by number alone: the file's own header row, if it has one, is no data.
    if (titled.isEmpty()) {
        m_headerRow = detect(sheet, m_target).headerRow();
        if (m_headerRow < 0 && !m_ownOrder && titlesOnly(sheet, 0))
            m_headerRow = 0;
    }
    QStringList missing;
    for (Item &i : m_items) {
        i.column = columnNumber(i.source);
        if (i.column >= 0)
            continue;
        if (m_headerRow >= 0) {
            const TabularRow &header = sheet.rows[m_headerRow];
            for (int c = 0; c < header.cells.size() && i.column < 0; ++c)
                if (sameTitle(header.cells[c].text) == sameTitle(i.source))
                    i.column = c;
        }
        if (i.column < 0)
            missing << Tr::tr("в файле нет столбца «%1» (для поля %2)").arg(i.source, i.field);
    }
    return missing;
}

bool ColumnMapping::titlesOnly(const TabularSheet &sheet, int row)
{
    if (row != 0 || sheet.rows.size() < 2)
        return false;
    const QVector<TabularCell> &cells = sheet.rows[row].cells;
    const bool anyText =
        std::any_of(cells.begin(), cells.end(), [](const TabularCell &c) { return !c.text.trimmed().isEmpty(); });
    return anyText && std::none_of(cells.begin(), cells.end(), [](const TabularCell &c) {
               return c.number || readMoney(c.text, MoneyUnit::Currency).value.has_value();
           });
}

void ColumnMapping::set(const QString &field, const QString &source, std::optional<MoneyUnit> unit)
{
    const ImportField *f = importField(m_target, field);
    if (!f)
        return;
    m_ownOrder = false; // chosen by hand now
    m_items.erase(std::remove_if(m_items.begin(), m_items.end(), [&](const Item &i) { return i.field == f->name; }),
                  m_items.end());
    if (source.isEmpty())
        return;
    Item item{f->name, source, columnNumber(source), unit.value_or(MoneyUnit::Currency), unit.has_value()};
    if (!unit && f->kind == ImportField::Money) {
        bool kopecks = false;
        titleKey(source, &kopecks);
        item.unit = kopecks ? MoneyUnit::Kopecks : MoneyUnit::Currency;
    }
    m_items.append(item);
}

const ColumnMapping::Item *ColumnMapping::item(const QString &field) const
{
    for (const Item &i : m_items)
        if (i.field == field)
            return &i;
    return nullptr;
}

} // namespace tevo
