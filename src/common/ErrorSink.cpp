#include "common/ErrorSink.h"

namespace tevo {
namespace {
ErrorHandler &handler()
{
    static ErrorHandler h;
    return h;
}
QStringList &kept()
{
    static QStringList list;
    return list;
}
} // namespace

void setErrorHandler(ErrorHandler h) { handler() = std::move(h); }

void reportError(const QString &text)
{
    if (handler())
        handler()(text);
    else
        kept().append(text);
}

QStringList takeReportedErrors()
{
    QStringList out;
    out.swap(kept());
    return out;
}

} // namespace tevo
