#pragma once
// Goods to and from dBase tables. Fields and goods columns, the same both ways:
//   PRODNAME → TNAME1, PRODINFO → TNAME2, UNITPRICE → PRICE (empty = 0), USEBYDATE → UBDATE,
//   TAREWEIGHT → TARA, PRODCODE → CODE, PRODGROUP → GROUPCODE.
// Text in the file is in code page 866 and the file carries the language driver "DB866ru0".
#include "store/Table.h"

#include <QString>
#include <QVector>

namespace tevo {

class DbfTable;

struct DbfGoodsField {
    QString field;  // dBase field
    QString column; // goods column
};
// The seven fields in the order above.
const QVector<DbfGoodsField> &goodsDbfFields();

// The chosen name with ".dbf" appended unless it contains ".dbf" anywhere (case-sensitive).
QString goodsDbfExportName(const QString &chosen);

// Writes every goods row (NPLU order, empty rows too) into a new table at `path` laid out as
// the template table at `templatePath`; the file is written whole through a temporary file,
// so on any failure nothing is written and an older file stays as it was. Leaves `goods` on
// its last row. Throws FileError:
//  - "Cannot create file %s" (path) when the template cannot be read or the file not written,
//  - "File %s is not a dBase table" / "File %s is damaged: …" for a broken template,
//  - "Field '%s' not found" when the template lacks one of the seven fields,
//  - "Value '%s' of goods %s does not fit field '%s' (%s characters)" when a value is wider
//    than its field (nothing is cut silently);
// and ConversionError "'%s' is not a valid integer value for field '%s'" when a template
// gives a text column (USEBYDATE, say) a numeric field and the text is not a whole number.
void exportGoodsDbf(Table &goods, const QString &path, const QString &templatePath);

// The goods rows of a dBase table, checked: NPLU numbered 1 … n in file order (deleted
// records skipped) and the seven columns. Throws FileError "Field '%s' not found" and
// ConversionError "'%s' is not a valid integer value for field '%s'" (the goods column).
QVector<FieldValues> goodsFromDbf(const DbfTable &table);

// Replaces the goods table by the records of the dBase table at `path`. The file and all its
// values are checked first; the language-driver mark is set to "DB866ru0" (when the file
// carries neither 0x26 nor 0x65; a read-only file is still imported); then the table is
// replaced in one transaction, so on any failure `goods` is as it was. Throws FileError
// ("Cannot open file %s", "File %s is not a dBase table", "File %s is damaged: …",
// "Field '%s' not found"), ConversionError, DatabaseError.
void importGoodsDbf(Table &goods, const QString &path);

// How many goods rows importGoodsDbf would store from the file at `path`, the file checked as
// that import checks it (and throwing as it does); nothing is changed, not even the
// language-driver mark.
int countGoodsDbf(const QString &path);

} // namespace tevo
