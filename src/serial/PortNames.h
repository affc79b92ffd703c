#pragma once
// Serial port names → devices. A scale row names its port "COM0" … "COM9"; the ports file
// beside the program ("SerialPorts.ini") may map a name to a device:
//
//     [Ports]
//     COM3=/dev/ttyUSB0
//
// The file follows the program's profile rules: Windows-1251 (or UTF-8) text, section and key
// names without regard to letter case, a value in quotes taken without them. Without an entry
// COMn is /dev/ttyS(n-1). A name that starts with "/" is a device path and is used as it is; any other
// name is looked for under /dev.
#include <QString>

namespace tevo {

// The device for a port name; empty when the name maps to none (an empty name, or COM0
// without an entry in the ports file).
QString resolveSerialDevice(const QString &portName);

} // namespace tevo
