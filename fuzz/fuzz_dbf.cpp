// Fuzzes the dBase reader: the table checks on bytes in memory, every value of every record,
// the goods conversion, and the import of the bytes as a file against a scratch database.
#include "FuzzSupport.h"

#include "common/Error.h"
#include "fileio/DbfExchange.h"
#include "fileio/DbfFile.h"
#include "store/Store.h"

#include <cstdint>

using namespace tevo;

namespace {
Store *store = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::initApplication();
    const QString db = fuzz::makeScratchDatabase(QStringLiteral("dbf.db"), 64, 64);
    store = new Store; // lives as long as the process
    store->openTables(db);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 65536)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    bool parsed = false;
    try {
        (void)DbfTable::parseHeader(bytes, QStringLiteral("fuzz.dbf"));
    } catch (const Error &) {
    }
    try {
        const DbfTable table = DbfTable::parse(bytes, QStringLiteral("fuzz.dbf"));
        parsed = true;
        (void)table.version();
        (void)table.languageDriver();
        (void)table.fieldIndex(QStringLiteral("PRODNAME"));
        for (int r = 0; r < table.recordCount(); ++r) {
            (void)table.isDeleted(r);
            for (int f = 0; f < table.fields().size(); ++f) {
                const QByteArray raw = table.rawValue(r, f);
                if (table.fields().at(f).isNumeric())
                    (void)dbfReadNumber(raw);
                else
                    (void)dbfReadCharacter(raw);
            }
        }
        (void)goodsFromDbf(table);
    } catch (const Error &) {
    }
    // The whole import only for what the reader took, so time goes to the reader.
    if (parsed) {
        const QString path = fuzz::writeScratchFile(QStringLiteral("input.dbf"), bytes);
        try {
            importGoodsDbf(store->goods(), path);
        } catch (const Error &) {
        }
    }
    fuzz::dropReportedErrors();
    return 0;
}
