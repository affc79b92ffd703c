#pragma once
// The two threads of an open serial port and the notices they post to the driver's notifier
// on the user-interface thread. The threads never touch the driver: they hold the port's
// file descriptor, the stop descriptor and the notifier, copied in at open, and hand every
// received block, line event and failure over as a posted event.
#include "serial/LineEvents.h"

#include <QByteArray>
#include <QEvent>
#include <QObject>

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace tevo {

// Notice numbers.
enum : int {
    CommDataNotice = 1025, // wParam: byte count; the block rides along
    CommFailureNotice = 1026,
    CommThreadReadyNotice = 1027, // wParam: 0 reader, 1 writer
    CommEventNotice = 1028,       // lParam: low word event bits, high word modem status
};

// Largest block one read delivers.
inline constexpr int kCommReadBlockSize = 32768;

// One notice, posted to the notifier; the event owns the received block.
class CommNotice : public QEvent {
public:
    static QEvent::Type eventType();

    CommNotice(int notice, quint32 wParam, quint32 lParam, QByteArray block = QByteArray(), quint32 commErrors = 0);

    int notice;
    quint32 wParam;
    quint32 lParam;
    QByteArray block;   // CommDataNotice: exactly wParam bytes
    quint32 commErrors; // CommEventNotice with EV_ERR: the line error flags
};

// What a thread gets from the driver at open.
struct CommThreadLink {
    int handle = -1;                           // the port
    int stopEvent = -1;                        // eventfd, readable once the threads must stop
    QObject *notifyWindow = nullptr;           // lives on the user-interface thread
    const std::atomic<int> *evtChar = nullptr; // the event character, changeable while open
    std::atomic<quint64> *postedNotices = nullptr;
};

// Reader: sleeps until bytes, a line change or the stop signal arrive; gathers a burst of
// bytes until the line has been quiet for 1 ms or 32768 bytes are in, and posts it as one
// block. On a device that keeps interrupt counters (a real UART or USB adapter) it also
// reports modem line changes, breaks and line errors; a pseudo-terminal has none.
class TReadThread {
public:
    explicit TReadThread(const CommThreadLink &link);
    ~TReadThread(); // joins
    TReadThread(const TReadThread &) = delete;
    TReadThread &operator=(const TReadThread &) = delete;

    void start(); // throws std::system_error or std::bad_alloc
    void join();

private:
    enum class Burst { Delivered, Stopped, Failed };

    void run();
    bool body();
    Burst readBurst();
    bool checkLine(quint32 extraBits);
    quint32 modemStatus() const;
    void post(CommNotice *notice);

    CommThreadLink m_link;
    std::thread m_thread;
    std::unique_ptr<char[]> ReaderBuffer;
    quint32 m_lastCommErrors = 0;

    bool m_hasCounts = false;
    LineCounts m_counts;
    quint32 m_pendingErrors = 0;
    int m_lineFd = -1;
    std::unique_ptr<LineWatcher> m_watcher;
};

// Writer: takes queued blocks first in, first out, and writes each one whole before the
// next. Ends on the stop signal (what is still queued is dropped) or on a failed write
// (after a failure notice); from then on it takes no more blocks.
class TWriteThread {
public:
    explicit TWriteThread(const CommThreadLink &link);
    ~TWriteThread(); // joins
    TWriteThread(const TWriteThread &) = delete;
    TWriteThread &operator=(const TWriteThread &) = delete;

    void start(); // throws std::system_error or std::bad_alloc
    void join();

    // Queues a block; false once the thread has ended (or before it was started).
    bool post(QByteArray block);

private:
    enum class Sent { Ok, Quiet, Failed };

    void run();
    Sent send(const QByteArray &block);
    bool stopSignalled() const;
    void post(CommNotice *notice);

    CommThreadLink m_link;
    std::thread m_thread;
    int m_wakeFd = -1;
    std::mutex m_mutex;
    std::deque<QByteArray> m_queue;
    bool m_accepting = false;
};

} // namespace tevo
