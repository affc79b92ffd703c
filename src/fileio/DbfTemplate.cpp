#include "fileio/DbfTemplate.h"

namespace tevo {
bool writeDbfTemplate(const QString &path, QString *error)
{
    if (error)
        *error = QStringLiteral("Cannot create file %1").arg(path);
    return false;
}
} // namespace tevo
