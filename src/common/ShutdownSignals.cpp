#include "common/ShutdownSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tevo {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT};
volatile sig_atomic_t g_writeEnd = -1;
struct sigaction g_previous[2];

// Runs in signal context: nothing but write(2), errno kept.
extern "C" void onSignal(int number)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    if (g_writeEnd >= 0) {
        const ssize_t written = ::write(g_writeEnd, &byte, 1);
        (void)written; // a full pipe already holds a request
    }
    errno = saved;
}

} // namespace

ShutdownSignals::ShutdownSignals(QObject *parent) : QObject(parent)
{
    if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        m_pipe[0] = m_pipe[1] = -1;
        return;
    }
    g_writeEnd = m_pipe[1];
    m_notifier = std::make_unique<QSocketNotifier>(m_pipe[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &ShutdownSignals::readPipe);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 2; ++i)
        ::sigaction(kSignals[i], &action, &g_previous[i]);
    m_installed = true;
}

ShutdownSignals::~ShutdownSignals()
{
    restoreHandlers();
    g_writeEnd = -1;
    m_notifier.reset(); // before its descriptor is closed
    for (int fd : m_pipe)
        if (fd >= 0)
            ::close(fd);
}

void ShutdownSignals::restoreHandlers()
{
    if (!m_installed)
        return;
    for (int i = 0; i < 2; ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    m_installed = false;
}

void ShutdownSignals::readPipe()
{
    unsigned char bytes[16];
    const ssize_t n = ::read(m_pipe[0], bytes, sizeof bytes);
    if (n <= 0)
        return;
    restoreHandlers();
    emit received(bytes[0]);
}

} // namespace tevo
