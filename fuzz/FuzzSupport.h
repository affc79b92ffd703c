#pragma once
// What the fuzz targets share: the Qt application object, a scratch folder with a fresh
// database, and writing fuzz bytes to a file.
#include <QByteArray>
#include <QString>

namespace tevo::fuzz {

// Makes the QCoreApplication once (offscreen, C locale) and silences Qt's own messages.
void initApplication();

// A temporary folder that lives as long as the process.
QString scratchDir();

// Makes a database file in the scratch folder with empty T (4000 rows), M (1000 rows) and S,
// and returns its path.
QString makeScratchDatabase(const QString &fileName);

// Writes bytes to a file in the scratch folder and returns its path.
QString writeScratchFile(const QString &fileName, const QByteArray &bytes);

// Drops the error texts that were reported while no handler is installed.
void dropReportedErrors();

} // namespace tevo::fuzz
