#include "FuzzSupport.h"

#include "common/ErrorSink.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QFile>
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
    static QTemporaryDir *dir = [] {
        auto *d = new QTemporaryDir;
        if (!d->isValid()) {
            std::fprintf(stderr, "cannot make a temporary folder\n");
            std::abort();
        }
        return d;
    }();
    return dir->path();
}

QString makeScratchDatabase(const QString &fileName)
{
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
        for (int n = 1; n <= kGoodsRowCount; ++n) {
            q.bindValue(0, n);
            q.exec();
        }
        q.prepare(QStringLiteral("INSERT INTO M (NPLU) VALUES (?)"));
        for (int n = 1; n <= kMessagesRowCount; ++n) {
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
