#include "store/DriverMessages.h"

#include <QString>
#include <QtGlobal>
#include <cstring>

namespace tevo {

namespace {
QtMessageHandler g_previous = nullptr;

void filter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && isDriverWarning(message.toUtf8().constData()))
        return;
    if (g_previous)
        g_previous(type, context, message);
}
} // namespace

bool isDriverWarning(const char *message)
{
    static const char *const prefixes[] = {"QSqlQuery::", "QSqlDatabase", "QPSQL", "QSQLITE", "Unable to free statement"};
    for (const char *p : prefixes)
        if (std::strncmp(message, p, std::strlen(p)) == 0)
            return true;
    return false;
}

void keepDriverWarningsQuiet() { g_previous = qInstallMessageHandler(filter); }

} // namespace tevo
