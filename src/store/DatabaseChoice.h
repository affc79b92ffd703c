#pragma once
// Which database the program works on. "Database.ini" in the data folder may name a PostgreSQL
// server database:
//
//     [Database]
//     Server=host=shop-server port=5432 dbname=tevo user=kassa
//
// (a libpq connection string; without password= libpq takes the password from the user's
// ~/.pgpass). Without the file, or without a Server value, the program works on the embedded
// file "TevoDataBase.gdb" in the data folder.
#include "store/DatabaseLocation.h"

namespace tevo {

// Throws FileError when "Database.ini" exists but cannot be read.
DatabaseLocation chosenDatabase();

} // namespace tevo
