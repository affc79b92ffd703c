#pragma once
// The client's own limit on a wait for the server: while a statement, a commit or a begin is
// on its way, a watch thread counts; when the server has not answered within the limit (a
// server process that was stopped, a relay that keeps the socket open after the server went
// quiet), the connection's socket is shut, the driver's wait ends with a lost connection, and
// the program goes on (the next action connects again). The server's own statement_timeout
// ends statements that run long; this ends the waits the server cannot end itself.
#include <QSqlDatabase>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace tevo {

class ServerDeadline {
public:
    ServerDeadline() = default;
    ~ServerDeadline();
    ServerDeadline(const ServerDeadline &) = delete;
    ServerDeadline &operator=(const ServerDeadline &) = delete;

    // Starts the count for a wait on `db` (a PostgreSQL connection; nothing for another driver);
    // `ms` <= 0 sets no limit.
    void arm(const QSqlDatabase &db, int ms);
    // The wait has ended.
    void disarm();
    // The limit ran out during the last wait (its socket is shut): the failure that follows is
    // the server not answering.
    bool ranOut();

    // The wait of one call: armed by the constructor, disarmed by the destructor.
    class Scope {
    public:
        Scope(ServerDeadline &deadline, const QSqlDatabase &db, int ms) : m_deadline(deadline)
        {
            m_deadline.arm(db, ms);
        }
        ~Scope() { m_deadline.disarm(); }
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        ServerDeadline &m_deadline;
    };

private:
    void watch();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::thread m_thread;
    bool m_quit = false;
    int m_socket = -1; // armed: the socket to shut; -1 when nothing is counted
    int m_depth = 0;   // nested arms count once, from the outermost
    std::chrono::steady_clock::time_point m_until;
    bool m_fired = false;
};

} // namespace tevo
