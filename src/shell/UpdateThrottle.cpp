#include "shell/UpdateThrottle.h"

namespace tevo {

UpdateThrottle::UpdateThrottle(std::function<void()> show, QObject *parent) : QObject(parent), m_show(std::move(show))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &UpdateThrottle::showNow);
}

void UpdateThrottle::changed()
{
    if (m_timer.isActive())
        return;
    const qint64 since = m_sinceShown.isValid() ? m_sinceShown.elapsed() : kIntervalMs;
    if (since >= kIntervalMs)
        showNow();
    else
        m_timer.start(int(kIntervalMs - since));
}

void UpdateThrottle::showNow()
{
    m_timer.stop();
    m_sinceShown.start();
    m_show();
}

} // namespace tevo
