#include "store/DatabaseChoice.h"

#include "common/AppPaths.h"
#include "common/ProfileFile.h"

namespace tevo {

DatabaseLocation chosenDatabase()
{
    ProfileFile choice(besideProgram(QLatin1String(kDatabaseChoiceFileName)));
    choice.loadOrThrow();
    const QString server = choice.readString(QStringLiteral("Database"), QStringLiteral("Server"));
    if (!server.isEmpty())
        return DatabaseLocation::server(server);
    return DatabaseLocation::file(besideProgram(QLatin1String(kDatabaseFileName)));
}

} // namespace tevo
