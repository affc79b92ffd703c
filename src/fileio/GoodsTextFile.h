#pragma once
// The goods text file: the program's own exchange format for the goods table, a profile file
// with one section per named goods row (named by the row's position) and the section Main
// with RecordCount. Automatic loading reads the same format.
#include "store/Table.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace tevo {

class ProfileFile;

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
    int recordCount = 0; // RecordCount of Main
    QStringList numbers; // the NPLU texts of the loaded sections, as read, in section order
    // Each loaded number followed by ", " ("1, 2, 5, "), the start of automatic loading's range.
    QString rangeText() const;
};

// One goods row of a checked goods text file.
struct GoodsTextRow {
    int row = 0;        // the 0-based position its NPLU gives
    QString numberText; // NPLU as the file writes it
    FieldValues values; // NPLU, TNAME1, TNAME2, PRICE, UBDATE, TARA, CODE, GROUPCODE; numbers converted
};

// A goods text file read whole and checked, before anything is stored.
struct GoodsTextContent {
    int recordCount = 0;        // RecordCount of Main, above 0
    QVector<GoodsTextRow> rows; // sections 1 … RecordCount that hold a key, in number order
};

// Checks a parsed goods text file as a whole; `fileName` names it in the errors and `tableRows`
// is the number of goods rows its numbers must fall in. Every error is an InputError naming
// the file, the line and what is wrong:
//  - no section Main, a RecordCount that is missing, not a number or not above 0,
//  - no section 1 … RecordCount holding a key (no goods at all),
//  - in section n: an NPLU that is not a number ("'%s' is not a valid integer value") or
//    outside the table ("Goods number %d is outside the table (1-%d)"), a bad number in a
//    whole-number column ("'%s' is not a valid integer value for field '%s'").
// A missing or empty value empties its column; the other columns of a row keep their values.
// When `checkedBefore` is given, the rows checked before an error in a section are left there.
GoodsTextContent checkGoodsText(const ProfileFile &file, const QString &fileName, int tableRows,
                                GoodsTextContent *checkedBefore = nullptr);

// Reads a goods text file from its bytes (UTF-8 or Windows-1251) and checks it as
// checkGoodsText does; before that an empty file, a UTF-16 one and one with bytes no text
// holds (a binary file) are refused with an InputError that names the file (and the line of
// the first such byte).
GoodsTextContent readGoodsText(const QByteArray &bytes, const QString &fileName, int tableRows);

// Stores the rows of a checked file into `goods` (the table they were checked against): the
// row at each NPLU gets the eight columns; NPLU is writable meanwhile; the current row is the
// last one stored. Not atomic by itself: callers run it in Database::atomically. Throws
// DatabaseError.
GoodsTextLoad storeGoodsText(Table &goods, const GoodsTextContent &content);

// Checks a parsed goods text file against `goods` (which the caller has re-read) and stores
// it, all or nothing: on any error `goods` is as it was. Throws InputError, DatabaseError.
GoodsTextLoad loadGoodsText(Table &goods, const ProfileFile &file);

// The import command: reads the whole file and re-reads `goods`. A file that is no goods text
// file (empty, UTF-16, binary, without [Main] or a RecordCount above 0, without any goods) is
// refused with nothing stored. Otherwise the import keeps its own rule: the sections are
// stored in number order, and a section with a bad value stops it there, the sections before
// it staying stored. Throws FileError "Cannot open file %s" when the file cannot be read, then
// InputError or DatabaseError.
GoodsTextLoad importGoodsText(Table &goods, const QString &path);

} // namespace tevo
