#pragma once
// What the program does with its tables and files, written once for the window and tevo-cli:
// the imports, the exports, the rebuilds of a table and the load of a goods file. Each takes
// the store's guard of long table operations under its one name (a refusal names the operation
// that runs), and ends with an Outcome that the front end shows as it shows things. None shows
// anything itself, and none commits except the load, whose rows are stored before anything
// goes to a scale.
#include "session/Outcome.h"

#include <QString>

namespace tevo {

class ImportPlan;
class Store;
struct ImportOutcome;

// The names of the long table operations (as a refusal names them), as written; operationName
// gives one in the language of the texts.
extern const char *const kImportingGoods;     // "импорт товаров из файла"
extern const char *const kImportingMessages;  // "импорт сообщений из файла"
extern const char *const kRebuildingGoods;    // "создание пустой таблицы товаров"
extern const char *const kRebuildingMessages; // "создание пустой таблицы сообщений"
extern const char *const kAutoLoading;        // "автоматическая загрузка товаров"
QString operationName(const char *name);

enum class TableFile {
    GoodsText,   // the goods text file (*.txt)
    GoodsDbf,    // dBase (*.dbf)
    GoodsCsv,    // semicolon CSV of goods
    GoodsSheet,  // the goods sheet (*.xls), export only
    GoodsXlsx,   // the goods as an Excel workbook (*.xlsx), export only
    MessagesCsv, // semicolon CSV of messages, import only
};

// Done when `file` is a file that can be read; otherwise failed as bad input ("Cannot open
// file …"): what the imports and the load find first.
Outcome fileToRead(const QString &file);

// Reads the file into its table, all or nothing as its format says. Refused while another long
// table operation runs; a file that does not exist fails as bad input ("Cannot open file …").
Outcome importTableFile(Store &store, TableFile format, const QString &file);
// How many goods the dBase import of `file` would store, the file checked as that import
// checks it; throws its FileError or ConversionError. Nothing changes.
int goodsInDbfFile(const QString &file);
// Writes the goods into the file named after `chosen` as the format names it (Outcome::file),
// with what is stored, also what another program stored since this one last looked.
Outcome exportGoods(Store &store, TableFile format, const QString &chosen);
// Applies a checked plan of a tabular import (session/TabularImport) to its table in one
// transaction, all or nothing; Outcome::count is the number of rows that changed, and `details`
// (when given) gets what changed. A plan with problems fails as bad input, changing nothing.
Outcome applyImport(Store &store, const ImportPlan &plan, ImportOutcome *details = nullptr);
// Rebuilds the goods (4000 rows) or the messages (1000 rows) as empty numbered rows.
Outcome rebuildTable(Store &store, bool goods);
// The command line's load of a goods file (the goods text file, or another program's table by
// the mapping remembered for its name), as automatic loading loads it: the whole file
// checked first (a refusal changes nothing), then stored and committed. Outcome::range is the
// goods range its write takes, Outcome::count the file's RecordCount.
Outcome loadGoodsFile(Store &store, const QString &file, bool needClear);

} // namespace tevo
