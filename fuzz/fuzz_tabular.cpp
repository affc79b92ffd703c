// Fuzzes the readers of other programs' tables: the bytes as a delimited text, workbook or
// dBase file (byte 0 picks the name, so the dBase reader is reached too), every cell through
// the money and number readers, the columns mapped from the header and the import planned and,
// when nothing is wrong with it, applied to a scratch database.
#include "FuzzSupport.h"

#include "common/Error.h"
#include "fileio/ColumnMapping.h"
#include "fileio/ImportPlan.h"
#include "fileio/MoneyText.h"
#include "fileio/TabularFile.h"
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
    const QString db = fuzz::makeScratchDatabase(QStringLiteral("tabular.db"), 64, 64);
    store = new Store; // lives as long as the process
    store->openTables(db);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > 65536)
        return 0;
    const int mode = data[0] % 4;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    const QString path =
        fuzz::writeScratchFile(mode == 3 ? QStringLiteral("input.dbf") : QStringLiteral("input.csv"), bytes);
    try {
        const TabularFile file = readTabularFile(path);
        for (const TabularSheet &sheet : file.sheets)
            for (const TabularRow &row : sheet.rows)
                for (const TabularCell &cell : row.cells) {
                    (void)readMoney(cell.text, MoneyUnit::Currency, cell.number);
                    (void)readWholeNumber(cell.text, cell.number);
                }
        const ImportTarget target = mode == 1 ? ImportTarget::Messages : ImportTarget::Goods;
        Table &table = target == ImportTarget::Goods ? store->goods() : store->messages();
        for (int s = 0; s < file.sheets.size(); ++s) {
            const ColumnMapping mapping = ColumnMapping::detect(file.sheets[s], target);
            (void)ColumnMapping::fromText(mapping.toText(), target);
            const ImportPlan plan(file, s, mapping, table);
            if (plan.ready())
                (void)plan.apply(table);
        }
    } catch (const Error &) {
        // A refused file is an answer, not a fault.
    }
    fuzz::dropReportedErrors();
    return 0;
}
