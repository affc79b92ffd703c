#include "shell/WorkProperties.h"

#include "common/ProfileFile.h"

namespace tevo {

bool WorkProperties::readFastExchange(const QString &path)
{
    ProfileFile file(path);
    if (!file.load())
        return false;
    return file.readString(QLatin1String(kExchangeSection), QLatin1String(kFastExchangeKey)) == QLatin1String("1");
}

void WorkProperties::writeFastExchange(ProfileFile &file, bool on)
{
    file.writeString(QLatin1String(kExchangeSection), QLatin1String(kFastExchangeKey),
                     on ? QStringLiteral("1") : QStringLiteral("0"));
}

bool WorkProperties::readChangedOnly(const QString &path)
{
    ProfileFile file(path);
    if (!file.load())
        return false;
    return file.readString(QLatin1String(kExchangeSection), QLatin1String(kChangedOnlyKey)) == QLatin1String("1");
}

void WorkProperties::writeChangedOnly(ProfileFile &file, bool on)
{
    file.writeString(QLatin1String(kExchangeSection), QLatin1String(kChangedOnlyKey),
                     on ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace tevo
