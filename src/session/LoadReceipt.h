#pragma once
// The receipt of one automatic load, written beside the watched file as
// "<file>.tevo-result.json" so that the program that wrote the file (an accounting program)
// can see how it went: when, whether the file was loaded, how many goods changed and in which
// columns, every line that could not be stored (nothing is stored then), and, when the goods
// went on to the scales, which scales took the write and which records each refused. The JSON
// keys are English and stable; the texts in it are the program's Russian ones:
//     {"file": …, "time": "2026-12-09T22:41:10+02:00", "loaded": true, "storedRows": 3,
//      "changedGoods": 2, "columns": ["Цена (коп.)"], "problems": [], "range": "1-3",
//      "write": {"started": true, "end": "finished", "complete": false,
//                "scales": [{"row": 1, "name": "Касса 1", "taken": 3, "total": 3,
//                            "refused": [], "unreachable": "", "timedOut": false, …}]}}
#include "exchange/ExchangeReport.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace tevo {

struct LoadReceipt {
    QString file;
    QDateTime time;
    bool loaded = false;      // the file's goods were stored
    int storedRows = 0;       // rows of the file stored
    int changedGoods = 0;     // goods rows whose values changed
    QStringList columns;      // titles of the columns that changed
    QString mapping;          // the column mapping of a tabular file
    QStringList problems;     // every line that could not be stored (or why the file was refused)
    QString error;            // the store failed, or the file could not be read
    QString range;            // the goods range the write takes
    bool writeWanted = false; // "Автоматически загружать товары в выбранные весы"
    bool writeStarted = false; // the write began
    std::optional<ExchangeReport> write;

    // "<file>.tevo-result.json"
    static QString pathFor(const QString &file);
    QJsonObject toJson() const;
    // Writes the receipt whole (through a temporary file). Throws FileError.
    void save() const;
};

} // namespace tevo
