#include "shell/Dialogs.h"

#include "common/ErrorSink.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QQueue>
#include <QUrl>

namespace tevo {
namespace {

struct Script {
    bool on = false;
    QQueue<int> answers;
    QQueue<QString> fileNames;
    QStringList texts;
    QList<Dialogs::Kind> kinds;
    QList<QUrl> documents;
};

Script &script()
{
    static Script s;
    return s;
}

QString titleOf(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Information:
        return QStringLiteral("Информация");
    case Dialogs::Kind::Warning:
        return QStringLiteral("Предупреждение");
    case Dialogs::Kind::Error:
        return QStringLiteral("Ошибка");
    case Dialogs::Kind::Confirmation:
        return QStringLiteral("Подтверждение");
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
    return QApplication::activeWindow();
}

} // namespace

int Dialogs::message(Kind kind, const QString &text, QMessageBox::StandardButtons buttons)
{
    Script &s = script();
    if (s.on) {
        s.texts.append(text);
        s.kinds.append(kind);
        return s.answers.isEmpty() ? defaultAnswer(buttons) : s.answers.dequeue();
    }
    QMessageBox box(iconOf(kind), titleOf(kind), text, buttons, ownerWindow());
    return box.exec();
}

QString Dialogs::openFileName(QWidget *parent, const QString &caption, const QString &filter, const QString &dir)
{
    Script &s = script();
    if (s.on) {
        s.texts.append(caption);
        s.kinds.append(Kind::Plain);
        return s.fileNames.isEmpty() ? QString() : s.fileNames.dequeue();
    }
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString Dialogs::saveFileName(QWidget *parent, const QString &caption, const QString &filter, const QString &dir)
{
    Script &s = script();
    if (s.on) {
        s.texts.append(caption);
        s.kinds.append(Kind::Plain);
        return s.fileNames.isEmpty() ? QString() : s.fileNames.dequeue();
    }
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

int Dialogs::execModal(QDialog *dialog)
{
    Script &s = script();
    if (s.on) {
        s.texts.append(dialog->windowTitle());
        s.kinds.append(Kind::Plain);
        const int answer = s.answers.isEmpty() ? int(QDialog::Rejected) : s.answers.dequeue();
        // The window closes as it would after the person's answer, so its closing steps run.
        dialog->done(answer);
        return answer;
    }
    return dialog->exec();
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

void Dialogs::setScripted(bool on) { script().on = on; }
bool Dialogs::scripted() { return script().on; }
void Dialogs::setNextAnswer(int answer) { script().answers.enqueue(answer); }
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
}

} // namespace tevo
