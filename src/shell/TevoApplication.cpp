#include "shell/TevoApplication.h"

#include "common/Error.h"
#include "common/ErrorSink.h"

namespace tevo {

TevoApplication::TevoApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setQuitOnLastWindowClosed(false);
}

bool TevoApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const Error &e) {
        reportError(e.text());
    } catch (const std::exception &e) {
        reportError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace tevo
