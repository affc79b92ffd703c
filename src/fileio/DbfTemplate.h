#pragma once
// The template the goods dBase export starts from: an empty dBase III table beside the program
// ("dorvask.dll", a table despite its name) with the seven goods fields, code page 866 marked
// by the language driver "DB866ru0":
//   PRODNAME   C 28   first name line
//   PRODINFO   C 28   second name line
//   UNITPRICE  N 11   price in kopecks, whole number
//   USEBYDATE  C 8    shelf life (days or dd.mm.yy)
//   TAREWEIGHT N 6    tare, whole number
//   PRODCODE   N 11   goods code, whole number
//   PRODGROUP  N 11   group code, whole number
// The codes are numeric because the goods table holds them as whole numbers; 11 places take
// any 32-bit value with its sign. The export also accepts a template whose fields are of
// character type, in any order, with more fields than these.
#include <QByteArray>
#include <QString>

namespace tevo {
// The bytes of the template table.
QByteArray dbfTemplateBytes();
// Writes the empty dBase table with the seven goods fields that the goods export starts from.
bool writeDbfTemplate(const QString &path, QString *error);
// Writes it unless a file of that name exists, which is never touched. True when written;
// throws FileError when it cannot be written.
bool writeDbfTemplateIfMissing(const QString &path);
} // namespace tevo
