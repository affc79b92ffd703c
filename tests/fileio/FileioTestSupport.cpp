#include "FileioTestSupport.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace tevo::test {

QStringList StoreFixture::goodsSnapshot()
{
    QStringList out;
    Table &t = goods();
    for (int r = 0; r < t.count(); ++r) {
        QStringList row;
        for (const ColumnDef &c : t.columns())
            row << (t.isNull(r, c.name) ? QStringLiteral("<null>") : t.text(r, c.name));
        out << row.join(QLatin1Char('|'));
    }
    return out;
}

PythonResult runPython(const QString &script, const QStringList &args)
{
    const QString python = QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                                 : QStringLiteral("python3");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PYTHONIOENCODING"), QStringLiteral("utf-8"));
    p.setProcessEnvironment(env);
    QStringList all = {QStringLiteral("-c"), script};
    all += args;
    p.start(python, all);
    PythonResult r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("python did not finish");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace tevo::test
