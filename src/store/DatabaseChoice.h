#pragma once
// Which database the program works on. "Database.ini" in the data folder may name a PostgreSQL
// server database:
//
//     [Database]
//     Server=host=shop-server port=5432 dbname=tevo user=kassa
//
// (a libpq connection string; without password= libpq takes the password from the user's
// ~/.pgpass). Without the file the program works on the embedded file "TevoDataBase.gdb" in
// the data folder. A Database.ini that names no server (no [Database] section, no Server key —
// "Sever=" —, an empty value, junk) is an error, never a quiet fall-back to a file of this
// computer's own, which would split it off the shop's shared list.
#include "store/DatabaseLocation.h"

namespace tevo {

// Throws FileError when "Database.ini" exists but cannot be read, DatabaseError (naming the file
// and what is wrong) when it names no server.
DatabaseLocation chosenDatabase();

// A warning when "Database.ini" holds a password (password=, sslpassword=) and other users of
// the computer may read the file: empty otherwise. The password itself is not in the text.
QString databaseChoiceWarning();

} // namespace tevo
