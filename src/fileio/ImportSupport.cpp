#include "fileio/ImportSupport.h"

#include "common/Error.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
// The texts of this unit, translated under the context "ImportSupport".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ImportSupport)
};
} // namespace

namespace tevo {
int rowAtPosition(const Table &table, qint64 number, const QString &what)
{
    return rowAtPosition(table.count(), number, what);
}

int rowAtPosition(int rowCount, qint64 number, const QString &what)
{
    if (number >= 1 && number <= rowCount)
        return static_cast<int>(number - 1);
    if (rowCount == 0)
        throw InputError(Tr::tr("%1 number %2 is outside the table: the table is empty").arg(what).arg(number));
    throw InputError(Tr::tr("%1 number %2 is outside the table (1-%3)").arg(what).arg(number).arg(rowCount));
}

QByteArray readWholeFile(const QString &path)
{
    QFile f(path);
    if (QFileInfo(path).isDir() || !f.open(QIODevice::ReadOnly))
        throw FileError(Tr::tr("Cannot open file %1").arg(path));
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw FileError(Tr::tr("Cannot open file %1").arg(path));
    return bytes;
}

} // namespace tevo
