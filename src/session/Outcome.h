#pragma once
// How an operation of the session ended: done (with its text), refused before it changed
// anything (another long table operation runs, a start the exchange turned down), or failed
// with the error of the layer below. Each front end shows it its own way: a box, a balloon, a
// line on the terminal, JSON.
#include "common/Error.h"

#include <QString>

namespace tevo {

struct Outcome {
    enum class Result { Done, Refused, Failed };
    // What failed: bad input (a value, a number outside a table, a file that is not what it
    // should be), the file system, the database, or a database another program holds.
    enum class Cause { None, Input, File, Database, DatabaseBusy };

    Result result = Result::Done;
    Cause cause = Cause::None;
    QString text;  // the end text, the refusal or the error's own text
    QString file;  // the file an export wrote
    int count = 0; // rows an import or a load stored
    QString range; // the goods range a load's write takes

    bool done() const { return result == Result::Done; }

    static Outcome success(const QString &text);
    static Outcome refused(const QString &text);
    static Outcome failed(const Error &error);
    static Outcome failed(Cause cause, const QString &text);
};

} // namespace tevo
