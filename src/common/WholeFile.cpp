#include "common/WholeFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tevo {

bool replaceFileWhole(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    // A write that the disk stops half-way shows only in the flush; the commit would still
    // put the cut file in place. Left uncommitted, the temporary file is removed.
    if (!file.flush())
        return false;
    return file.commit();
}

} // namespace tevo
