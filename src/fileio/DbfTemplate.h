#pragma once
#include <QString>

namespace tevo {
// Writes the empty dBase table with the seven goods fields that the goods export starts from.
bool writeDbfTemplate(const QString &path, QString *error);
} // namespace tevo
