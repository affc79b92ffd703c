#pragma once
// The program's start in the user's data folder (see common/AppPaths.h): the folder is made,
// and the database with its empty tables and the dBase template are made there when missing,
// by the same code as tevo-initdb. An existing file is never replaced. Beside the program
// nothing is done: the build makes the files there.
#include <QStringList>

namespace tevo {

// Returns the names of the files made; throws Error when the folder or a file cannot be made.
QStringList prepareDataFolder();

} // namespace tevo
