#pragma once
// What the fuzz targets share: the Qt application object, a scratch folder with a fresh
// database, and writing fuzz bytes to a file.
#include <QByteArray>
#include <QString>

namespace tevo::fuzz {

// Makes the QCoreApplication once (offscreen, C locale) and silences Qt's own messages.
void initApplication();

// A temporary folder that lives as long as the process (under /dev/shm when writable).
QString scratchDir();

// Makes a database file in the scratch folder with empty T, M (the program's 4000 and 1000
// rows unless fewer are asked for) and S, and returns its path. Importers re-read the whole
// table on every input, so their targets keep the tables short: numbers past the end are
// then as common as numbers inside.
QString makeScratchDatabase(const QString &fileName, int goodsRows = -1, int messagesRows = -1);

// Writes bytes to a file in the scratch folder and returns its path.
QString writeScratchFile(const QString &fileName, const QByteArray &bytes);

// Drops the error texts that were reported while no handler is installed.
void dropReportedErrors();

} // namespace tevo::fuzz
