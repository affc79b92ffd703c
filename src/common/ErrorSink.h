#pragma once
// The one place failures of the database, file and conversion layers go: the shell installs a
// handler that shows the common error box; without one (tools, tests) texts are kept.
#include "common/Error.h"

#include <QString>
#include <QStringList>
#include <exception>
#include <functional>

namespace tevo {

using ErrorHandler = std::function<void(const QString &text)>;

void setErrorHandler(ErrorHandler handler);
void reportError(const QString &text);

// Texts reported while no handler was installed (read by tests and tools).
QStringList takeReportedErrors();

// Runs f; a tevo::Error or std::exception it throws is reported and false returned.
template <class F> bool guarded(F &&f)
{
    try {
        f();
        return true;
    } catch (const Error &e) {
        reportError(e.text());
    } catch (const std::exception &e) {
        reportError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace tevo
