#include "FuzzSupport.h"

#include "common/Error.h"
#include "common/ErrorSink.h"
#include "store/DatabaseFile.h"
#include "store/SqlDialect.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace tevo::fuzz {

namespace {
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::abort();
    }
}
} // namespace

void initApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    static int argc = 1;
    static char name[] = "tevo-fuzz";
    static char *argv[] = {name, nullptr};
    new QCoreApplication(argc, argv); // lives as long as the process
    setErrorHandler([](const QString &) {});
}

QString scratchDir()
{
    // In memory where the system offers it: the importers commit row by row. Removed when the
    // process exits normally.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/tevo-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/tevo-fuzz-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        std::abort();
    }
    return dir.path();
}

QString makeScratchDatabase(const QString &fileName, int goodsRows, int messagesRows)
{
    if (goodsRows < 0)
        goodsRows = kGoodsRowCount;
    if (messagesRows < 0)
        messagesRows = kMessagesRowCount;
    const QString path = scratchDir() + QLatin1Char('/') + fileName;
    QFile::remove(path);
    const QString name = QStringLiteral("fuzz-make-") + fileName;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            std::fprintf(stderr, "%s\n", qPrintable(db.lastError().text()));
            std::abort();
        }
        try {
            makeTables(db, SqlDialect::of(DatabaseEngine::Sqlite), false, goodsRows, messagesRows);
        } catch (const DatabaseError &e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.text()));
            std::abort();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return path;
}

QString writeScratchFile(const QString &fileName, const QByteArray &bytes)
{
    const QString path = scratchDir() + QLatin1Char('/') + fileName;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    f.write(bytes);
    return path;
}

void dropReportedErrors() { takeReportedErrors(); }

} // namespace tevo::fuzz
