#include "serial/PortNames.h"

#include "common/AppPaths.h"

#include <QFile>
#include <QRegularExpression>

namespace tevo {
namespace {

// The value of `key` in section [Ports] of the ports file, or a null string.
QString portsFileEntry(const QString &key)
{
    QFile file(besideProgram(QString::fromLatin1(kSerialPortsFileName)));
    if (!file.open(QIODevice::ReadOnly))
        return QString();

    bool inPorts = false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &raw : lines) {
        QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QChar(0xFEFF)))   // byte order mark of a file saved as UTF-8
            line = line.mid(1).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const int end = line.indexOf(QLatin1Char(']'));
            const QString section = line.mid(1, end < 0 ? -1 : end - 1).trimmed();
            inPorts = section.compare(QLatin1String("Ports"), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inPorts)
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        if (line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1).trimmed();
    }
    return QString();
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

    static const QRegularExpression comName(QStringLiteral("^COM(\\d{1,3})$"),
                                            QRegularExpression::CaseInsensitiveOption);
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
