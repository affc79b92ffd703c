#pragma once
// Where the program's files live.
//
// The files the program keeps (the database, the dBase template, the INI files) live in one
// folder, its data folder:
//  - beside the program, when the user may write to the program's folder (run from the build
//    folder, or from any folder of the user's own);
//  - in the user's own data folder (~/.local/share/Tevo: the application data location of the
//    program "Tevo"), when the program's folder is not writable or is the folder the package
//    installs the programs to (so that even root keeps its files out of /usr/bin).
// Every file of the data folder is reached through besideProgram(), so every caller follows
// the rule.
//
// The files the package ships for reading (the user guide) are found by shippedFile().
#include <QString>

namespace tevo {

enum class DataPlace { BesideProgram, UserDataFolder };

// The folder of the executable, or the folder a test or tool has set.
QString programDir();
void setProgramDir(const QString &dir); // tests and tools; empty: the executable's folder again

// The rule: where the data of a program run from programDir lives. installDir is the folder
// the package installs the programs to.
DataPlace dataPlaceFor(const QString &programDir, const QString &installDir);
DataPlace dataPlace(); // for programDir() and this build's install folder

QString userDataDir();                          // the user's data folder for Tevo (may not exist yet)
QString dataDir();                              // the data folder in use
QString besideProgram(const QString &fileName); // a file of the data folder: dataDir() + "/" + fileName

// A file the package ships (relativePath below its shared folder, e.g. "help/index.html"):
// beside the program in the build folder, <prefix>/share/tevo when installed. Where neither
// holds it, the installed place is returned.
QString shippedFile(const QString &relativePath);

inline constexpr const char *kDatabaseFileName = "TevoDataBase.gdb";
inline constexpr const char *kDatabaseChoiceFileName = "Database.ini"; // a database server instead of the file
inline constexpr const char *kColumnWidthsFileName = "ScaleTevo_workProp.ini";
inline constexpr const char *kAutoLoadFileName = "AutoLoad.ini";
inline constexpr const char *kSerialPortsFileName = "SerialPorts.ini";
inline constexpr const char *kDbfTemplateFileName = "dorvask.dll";
inline constexpr const char *kUserGuideFile = "help/index.html"; // below the shared folder

} // namespace tevo
