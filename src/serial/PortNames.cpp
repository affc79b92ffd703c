#include "serial/PortNames.h"

#include "common/AppPaths.h"
#include "common/ProfileFile.h"

#include <QRegularExpression>

namespace tevo {
namespace {

// The value of `key` in section [Ports] of the ports file, read by the program's own profile
// rules (Windows-1251 or UTF-8, quotes, case), or an empty string.
QString portsFileEntry(const QString &key)
{
    ProfileFile file(besideProgram(QString::fromLatin1(kSerialPortsFileName)));
    if (!file.load())
        return QString();
    return file.readString(QStringLiteral("Ports"), key);
}

} // namespace

QString resolveSerialDevice(const QString &portName)
{
    const QString name = portName.trimmed();
    if (name.isEmpty())
        return QString();
    if (name.startsWith(QLatin1Char('/')))
        return name;

    const QString mapped = portsFileEntry(name);
    if (!mapped.isEmpty())
        return mapped;

    static const QRegularExpression comName(QStringLiteral("^COM(\\d{1,3})$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = comName.match(name);
    if (m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n < 1)
            return QString();
        return QStringLiteral("/dev/ttyS%1").arg(n - 1);
    }
    return QStringLiteral("/dev/") + name;
}

} // namespace tevo
