#pragma once
// The history of the goods and messages as the shop asks for it, written once for the journal
// and history windows and tevo-cli: a goods' changes and deliveries on one time line, the price
// of a goods at a time, the lowest price over the days before a time (for a discount label),
// the revaluation list of a period, and the prices each scale printed in a period; each also as
// a sheet to save (.xlsx, CSV). Times are milliseconds since 1970; dates given as text are the
// computer's local time. Asked about a time before the journal began (or before its oldest
// entries were removed), the answer is refused: the journal cannot know it.
#include "fileio/ReportSheetFile.h"
#include "store/ChangeJournal.h"
#include "store/ScaleLedger.h"

namespace tevo {

class Store;

// "2026-03-03", "03.03.2026", either with " 14:30" or " 14:30:15" (or "T14:30"): the start of
// that day, or with `endOfDay` its end (the last millisecond), unless a time is given. Throws
// InputError naming the text.
qint64 historyTime(const QString &text, bool endOfDay);
QString historyTimeText(qint64 at); // "03.03.2026 14:30:15"

// One goods' (or message's) changes and its deliveries to the scales, each list oldest first.
struct RecordHistory {
    QVector<JournalEntry> changes;
    QVector<ScaleLedger::Delivery> deliveries;
};
RecordHistory recordHistory(Store &store, bool goods, qint64 number);

// The price of goods `number` at `at` (null: it had none). Throws InputError (no such goods, a
// time the journal does not know).
QVariant priceAt(Store &store, qint64 number, qint64 at);

struct LowestPrice {
    qint64 number = 0;
    QString name;
    QVariant priceThen; // at the time asked about
    qint64 lowest = 0;  // over the days before it
};
// Every goods with a price in the `days` days before `at` (or only `number`), by number.
// Throws InputError as priceAt.
QVector<LowestPrice> lowestPrices(Store &store, qint64 at, int days, qint64 number = 0);

struct Revaluation {
    qint64 number = 0;
    QString name;
    QVariant oldPrice;
    QVariant newPrice;
    qint64 at = 0;
    ChangeSource source = ChangeSource::Edit;
    QString detail;
};
// Every price change in [from, to), oldest first.
QVector<Revaluation> revaluations(Store &store, qint64 from, qint64 to);

struct PrintedPrice {
    qint64 number = 0;
    QString name;
    QVariant price;
    qint64 since = 0; // delivered then (before the period: held at its start)
    qint64 until = 0; // replaced then; 0: still held at the period's end
};
// What the scale at row `scaleRow` of S held, goods by goods, within [from, to): the price it
// held at the start and each one delivered in the period.
QVector<PrintedPrice> pricesPrinted(Store &store, int scaleRow, qint64 from, qint64 to);

// The answers as sheets to save.
ReportSheet journalSheet(Store &store, const QVector<JournalEntry> &entries);
ReportSheet revaluationSheet(const QVector<Revaluation> &rows);
ReportSheet lowestPriceSheet(const QVector<LowestPrice> &rows, int days);
ReportSheet printedSheet(const QString &scale, const QVector<PrintedPrice> &rows);
// Saves a sheet as an Excel workbook (`xlsx`) or as CSV. Throws FileError.
void saveSheet(const ReportSheet &sheet, const QString &path, bool xlsx);

} // namespace tevo
