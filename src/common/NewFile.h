#pragma once
// Making a file that must not replace one of the same name: the file is written under a
// temporary name beside it and then moved to its name only if that name is still free, so a
// half-made file never carries the name and an existing file is never overwritten, even when
// two programs make it at once.
#include <QString>

namespace tevo {

// A name in the same folder that no other program uses for the same purpose.
QString temporaryNameBeside(const QString &path);

// Moves the finished temporary file to path unless a file of that name exists; the temporary
// file is removed in any case. True when the file was moved.
bool publishUnlessExists(const QString &temporaryPath, const QString &path);

} // namespace tevo
