#pragma once
// Making the database file: the tables T, M and S with T holding 4000 goods numbered
// 1 … 4000 and M 1000 messages numbered 1 … 1000, every other column empty, S empty.
#include <QString>

namespace tevo {

// Makes the file (which must not exist yet); throws DatabaseError.
void makeDatabaseFile(const QString &path);

// Makes the file unless one of that name exists, which is never touched: the tables are made
// under a temporary name and the file takes its name only when complete. True when made;
// throws DatabaseError when it cannot be made.
bool makeDatabaseFileIfMissing(const QString &path);

} // namespace tevo
