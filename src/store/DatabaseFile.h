#pragma once
// Making the database: the tables T, M and S with T holding 4000 goods numbered 1 … 4000 and
// M 1000 messages numbered 1 … 1000, every other column empty, S empty; as an SQLite file or
// on a PostgreSQL server. One function makes the tables for both.
#include "store/Schema.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>

namespace tevo {

class DatabaseLocation;
class SqlDialect;

// Runs `work` on a connection of its own to `where` (an SQLite file is made when missing) and
// closes it again; throws DatabaseError with the driver's text. The set-up tool, the tests and
// the benchmarks reach a database this way beside the program's own connection.
void withOwnConnection(const DatabaseLocation &where,
                       const std::function<void(QSqlDatabase &db, const SqlDialect &dialect)> &work);

// Makes the tables on an open connection in one transaction: T with `goodsRows` numbered
// rows, M with `messagesRows`. Tables that exist are left as they are, or dropped and made
// again when `replace` is set. Returns the tables made (of "T", "M", "S"); throws DatabaseError,
// and then nothing is made.
QStringList makeTables(QSqlDatabase &db, const SqlDialect &dialect, bool replace, int goodsRows = kGoodsRowCount,
                       int messagesRows = kMessagesRowCount);

// Makes the file (which must not exist yet); throws DatabaseError.
void makeDatabaseFile(const QString &path);

// Makes the file unless one of that name exists, which is never touched: the tables are made
// under a temporary name and the file takes its name only when complete. True when made;
// throws DatabaseError when it cannot be made.
bool makeDatabaseFileIfMissing(const QString &path);

// Makes the tables in the server database named by a libpq connection string; tables that
// exist are kept unless `replace` is set. The database must store text as UTF-8.
struct ServerTables {
    QStringList made;
    QStringList kept; // existed and were left as they are
};
ServerTables makeServerTables(const QString &connectionString, bool replace);

} // namespace tevo
