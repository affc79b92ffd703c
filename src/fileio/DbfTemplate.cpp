#include "fileio/DbfTemplate.h"

#include "common/WholeFile.h"
#include "fileio/DbfFile.h"


namespace tevo {

QByteArray dbfTemplateBytes()
{
    const QVector<DbfField> fields = {
        {"PRODNAME", 'C', 28, 0, 0},   {"PRODINFO", 'C', 28, 0, 0},  {"UNITPRICE", 'N', 11, 0, 0},
        {"USEBYDATE", 'C', 8, 0, 0},   {"TAREWEIGHT", 'N', 6, 0, 0}, {"PRODCODE", 'N', 11, 0, 0},
        {"PRODGROUP", 'N', 11, 0, 0},
    };
    return DbfWriter(DbfTable::create(fields, kDbfDriverDb866ru0)).bytes();
}

bool writeDbfTemplate(const QString &path, QString *error)
{
    if (!replaceFileWhole(path, dbfTemplateBytes())) {
        if (error)
            *error = QStringLiteral("Cannot create file %1").arg(path);
        return false;
    }
    return true;
}

} // namespace tevo
