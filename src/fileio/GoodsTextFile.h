#pragma once
// The goods text file: the program's own exchange format for the goods table, a profile file
// with one section per named goods row (named by the row's position) and the section Main
// with RecordCount. Automatic loading reads the same format.
#include <QString>
#include <QStringList>

namespace tevo {

class ProfileFile;
class Table;

// The keys the export writes into each record section, in order.
const QStringList &goodsTextWrittenKeys();
// The keys the import reads from each record section, in order.
const QStringList &goodsTextReadKeys();

// The chosen name with ".txt" appended unless it contains ".txt" anywhere (case-sensitive, so
// "GOODS.TXT" becomes "GOODS.TXT.txt").
QString goodsTextExportName(const QString &chosen);

// Writes a fresh goods text file: section n for the n-th row (NPLU order) when its TNAME1 is
// not empty, then Main/RecordCount = the position of the last row written (0 for none). The
// file is written to a temporary file and renamed into place, so a failure leaves an older
// file whole. Leaves `goods` on its last row. Throws FileError "Unable to write to %s".
void exportGoodsText(Table &goods, const QString &path);

// What one load of a goods text file did.
struct GoodsTextLoad {
    int recordCount = 0; // RecordCount of Main (0 when missing or not a number)
    QStringList numbers; // the NPLU texts of the loaded sections, as read, in file order
    // Each loaded number followed by ", " ("1, 2, 5, "), the start of automatic loading's range.
    QString rangeText() const;
};

// Loads a goods text file into `goods`, which the caller has re-read: for n = 1 … RecordCount,
// when section n holds a key, the row at the position given by its NPLU gets NPLU, TNAME1,
// TNAME2, PRICE, UBDATE, TARA, CODE and GROUPCODE (a missing or empty value empties the
// column); the other columns keep their values. NPLU is writable meanwhile. Stops at the
// first bad section; rows stored before stay:
//  - ConversionError "'%s' is not a valid integer value" for an NPLU that is not a number,
//  - InputError for an NPLU outside the table (no other row is touched in its place),
//  - ConversionError "'%s' is not a valid integer value for field '%s'" for a bad number in
//    a whole-number column (that row is left unchanged),
//  - DatabaseError from the store.
GoodsTextLoad loadGoodsText(Table &goods, const ProfileFile &file);

// The import command: re-reads `goods`, reads the file (UTF-8 or Windows-1251) and loads it
// as loadGoodsText does. Throws FileError "Cannot open file %s" when the file cannot be read,
// then as loadGoodsText.
GoodsTextLoad importGoodsText(Table &goods, const QString &path);

} // namespace tevo
