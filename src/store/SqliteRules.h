#pragma once
// What the database connection needs to know of SQLite, in one place: how long a statement or
// a commit waits for another process that holds the file, and whether SQLite has rolled the
// running transaction back by itself (it does so on a full disk or an I/O error, among others).
#include <QString>

class QSqlDatabase;
class QSqlError;

namespace tevo::sqlite {

// While the program works a statement or the idle commit waits at most this long for another
// process; the window is never held for longer.
inline constexpr int kWorkingBusyTimeoutMs = 100;
// The last commit, when the program ends, waits this long.
inline constexpr int kClosingBusyTimeoutMs = 5000;
// A program without a window (the command line) waits this long for the window's commit
// before a change of its own gives up.
inline constexpr int kCommandLineBusyTimeoutMs = 5000;

// The connection options that set the working busy timeout when the file is opened.
QString connectOptions();
// Sets the busy timeout of an open connection; false when the connection refused it.
bool setBusyTimeout(const QSqlDatabase &db, int ms);

// Whether a failure is SQLite's "database is locked" (busy or locked): another connection held
// the file for longer than the busy timeout.
bool isBusy(const QSqlError &error);

// PRAGMA data_version: it changes whenever another connection (another program) has committed
// since this one last looked. -1 when it cannot be read.
qint64 dataVersion(const QSqlDatabase &db);

// Called when a statement or a commit failed although the program had begun a transaction:
// true when SQLite has rolled that transaction back by itself, so that the connection is
// outside any transaction and every change since the last commit is gone. Leaves the
// connection as it found it.
bool transactionRolledBack(const QSqlDatabase &db);

} // namespace tevo::sqlite
