#pragma once
// The application object. Its event delivery is the last safety net: a tevo::Error or other
// exception that escapes an event handler is reported in the common error box and the program
// goes on. Closing a window never ends the program by itself (the last one may be a message box
// while the main window is hidden in the tray): the program ends when the main window closes.
#include <QApplication>

namespace tevo {

class TevoApplication : public QApplication {
    Q_OBJECT
public:
    TevoApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace tevo
