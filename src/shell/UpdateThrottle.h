#pragma once
// Brings something shown up to date at most once an interval (33 ms: about 30 times a second),
// however often it changes. The first change after a quiet interval is shown at once; changes
// that follow within the interval are gathered and shown together when it is up. So a slow
// exchange looks as it always did, and a fast one costs one repaint per interval rather than
// one per record.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace tevo {

class UpdateThrottle : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 33;

    // `show` brings what is shown up to date with everything changed so far.
    explicit UpdateThrottle(std::function<void()> show, QObject *parent = nullptr);

    // Something changed: shown now, or when the interval since the last showing is up.
    void changed();
    // Shows what is waiting now (an exchange ends, a test looks).
    void showNow();
    // Forgets that something is waiting (what was waiting has been dropped).
    void cancel() { m_timer.stop(); }
    bool waiting() const { return m_timer.isActive(); }

private:
    std::function<void()> m_show;
    QTimer m_timer;
    QElapsedTimer m_sinceShown;
};

} // namespace tevo
