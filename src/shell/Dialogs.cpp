#include "shell/Dialogs.h"

#include "common/ErrorSink.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QPointer>
#include <QQueue>
#include <QTimer>
#include <QUrl>

#include <QCoreApplication>
#include <cstdio>

namespace tevo {
namespace {

struct Answer {
    int answer = 0;
    std::function<void()> whileShown;
};

struct Script {
    bool on = false;
    QQueue<Answer> answers;
    QQueue<QString> fileNames;
    QStringList texts;
    QList<Dialogs::Kind> kinds;
    QList<QUrl> documents;
    QString notice; // the open notice box's text (scripted mode)
    bool noticeOpen = false;
};

// The notice box (shown, not scripted) and how many were opened.
QPointer<QMessageBox> &noticeBox()
{
    static QPointer<QMessageBox> box;
    return box;
}

int &noticesOpened()
{
    static int n = 0;
    return n;
}

Script &script()
{
    static Script s;
    return s;
}

QPointer<QWidget> &mainWindow()
{
    static QPointer<QWidget> w;
    return w;
}

bool &endingFlag()
{
    static bool ending = false;
    return ending;
}

// The next scripted answer; `fallback` without one. Runs what happens while the box is open.
int scriptedAnswer(int fallback)
{
    Script &s = script();
    if (s.answers.isEmpty())
        return fallback;
    Answer a = s.answers.dequeue();
    if (a.whileShown)
        a.whileShown();
    return a.answer;
}

// The answer of a box that is not shown because the program is ending: "no" where there is one.
int endingAnswer(QMessageBox::StandardButtons buttons)
{
    for (QMessageBox::StandardButton b : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Abort})
        if (buttons & b)
            return b;
    return buttons & QMessageBox::Ok ? int(QMessageBox::Ok) : int(QMessageBox::Cancel);
}

QString titleOf(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Information:
        return QCoreApplication::translate("tevo::Dialogs", "Информация");
    case Dialogs::Kind::Warning:
        return QCoreApplication::translate("tevo::Dialogs", "Предупреждение");
    case Dialogs::Kind::Error:
        return QCoreApplication::translate("tevo::Dialogs", "Ошибка");
    case Dialogs::Kind::Confirmation:
        return QCoreApplication::translate("tevo::Dialogs", "Подтверждение");
    case Dialogs::Kind::Plain:
        break;
    }
    return QStringLiteral("Tevo");
}

QMessageBox::Icon iconOf(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Information:
        return QMessageBox::Information;
    case Dialogs::Kind::Warning:
        return QMessageBox::Warning;
    case Dialogs::Kind::Error:
        return QMessageBox::Critical;
    case Dialogs::Kind::Confirmation:
        return QMessageBox::Question;
    case Dialogs::Kind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

int defaultAnswer(QMessageBox::StandardButtons buttons)
{
    if (buttons & QMessageBox::Ok)
        return QMessageBox::Ok;
    for (int b = QMessageBox::FirstButton; b <= QMessageBox::LastButton; b <<= 1)
        if (buttons & b)
            return b;
    return QMessageBox::Ok;
}

QWidget *ownerWindow()
{
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    if (QWidget *w = QApplication::activeWindow())
        return w;
    return mainWindow().data();
}

// A window shown while the main window is hidden to the tray or minimized: it stays on top
// and takes the focus once it is shown. True when it was so set.
bool bringToFront(QWidget *window)
{
    QWidget *main = mainWindow().data();
    if (!main || (main->isVisible() && !main->isMinimized()))
        return false;
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QTimer::singleShot(0, window, [window] {
        window->raise();
        window->activateWindow();
    });
    return true;
}

} // namespace

int Dialogs::message(Kind kind, const QString &text, QMessageBox::StandardButtons buttons)
{
    Script &s = script();
    if (s.on) {
        s.texts.append(text);
        s.kinds.append(kind);
        return endingFlag() ? endingAnswer(buttons) : scriptedAnswer(defaultAnswer(buttons));
    }
    if (endingFlag()) {
        std::fprintf(stderr, "tevo: %s: %s\n", qUtf8Printable(titleOf(kind)), qUtf8Printable(text));
        return endingAnswer(buttons);
    }
    QMessageBox box(iconOf(kind), titleOf(kind), text, buttons, ownerWindow());
    bringToFront(&box);
    return box.exec();
}

void Dialogs::notice(Kind kind, const QString &text)
{
    Script &s = script();
    if (s.on) {
        s.texts.append(text);
        s.kinds.append(kind);
        if (!s.noticeOpen && !endingFlag())
            ++noticesOpened();
        s.noticeOpen = !endingFlag();
        s.notice = s.noticeOpen ? text : QString();
        return;
    }
    if (endingFlag()) {
        std::fprintf(stderr, "tevo: %s: %s\n", qUtf8Printable(titleOf(kind)), qUtf8Printable(text));
        return;
    }
    QMessageBox *box = noticeBox().data();
    if (!box) {
        box = new QMessageBox(mainWindow().data());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->setStandardButtons(QMessageBox::Ok);
        box->setObjectName(QStringLiteral("NoticeBox"));
        noticeBox() = box;
    }
    box->setIcon(iconOf(kind));
    box->setWindowTitle(titleOf(kind));
    box->setText(text);
    if (box->isVisible()) {
        box->raise();
        return;
    }
    ++noticesOpened();
    box->setWindowFlag(Qt::WindowStaysOnTopHint, false); // on top only while the main window is away
    bringToFront(box);
    box->show();
}

QString Dialogs::openNotice()
{
    const Script &s = script();
    if (s.on)
        return s.noticeOpen ? s.notice : QString();
    const QMessageBox *box = noticeBox().data();
    return box && box->isVisible() ? box->text() : QString();
}

void Dialogs::closeNotice()
{
    Script &s = script();
    s.noticeOpen = false;
    s.notice.clear();
    if (QMessageBox *box = noticeBox().data())
        box->done(QMessageBox::Ok);
}

int Dialogs::noticeBoxesOpened() { return noticesOpened(); }

namespace {
// A file name asked for (a test's script answers instead; none while the program ends).
QString askFileName(bool save, QWidget *parent, const QString &caption, const QString &filter, const QString &dir)
{
    Script &s = script();
    if (s.on) {
        s.texts.append(caption);
        s.kinds.append(Dialogs::Kind::Plain);
        return s.fileNames.isEmpty() ? QString() : s.fileNames.dequeue();
    }
    if (endingFlag())
        return {};
    return save ? QFileDialog::getSaveFileName(parent, caption, dir, filter)
                : QFileDialog::getOpenFileName(parent, caption, dir, filter);
}
} // namespace

QString Dialogs::openFileName(QWidget *parent, const QString &caption, const QString &filter, const QString &dir)
{
    return askFileName(false, parent, caption, filter, dir);
}

QString Dialogs::saveFileName(QWidget *parent, const QString &caption, const QString &filter, const QString &dir)
{
    return askFileName(true, parent, caption, filter, dir);
}

int Dialogs::execModal(QDialog *dialog)
{
    Script &s = script();
    if (s.on) {
        s.texts.append(dialog->windowTitle());
        s.kinds.append(Kind::Plain);
        const int answer = endingFlag() ? int(QDialog::Rejected) : scriptedAnswer(QDialog::Rejected);
        // The window closes as it would after the person's answer, so its closing steps run.
        dialog->done(answer);
        return answer;
    }
    if (endingFlag())
        return QDialog::Rejected;
    const bool onTop = bringToFront(dialog);
    const int result = dialog->exec();
    if (onTop) // the next time it may open over the shown main window
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint, false);
    return result;
}

bool Dialogs::openDocument(const QUrl &url)
{
    Script &s = script();
    if (s.on) {
        s.documents.append(url);
        return true;
    }
    return QDesktopServices::openUrl(url);
}

void Dialogs::installErrorHandler()
{
    setErrorHandler([](const QString &text) { message(Kind::Error, text, QMessageBox::Ok); });
}

void Dialogs::setMainWindow(QWidget *w) { mainWindow() = w; }
void Dialogs::setEnding(bool ending) { endingFlag() = ending; }
bool Dialogs::ending() { return endingFlag(); }

void Dialogs::setScripted(bool on) { script().on = on; }
bool Dialogs::scripted() { return script().on; }
void Dialogs::setNextAnswer(int answer, std::function<void()> whileShown)
{
    script().answers.enqueue({answer, std::move(whileShown)});
}
void Dialogs::setNextFileName(const QString &fileName) { script().fileNames.enqueue(fileName); }
QStringList Dialogs::shownTexts() { return script().texts; }
QList<Dialogs::Kind> Dialogs::shownKinds() { return script().kinds; }
QList<QUrl> Dialogs::openedDocuments() { return script().documents; }

void Dialogs::reset()
{
    Script &s = script();
    s.answers.clear();
    s.fileNames.clear();
    s.texts.clear();
    s.kinds.clear();
    s.documents.clear();
    s.notice.clear();
    s.noticeOpen = false;
    noticesOpened() = 0;
    if (QMessageBox *box = noticeBox().data())
        box->done(QMessageBox::Ok);
    endingFlag() = false;
}

} // namespace tevo
