#pragma once
// The one way the windows show message boxes, file dialogs and modal windows. A box always has
// an owner: the active window, or the main window, and when the main window is hidden (in the
// tray) or minimized the box stays on top and takes the focus, so it is seen and closing it
// ends nothing. Once the program is ending no box is shown any more: texts go to the standard
// error stream and questions are answered "no". Tests switch it to a scripted mode: nothing is
// shown, answers come from a queue and every text is recorded, so no test ever waits for a
// person.
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QUrl;
class QWidget;

namespace tevo {

class Dialogs {
public:
    enum class Kind {
        Plain, // no icon (the end of a command, the data check)
        Information,
        Warning,
        Error,
        Confirmation // a question
    };

    // Shows a modal message box; returns the button pressed (a QMessageBox::StandardButton).
    static int message(Kind kind, const QString &text, QMessageBox::StandardButtons buttons = QMessageBox::Ok);
    // Shows a message box without waiting for it to be closed: the program goes on meanwhile.
    // There is one such box: while it is open a later notice replaces its text and icon, so
    // notices nobody has read do not pile up (automatic loading, which runs unattended).
    static void notice(Kind kind, const QString &text);
    // The text of the open notice box; empty when none is open.
    static QString openNotice();
    // Closes the notice box as its OK button does.
    static void closeNotice();
    // How many times a notice box has been opened (a replaced text opens none).
    static int noticeBoxesOpened();

    // File dialogs; an empty text when cancelled.
    static QString openFileName(QWidget *parent, const QString &caption, const QString &filter, const QString &dir = {});
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &filter, const QString &dir = {});
    // Shows the dialog modally; returns its result.
    static int execModal(QDialog *dialog);

    // Opens a document (the user guide) in the system's viewer; false when that fails.
    static bool openDocument(const QUrl &url);

    // The common error box: every failure reported through tevo::reportError is shown here.
    static void installErrorHandler();

    // The owner of boxes shown while no window of the program is active.
    static void setMainWindow(QWidget *mainWindow);
    // The program is ending (or saving for the end of the desktop session): no box is shown.
    static void setEnding(bool ending);
    static bool ending();

    // --- scripted mode, for tests ---
    static void setScripted(bool on);
    static bool scripted();
    // The next answer of a message box or modal window. Without a prepared answer a message
    // box gives OK (or its first button) and a modal window gives QDialog::Rejected.
    // `whileShown` runs while that box "is open", before it answers: what arrives meanwhile
    // (timer ticks, socket events) is given to it by processing events there.
    static void setNextAnswer(int answer, std::function<void()> whileShown = {});
    // The next result of a file dialog; without one the dialog counts as cancelled.
    static void setNextFileName(const QString &fileName);
    // Texts of the message boxes shown, and captions of the dialogs, in order.
    static QStringList shownTexts();
    // Kinds of the message boxes shown, in the order of their texts.
    static QList<Kind> shownKinds();
    // Documents that would have been opened, in order (nothing is opened in scripted mode).
    static QList<QUrl> openedDocuments();
    // Forgets shown texts, opened documents, unused answers and the notice box, and leaves the
    // ending mode. In scripted mode a notice box stays open until closeNotice.
    static void reset();
};

} // namespace tevo
