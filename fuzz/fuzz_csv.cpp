// Fuzzes the semicolon readers and the goods text file loader: the pure field and line
// splitters on the decoded text, then the goods or messages import (or the goods text load)
// of the bytes as a file against a scratch database.
#include "FuzzSupport.h"

#include "common/Error.h"
#include "common/ProfileFile.h"
#include "common/TextDecoding.h"
#include "fileio/CsvImport.h"
#include "fileio/GoodsTextFile.h"
#include "store/Store.h"
#include "store/Table.h"

#include <cstdint>

using namespace tevo;

namespace {
Store *store = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::initApplication();
    const QString db = fuzz::makeScratchDatabase(QStringLiteral("csv.db"), 64, 64);
    store = new Store; // lives as long as the process
    store->openTables(db);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > 8192)
        return 0;
    const int mode = data[0] % 3;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));

    const QString text = decodeOutsideText(bytes);
    for (const QString &line : splitTextLines(text)) {
        const QStringList fields = csvFields(line);
        if (fields.size() > 1)
            (void)messageLines(fields.at(1));
    }

    const QString path = fuzz::writeScratchFile(QStringLiteral("input.csv"), bytes);
    try {
        switch (mode) {
        case 0:
            importGoodsCsv(store->goods(), path);
            break;
        case 1:
            importMessagesCsv(store->messages(), path);
            break;
        default:
            store->goods().refresh();
            (void)importGoodsText(store->goods(), path);
            break;
        }
    } catch (const Error &) {
        // A refused file is an answer, not a fault.
    }
    fuzz::dropReportedErrors();
    return 0;
}
