#include "session/Outcome.h"

namespace tevo {

Outcome Outcome::success(const QString &text)
{
    Outcome o;
    o.text = text;
    return o;
}

Outcome Outcome::refused(const QString &text)
{
    Outcome o;
    o.result = Result::Refused;
    o.text = text;
    return o;
}

Outcome Outcome::failed(Cause cause, const QString &text)
{
    Outcome o;
    o.result = Result::Failed;
    o.cause = cause;
    o.text = text;
    return o;
}

Outcome Outcome::failed(const Error &error)
{
    if (dynamic_cast<const DatabaseBusyError *>(&error))
        return failed(Cause::DatabaseBusy, error.text());
    if (dynamic_cast<const DatabaseError *>(&error))
        return failed(Cause::Database, error.text());
    if (dynamic_cast<const FileError *>(&error))
        return failed(Cause::File, error.text());
    return failed(Cause::Input, error.text());
}

} // namespace tevo
