#pragma once
// Writing a file as a whole: the bytes go to a temporary file beside it, which replaces the old
// file only once every byte is written, so a failure (a full disk, a crash) leaves the old file
// as it was and no part-written file at the name.
#include <QByteArray>
#include <QString>

namespace tevo {

// False when the file could not be written whole; the old file (if any) is then untouched.
// A folder at `path` counts as a failure.
bool replaceFileWhole(const QString &path, const QByteArray &bytes);

} // namespace tevo
