#pragma once
// The real desktop of these tests (tests/desktop/with-tray.sh: Xvfb with trayer as the tray
// host, no window manager), reached through xdotool as a person would reach it, and the
// program itself as a process of its own in a scratch folder.
#include "TestSupport.h"

#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

namespace tevo::test {

// Runs xdotool; its standard output, trimmed. `ok` tells whether it exited with 0.
QString xdotool(const QStringList &args, bool *ok = nullptr);
// The first visible window of process `pid` whose name matches `pattern` (a regular
// expression), waiting up to `timeoutMs`; empty when there is none.
QString visibleWindow(qint64 pid, const QString &pattern, int timeoutMs = 10000);
bool windowVisible(const QString &window);
// An X property of a window as xprop prints it ("" when it is not set).
QString windowProperty(const QString &window, const QString &property);
// Gives the keyboard to the window and types keys or text there.
void focusWindow(const QString &window);
void pressKeys(const QStringList &keys);
void typeText(const QString &text);
// Clicks at a point of the screen `count` times (a double click with 2).
void clickAt(const QPoint &point, int count = 1);
// The middle of the tray host's panel once an icon is embedded in it (the tests have one icon
// at a time); a null point when none appears.
QPoint trayIconCentre(int timeoutMs = 10000);

// The program started from a folder of its own (which is what "beside the program" means to
// it), with a fresh database there.
class TevoProcess {
public:
    explicit TevoProcess(const ScratchDir &folder);
    ~TevoProcess();

    // Starts the program; true once its main window is shown (or, with `expectMainWindow`
    // false, once the process runs).
    bool start(bool expectMainWindow = true);
    qint64 pid() const { return m_process.processId(); }
    const QString &mainWindow() const { return m_mainWindow; }
    // Makes the main window the active one, as a click on it would; its activation steps run.
    void activate();
    bool running() const { return m_process.state() == QProcess::Running; }
    void sendSignal(int signalNumber);
    // Waits for the end; true when it ended by itself within the time.
    bool waitForEnd(int timeoutMs = 15000);
    bool endedNormally() const { return m_process.exitStatus() == QProcess::NormalExit; }
    int exitCode() const { return m_process.exitCode(); }
    QString output();

private:
    QString m_program;
    QString m_folder;
    QString m_mainWindow;
    QProcess m_process;
};

} // namespace tevo::test
