// The client's own limit on a wait for the server.
#include "store/ServerDeadline.h"

#include <QSqlDriver>
#include <QVariant>

#include <libpq-fe.h>
#include <sys/socket.h>

namespace tevo {
namespace {

// The socket of a PostgreSQL connection; -1 for another driver or a closed connection.
int serverSocket(const QSqlDatabase &db)
{
    if (!db.isOpen() || !db.driver())
        return -1;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return -1;
    PGconn *connection = *static_cast<PGconn *const *>(handle.constData());
    return connection ? PQsocket(connection) : -1;
}

} // namespace

ServerDeadline::~ServerDeadline()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void ServerDeadline::arm(const QSqlDatabase &db, int ms)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_depth++ > 0)
        return;
    m_fired = false;
    m_socket = ms > 0 ? serverSocket(db) : -1;
    if (m_socket < 0)
        return;
    m_until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    if (!m_thread.joinable())
        m_thread = std::thread([this] { watch(); });
    m_changed.notify_all();
}

void ServerDeadline::disarm()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_depth > 0 && --m_depth == 0)
        m_socket = -1;
}

bool ServerDeadline::ranOut()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_fired;
}

void ServerDeadline::watch()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_quit) {
        if (m_socket < 0) {
            m_changed.wait(lock);
            continue;
        }
        if (m_changed.wait_until(lock, m_until) == std::cv_status::timeout && m_socket >= 0
            && std::chrono::steady_clock::now() >= m_until) {
            // The driver's wait on this socket ends at once with a broken connection.
            ::shutdown(m_socket, SHUT_RDWR);
            m_socket = -1;
            m_fired = true;
        }
    }
}

} // namespace tevo
