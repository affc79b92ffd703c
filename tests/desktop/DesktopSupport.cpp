#include "DesktopSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>

#include <csignal>

namespace tevo::test {

QString xdotool(const QStringList &args, bool *ok)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    const bool finished = p.waitForFinished(15000);
    if (ok)
        *ok = finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString visibleWindow(qint64 pid, const QString &pattern, int timeoutMs)
{
    QString found;
    waitFor(
        [&] {
            // --all: every criterion must hold (the process and the name, the last argument).
            found = xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                             QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"), pattern})
                        .section(QLatin1Char('\n'), 0, 0);
            return !found.isEmpty();
        },
        timeoutMs);
    return found;
}

bool windowVisible(const QString &window)
{
    QProcess p;
    p.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    p.waitForFinished(10000);
    return p.readAllStandardOutput().contains("Map State: IsViewable");
}

QString windowProperty(const QString &window, const QString &property)
{
    QProcess p;
    p.start(QStringLiteral("xprop"), {QStringLiteral("-id"), window, property});
    p.waitForFinished(10000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    return out.contains(QLatin1String("not found")) ? QString() : out;
}

void focusWindow(const QString &window)
{
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    processEventsFor(200);
}

void pressKeys(const QStringList &keys)
{
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")} + keys);
}

void typeText(const QString &text)
{
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}

void clickAt(const QPoint &point, int count)
{
    xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
             QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count), QStringLiteral("--delay"),
             QStringLiteral("60"), QStringLiteral("1")});
}

QPoint trayIconCentre(int timeoutMs)
{
    QPoint centre;
    waitFor(
        [&] {
            // trayer's panel: WM_CLASS "panel", "trayer".
            const QString panel =
                xdotool({QStringLiteral("search"), QStringLiteral("--classname"), QStringLiteral("^panel$")})
                    .section(QLatin1Char('\n'), 0, 0);
            if (panel.isEmpty())
                return false;
            // An empty panel is two pixels wide; with an icon it takes the icon's width.
            const QString geometry = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), panel});
            static const QRegularExpression field(QStringLiteral("^(X|Y|WIDTH|HEIGHT)=(-?\\d+)$"),
                                                  QRegularExpression::MultilineOption);
            QRect r;
            for (auto it = field.globalMatch(geometry); it.hasNext();) {
                const auto m = it.next();
                const int v = m.captured(2).toInt();
                if (m.captured(1) == QLatin1String("X"))
                    r.moveLeft(v);
                else if (m.captured(1) == QLatin1String("Y"))
                    r.moveTop(v);
                else if (m.captured(1) == QLatin1String("WIDTH"))
                    r.setWidth(v);
                else
                    r.setHeight(v);
            }
            if (r.width() < 10)
                return false;
            centre = r.center();
            return true;
        },
        timeoutMs);
    return centre;
}

TevoProcess::TevoProcess(const ScratchDir &folder) : m_folder(folder.path())
{
    // The program's folder is where its executable is: it runs from a copy in the scratch one.
    m_program = folder.file(QStringLiteral("tevo"));
    if (!QFile::exists(m_program))
        QFile::copy(binDir() + QStringLiteral("/tevo"), m_program);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The sanitizers' leak report at exit would change the exit status the tests look at.
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
    env.insert(QStringLiteral("HOME"), m_folder);
    m_process.setProcessEnvironment(env);
    m_process.setWorkingDirectory(m_folder);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
}

TevoProcess::~TevoProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool TevoProcess::start(bool expectMainWindow)
{
    m_process.start(m_program, {});
    if (!m_process.waitForStarted(10000))
        return false;
    if (!expectMainWindow)
        return true;
    m_mainWindow = visibleWindow(pid(), QStringLiteral("^Tevo Версия 1.6$"), 30000);
    return !m_mainWindow.isEmpty();
}

void TevoProcess::activate() { focusWindow(m_mainWindow); }

void TevoProcess::sendSignal(int signalNumber) { ::kill(static_cast<pid_t>(pid()), signalNumber); }

bool TevoProcess::waitForEnd(int timeoutMs) { return m_process.waitForFinished(timeoutMs); }

QString TevoProcess::output() { return QString::fromLocal8Bit(m_process.readAll()); }

} // namespace tevo::test
