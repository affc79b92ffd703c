#pragma once
// Shared by the file exchange tests: a scratch database with its tables, and the Python
// readers that check our files the way other programs read them.
#include "store/Store.h"

#include "TestSupport.h"

#include <QString>
#include <QStringList>
#include <ostream>

QT_BEGIN_NAMESPACE
// Readable failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList &l, std::ostream *os)
{
    *os << "[\"" << l.join(QStringLiteral("\", \"")).toStdString() << "\"]";
}
QT_END_NAMESPACE

namespace tevo::test {

class StoreFixture {
public:
    StoreFixture() { store.openTables(dir.database()); }
    Table &goods() { return store.goods(); }
    Table &messages() { return store.messages(); }
    QString file(const QString &name) const { return dir.file(name); }

    // Every goods value as text, row by row (to compare the table before and after).
    QStringList goodsSnapshot();

    ScratchDir dir;
    Store store;
};

struct PythonResult {
    int exitCode = -1;
    QString out; // standard output, UTF-8
    QString err;
};

// Runs `script` with the system's Python 3 (the one that has the Debian reader packages) and
// the given arguments.
PythonResult runPython(const QString &script, const QStringList &args = {});

} // namespace tevo::test
