#pragma once
// Who holds a busy database file. Beside the database "TevoDataBase.gdb" the window holds its
// lock file "TevoDataBase.gdb.lock" for its whole run (QLockFile: its process number, and an
// exclusive flock), and every tevo-cli holds a POSIX read lock on the mark
// "TevoDataBase.gdb.cli" for its whole run (any number of commands at once): CommandLineMark.
// When a change waits in vain for another program's lock, the text names what else holds the
// database now: the window, another tevo-cli, or another program. A process never finds itself
// (F_GETLK sees other processes' locks only; the window's lock file names its process), and
// looking keeps nobody out.
#include "store/DatabaseLocation.h"

#include <QString>

namespace tevo {

class Database;

class CommandLineMark {
public:
    // Holds the mark beside the database file at `databasePath` (nothing for an empty path; a
    // folder where no mark can be made keeps nothing from working).
    explicit CommandLineMark(const QString &databasePath);
    ~CommandLineMark();
    CommandLineMark(const CommandLineMark &) = delete;
    CommandLineMark &operator=(const CommandLineMark &) = delete;

    bool held() const { return m_fd >= 0; }
    static QString markPath(const QString &databasePath) { return databasePath + QStringLiteral(".cli"); }

private:
    int m_fd = -1;
};

// What holds the database at `location` besides this process, as a busy text names it:
// "окно Tevo", "другая команда tevo-cli", both ("окно Tevo или другая команда tevo-cli"), or
// "другая программа" (none of them, or a database server).
QString databaseHolder(const DatabaseLocation &location);

// The text of a failure of `database` through another program's lock ("база данных занята …"
// with the driver's text, how long it waited and the holder); `capital` starts it with a
// capital letter (a box of its own).
QString databaseBusyText(const QString &databaseText, const Database &database, bool capital);

} // namespace tevo
