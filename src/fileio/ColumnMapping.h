#pragma once
// Which column of a tabular file fills which column of the goods or messages table, and in
// which unit a price column is. A mapping is found from the file's header row (titles in
// Russian, Ukrainian and English: "PLU", "Код", "Наименование", "Назва", "Цена, грн", "Ціна",
// "Price", "Срок годности", "Тара", "Группа" …, and the program's own grid titles), completed
// or changed by hand, and written as text, as tevo-cli's --map and the remembered mappings
// hold it:
//     PLU=Код,TNAME1=Наименование,PRICE=Цена:грн
// Each item is FIELD=SOURCE: FIELD a table column (NPLU or PLU, TNAME1, …; for messages NPLU,
// TEXT for the whole message, M1 … M8), SOURCE a column title of the header row, or #N for the
// N-th column (1-based) of a file without one; a title holding "," "=" ":" or '"' stands in
// double quotes ("" for a quote). A price source may end in ":грн" (currency units, kopecks
// worked out) or ":коп" (kopecks as they stand).
// The header row is the first of the first 20 rows that holds two known titles and no number
// (a row of data has its PLU number, whatever its names say). A price is in currency units unless its title says kopecks
// ("коп", "копійок", "kop") or the mapping marks it so. A file without a header row is taken in the program's own column order
// (number; name 1; name 2; price in kopecks; shelf life; tare; code; group code — for messages
// number; text), which its own semicolon files use.
#include "fileio/MoneyText.h"
#include "fileio/TabularFile.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace tevo {

enum class ImportTarget { Goods, Messages };

// A column of the table that an import can fill.
struct ImportField {
    QString name;  // NPLU, TNAME1, …, TEXT
    QString title; // as the grid names it ("Цена (коп.)"), for messages
    enum Kind { Number, WholeNumber, Money, Text, MessageText } kind;
};

// The fields of a target in table order, the number first, titled in the language of the program.
QVector<ImportField> importFields(ImportTarget target);
// The field of that name (PLU counts as NPLU), nullptr when none; its title is the Russian one
// (the files' title), translated by importFields only.
const ImportField *importField(ImportTarget target, const QString &name);

class ColumnMapping {
public:
    struct Item {
        QString field;   // an ImportField name
        QString source;  // a title of the header row, or "#N"
        int column = -1; // 0-based column of the sheet, once resolved
        MoneyUnit unit = MoneyUnit::Currency;
        bool unitGiven = false; // ":грн" / ":коп" written (otherwise taken from the title)
    };

    ColumnMapping() = default;
    explicit ColumnMapping(ImportTarget target) : m_target(target) {}

    ImportTarget target() const { return m_target; }
    const QVector<Item> &items() const { return m_items; }
    // The 0-based index, among the sheet's rows, of the header row; -1 for a file without one.
    int headerRow() const { return m_headerRow; }

    // The mapping a sheet's header row gives (see the head of this file), resolved.
    static ColumnMapping detect(const TabularSheet &sheet, ImportTarget target);
    // A mapping written as text; throws InputError (Russian) for an unknown field, an item
    // without "=", an unknown unit, a field named twice.
    static ColumnMapping fromText(const QString &text, ImportTarget target);
    QString toText() const;

    // Finds each item's column in the sheet: its header row (the first of the first rows that
    // holds every title named; titles compared without regard to case and blanks) or #N. A
    // mapping of numbers alone takes the header row detect() finds, so that it is not data.
    // Returns the Russian texts of what cannot be found (empty when everything was).
    QStringList resolve(const TabularSheet &sheet);

    // A row of titles none of which need be known: the first row of a sheet of more rows with
    // text in it and no number (a row of data has its PLU), which a mapping by column numbers
    // given by hand takes as the header row (the program's own order found for a file without
    // known titles does not: such a row is told as a bad line), and the import window offers
    // as the columns' names.
    static bool titlesOnly(const TabularSheet &sheet, int row);

    // Sets (or, with an empty source, drops) the item of a field by hand.
    void set(const QString &field, const QString &source, std::optional<MoneyUnit> unit = std::nullopt);
    const Item *item(const QString &field) const;

private:
    ImportTarget m_target = ImportTarget::Goods;
    QVector<Item> m_items;
    int m_headerRow = -1;
    bool m_ownOrder = false; // found: the program's own column order, for a file without titles
};

// The field a column title stands for ("Цена, грн" → PRICE), with the unit its title says;
// empty when the title means nothing known.
QString fieldForTitle(ImportTarget target, const QString &title, MoneyUnit *unit = nullptr);

} // namespace tevo
