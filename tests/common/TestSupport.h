#pragma once
// Helpers shared by the tests: a scratch folder with a fresh database, waiting on the event
// loop, paths of the built tools.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QProcess;

namespace tevo::test {

// A temporary folder that stands in for "beside the program", holding a fresh database made
// by the set-up tool's code.
class ScratchDir {
public:
    ScratchDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QString databasePath() const;
    void writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// Makes the database file with empty T (4000 rows), M (1000 rows) and S.
void makeDatabase(const QString &path);

// Runs the event loop until cond() holds or the time is up; returns cond().
bool waitFor(const std::function<bool()> &cond, int timeoutMs = 5000);
void processEventsFor(int ms);

QString binDir();      // the folder of tevo and its tools
QString sourceDir();   // the project's source folder

// Another process reading the database: python3's sqlite3 module holds a read transaction on
// the file (a shared lock, which keeps any commit from finishing) until release().
class SqliteReader {
public:
    SqliteReader();
    ~SqliteReader();
    SqliteReader(const SqliteReader &) = delete;
    SqliteReader &operator=(const SqliteReader &) = delete;

    // Starts the reader; true once it holds its read transaction.
    bool hold(const QString &databasePath);
    // Ends the read transaction and the process.
    void release();

private:
    std::unique_ptr<QProcess> m_process;
};

} // namespace tevo::test
