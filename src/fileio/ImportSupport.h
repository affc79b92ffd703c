#pragma once
// Pieces shared by the imports that select table rows by their position.
#include "store/Table.h"

#include <QByteArray>
#include <QString>

namespace tevo {

// The 0-based row at the 1-based position `number`; a number outside the table throws
// InputError naming it, so that no other row is overwritten in its place. `what` names the
// kind of row ("Goods", "Message").
int rowAtPosition(const Table &table, qint64 number, const QString &what);
// The same for a table of `rowCount` rows.
int rowAtPosition(int rowCount, qint64 number, const QString &what);

// The whole of the file at `path`; a folder, a file that cannot be opened or read throws
// FileError "Cannot open file …".
QByteArray readWholeFile(const QString &path);

} // namespace tevo
