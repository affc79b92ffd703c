#include "fileio/DataFolder.h"

#include "common/AppPaths.h"
#include "common/Error.h"
#include "fileio/DbfTemplate.h"
#include "store/DatabaseFile.h"

#include <QCoreApplication>
#include <QDir>

namespace {
// The texts of this unit, translated under the context "DataFolder".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(DataFolder)
};
} // namespace

namespace tevo {
QStringList prepareDataFolder()
{
    QStringList made;
    if (dataPlace() != DataPlace::UserDataFolder)
        return made;
    const QString dir = dataDir();
    if (!QDir().mkpath(dir))
        throw FileError(Tr::tr("Cannot create folder %1").arg(dir));
    const QString database = besideProgram(QLatin1String(kDatabaseFileName));
    if (makeDatabaseFileIfMissing(database))
        made << database;
    const QString dbfTemplate = besideProgram(QLatin1String(kDbfTemplateFileName));
    if (writeDbfTemplateIfMissing(dbfTemplate))
        made << dbfTemplate;
    return made;
}

} // namespace tevo
