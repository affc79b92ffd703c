#include "store/DatabaseLocation.h"

#include "common/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace {
// The texts of this unit, translated under the context "DatabaseLocation".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(DatabaseLocation)
};
} // namespace

namespace tevo {
namespace {

bool isKeyChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

// A value as libpq reads it back: quoted when it is empty or holds blanks, quotes or backslashes.
QString quoted(const QString &value, bool always)
{
    bool plain = !always && !value.isEmpty();
    for (const QChar c : value)
        if (c.isSpace() || c == QLatin1Char('\'') || c == QLatin1Char('\\'))
            plain = false;
    if (plain)
        return value;
    QString out = QStringLiteral("'");
    for (const QChar c : value) {
        if (c == QLatin1Char('\'') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out + QLatin1Char('\'');
}

QString pair(const QString &key, const QString &value, bool alwaysQuote = false)
{
    return key + QLatin1Char('=') + quoted(value, alwaysQuote);
}

} // namespace

ServerConnection ServerConnection::parse(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1String("postgres://")) || trimmed.startsWith(QLatin1String("postgresql://")))
        throw DatabaseError(Tr::tr("The server connection must be written as key=value pairs "
                                   "(host=… port=… dbname=… user=…), not as a URI"));
    ServerConnection c;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && text.at(i).isSpace())
            ++i;
    };
    QString previousKey; // the key before, to say where a fault is without quoting any value
    for (;;) {
        skipBlanks();
        if (i >= n)
            break;
        const qsizetype keyStart = i;
        while (i < n && isKeyChar(text.at(i)))
            ++i;
        const QString key = text.mid(keyStart, i - keyStart);
        skipBlanks();
        // No part of the string is quoted: a value with a blank left unquoted ("password=abc
        // def") would put the rest of a password into the text and the box.
        if (key.isEmpty() || i >= n || text.at(i) != QLatin1Char('='))
            throw DatabaseError(
                previousKey.isEmpty()
                    ? QStringLiteral("missing \"=\" at the start of the connection info string")
                    : QStringLiteral("missing \"=\" after the value of \"%1\" in connection info string (a value "
                                     "with blanks is written in single quotes)")
                          .arg(previousKey));
        ++i;
        skipBlanks();
        QString value;
        if (i < n && text.at(i) == QLatin1Char('\'')) {
            ++i;
            bool closed = false;
            while (i < n) {
                QChar ch = text.at(i++);
                if (ch == QLatin1Char('\\') && i < n) {
                    value += text.at(i++);
                } else if (ch == QLatin1Char('\'')) {
                    closed = true;
                    break;
                } else {
                    value += ch;
                }
            }
            if (!closed)
                throw DatabaseError(Tr::tr("unterminated quoted string in connection info string"));
        } else {
            while (i < n && !text.at(i).isSpace()) {
                QChar ch = text.at(i++);
                if (ch == QLatin1Char('\\') && i < n)
                    ch = text.at(i++);
                value += ch;
            }
        }
        const QString k = key.toLower();
        previousKey = k;
        if (k == QLatin1String("host"))
            c.host = value;
        else if (k == QLatin1String("port"))
            c.port = value;
        else if (k == QLatin1String("dbname"))
            c.dbname = value;
        else if (k == QLatin1String("user"))
            c.user = value;
        else if (k == QLatin1String("password"))
            c.password = value;
        else
            c.options.append({k, value});
    }
    return c;
}

bool ServerConnection::hasOption(const QString &key) const
{
    for (const auto &o : options)
        if (o.first == key)
            return true;
    return false;
}

QString ServerConnection::optionsText() const
{
    QStringList parts;
    for (const auto &o : options)
        parts << pair(o.first, o.second, true);
    return parts.join(QLatin1Char(' '));
}

namespace {
QString joined(const ServerConnection &c, bool withPassword)
{
    QStringList parts;
    const QPair<const char *, const QString *> main[] = {
        {"host", &c.host}, {"port", &c.port}, {"dbname", &c.dbname}, {"user", &c.user}, {"password", &c.password}};
    for (const auto &m : main)
        if (!m.second->isEmpty() && (withPassword || m.second != &c.password))
            parts << pair(QLatin1String(m.first), *m.second);
    for (const auto &o : c.options)
        if (withPassword || !o.first.contains(QLatin1String("password")))
            parts << pair(o.first, o.second);
    return parts.join(QLatin1Char(' '));
}
} // namespace

QString ServerConnection::text() const { return joined(*this, true); }
QString ServerConnection::describe() const { return joined(*this, false); }

DatabaseLocation DatabaseLocation::file(const QString &path)
{
    DatabaseLocation l;
    l.m_engine = DatabaseEngine::Sqlite;
    l.m_text = path;
    return l;
}

DatabaseLocation DatabaseLocation::server(const QString &connectionString)
{
    DatabaseLocation l;
    l.m_engine = DatabaseEngine::Postgres;
    l.m_text = connectionString;
    return l;
}

QString DatabaseLocation::describe() const
{
    if (!isServer())
        return Tr::tr("файл %1").arg(QDir::toNativeSeparators(m_text));
    try {
        return Tr::tr("сервер PostgreSQL %1").arg(ServerConnection::parse(m_text).describe());
    } catch (const Error &) {
        return Tr::tr("сервер PostgreSQL (строка подключения не читается)");
    }
}

} // namespace tevo
