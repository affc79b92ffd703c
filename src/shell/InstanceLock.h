#pragma once
// One copy of the program per data folder: a lock file beside the database, held for the whole
// run. A second copy on the same folder finds it held by a running copy, says so and ends,
// instead of fighting the first over the database. A lock left by a copy that no longer runs
// (a crash, a power cut) is taken over.
#include <QLockFile>
#include <QString>

namespace tevo {

class InstanceLock {
public:
    // The lock file for the database at `databasePath`.
    explicit InstanceLock(const QString &databasePath);

    // Takes the lock. False only when another running copy holds it; a folder where no lock
    // can be made (read-only) does not keep the program from starting.
    bool claim();
    // The text the second copy shows before it ends.
    QString refusalText() const;

    QString lockPath() const { return m_path; }

private:
    QString m_path;
    QString m_databasePath;
    QLockFile m_lock;
};

} // namespace tevo
