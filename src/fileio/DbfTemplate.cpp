#include "fileio/DbfTemplate.h"

#include "common/Error.h"
#include "common/NewFile.h"
#include "common/WholeFile.h"
#include "fileio/DbfFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
// The texts of this unit, translated under the context "DbfTemplate".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(DbfTemplate)
};
} // namespace

namespace tevo {
QByteArray dbfTemplateBytes()
{
    const QVector<DbfField> fields = {
        {"PRODNAME", 'C', 28, 0, 0},  {"PRODINFO", 'C', 28, 0, 0},  {"UNITPRICE", 'N', 11, 0, 0},
        {"USEBYDATE", 'C', 8, 0, 0},  {"TAREWEIGHT", 'N', 6, 0, 0}, {"PRODCODE", 'N', 11, 0, 0},
        {"PRODGROUP", 'N', 11, 0, 0},
    };
    return DbfWriter(DbfTable::create(fields, kDbfDriverDb866ru0)).bytes();
}

bool writeDbfTemplate(const QString &path, QString *error)
{
    if (!replaceFileWhole(path, dbfTemplateBytes())) {
        if (error)
            *error = Tr::tr("Cannot create file %1").arg(path);
        return false;
    }
    return true;
}

bool writeDbfTemplateIfMissing(const QString &path)
{
    if (QFileInfo::exists(path))
        return false;
    const QString temporary = temporaryNameBeside(path);
    QFile f(temporary);
    const QByteArray bytes = dbfTemplateBytes();
    const bool written = f.open(QIODevice::NewOnly) && f.write(bytes) == bytes.size() && f.flush();
    f.close();
    if (!written) {
        QFile::remove(temporary);
        throw FileError(Tr::tr("Cannot create file %1").arg(path));
    }
    return publishUnlessExists(temporary, path);
}

} // namespace tevo
