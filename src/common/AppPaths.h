#pragma once
// "Beside the program": the folder of the executable, or the folder a test sets.
#include <QString>

namespace tevo {

QString programDir();
void setProgramDir(const QString &dir);               // tests and tools
QString besideProgram(const QString &fileName);       // programDir() + "/" + fileName

inline constexpr const char *kDatabaseFileName = "TevoDataBase.gdb";
inline constexpr const char *kColumnWidthsFileName = "ScaleTevo_workProp.ini";
inline constexpr const char *kAutoLoadFileName = "AutoLoad.ini";
inline constexpr const char *kSerialPortsFileName = "SerialPorts.ini";
inline constexpr const char *kDbfTemplateFileName = "dorvask.dll";

} // namespace tevo
