#pragma once
// Automatic loading of another program's table (CSV or TXT, an Excel workbook, a dBase table)
// as the watched goods file, by the mapping remembered for its name (or found from its header
// row): the same steps as the load of a goods text file (fileio/AutoLoad), with the plan of a
// tabular import checked first and stored all or nothing.
#include "fileio/AutoLoad.h"
#include "fileio/ImportPlan.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <functional>

namespace tevo {

class Store;
class TabularImport;

// True when the bytes are a goods text file of the program's own (sections in brackets; also
// in UTF-16, and an empty file, which its reader refuses with its own words), false for any
// other table.
bool isGoodsTextFile(const QByteArray &bytes);

// The range text of goods numbers as the range field writes it: "1-3, 5, 7-8".
QString rangeOfNumbers(QVector<int> numbers);

// What one tabular load did.
struct TabularLoadResult {
    QString range;         // the goods range to write: the stored numbers, "1-4000" when cleared
    ImportOutcome outcome; // rows stored, goods changed, the columns
};

// The steps of loadGoodsFileAutomatically for a tabular file: open grid edits stored, the
// tables read again when another program changed them, the plan made against the goods and
// refused whole (InputError, the first problem named; nothing changed) when any row cannot be
// stored; then the selection replaced (U := W, `selectionReplaced` told), and in one atomic block
// the goods emptied (`needClear`) and the plan stored. Error when the store fails (the goods as
// they were).
TabularLoadResult loadTabularFileAutomatically(Store &store, const TabularImport &import, bool needClear,
                                               const std::function<void(int selected)> &selectionReplaced = {});

} // namespace tevo
