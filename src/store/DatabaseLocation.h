#pragma once
// Where the database is: the embedded SQLite file (the default) or a database on a PostgreSQL
// server, named by a libpq connection string ("host=… port=… dbname=… user=… password=…").
#include <QPair>
#include <QString>
#include <QVector>

namespace tevo {

enum class DatabaseEngine { Sqlite, Postgres };

// A libpq connection string in its key=value form, split the way the Qt driver takes it:
// host, port, database, user and password by themselves, every other key (sslmode,
// connect_timeout, options …) kept in order. Values may be quoted with '…' (\' and \\ inside),
// as libpq reads them. Without a password libpq looks in the user's ~/.pgpass.
struct ServerConnection {
    QString host;
    QString port;
    QString dbname;
    QString user;
    QString password;
    QVector<QPair<QString, QString>> options;

    // Throws DatabaseError naming what cannot be read.
    static ServerConnection parse(const QString &text);
    bool hasOption(const QString &key) const;
    // The other options in libpq's form, each value quoted.
    QString optionsText() const;
    // The whole connection string again, and without its password, for the user to see.
    QString text() const;
    QString describe() const;
};

class DatabaseLocation {
public:
    DatabaseLocation() = default;
    static DatabaseLocation file(const QString &path);
    static DatabaseLocation server(const QString &connectionString);

    DatabaseEngine engine() const { return m_engine; }
    bool isServer() const { return m_engine == DatabaseEngine::Postgres; }
    const QString &path() const { return m_text; }             // the file
    const QString &connectionString() const { return m_text; } // the server
    // What the about box says: "файл …" or "сервер PostgreSQL …" (never the password).
    QString describe() const;

    bool operator==(const DatabaseLocation &other) const
    {
        return m_engine == other.m_engine && m_text == other.m_text;
    }
    bool operator!=(const DatabaseLocation &other) const { return !(*this == other); }

private:
    DatabaseEngine m_engine = DatabaseEngine::Sqlite;
    QString m_text;
};

} // namespace tevo
