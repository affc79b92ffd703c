#include "FuzzSupport.h"

#include "common/ErrorSink.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
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
    new QCoreApplication(argc, argv);   // lives as long as the process
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
        QSqlQuery q(db);
        db.transaction();
        for (const QString &sql : createTableStatements())
            if (!q.exec(sql)) {
                std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
                std::abort();
            }
        q.prepare(QStringLiteral("INSERT INTO T (NPLU) VALUES (?)"));
        for (int n = 1; n <= goodsRows; ++n) {
            q.bindValue(0, n);
            q.exec();
        }
        q.prepare(QStringLiteral("INSERT INTO M (NPLU) VALUES (?)"));
        for (int n = 1; n <= messagesRows; ++n) {
            q.bindValue(0, n);
            q.exec();
        }
        db.commit();
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
