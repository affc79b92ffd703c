// Statements sent to the server as one text through libpq.
#include "store/ServerScript.h"

#include <QSqlDriver>
#include <QVariant>

#include <libpq-fe.h>

#include <memory>

namespace tevo {
namespace {

PGconn *connectionOf(const QSqlDatabase &db)
{
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn *const *>(handle.constData());
}

// The failure as Qt's driver gives it: the server's text and its SQLSTATE.
QSqlError errorOf(PGconn *connection, const PGresult *result)
{
    const char *message = result ? PQresultErrorMessage(result) : PQerrorMessage(connection);
    const char *state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    return QSqlError(QStringLiteral("QPSQL: Unable to create query"), QString::fromUtf8(message).trimmed(),
                     QSqlError::StatementError, state ? QString::fromLatin1(state) : QString());
}

// A null QString where the value has no faithful literal here.
QString literal(PGconn *connection, const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toString();
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 17);
    case QMetaType::QString:
        break;
    default:
        return {}; // bytes, times …: bound as the driver binds them
    }
    const QByteArray text = value.toString().toUtf8();
    std::unique_ptr<char, decltype(&PQfreemem)> escaped(PQescapeLiteral(connection, text.constData(), size_t(text.size())),
                                                        &PQfreemem);
    return escaped ? QString::fromUtf8(escaped.get()) : QString();
}

} // namespace

bool canSendServerScript(const QSqlDatabase &db) { return connectionOf(db) != nullptr; }

ServerScriptAnswer sendServerScript(const QSqlDatabase &db, const QStringList &statements)
{
    ServerScriptAnswer answer;
    PGconn *connection = connectionOf(db);
    if (!connection) {
        answer.error = QSqlError(QStringLiteral("QPSQL: no connection"), QString(), QSqlError::ConnectionError);
        return answer;
    }
    if (!PQsendQuery(connection, statements.join(QLatin1String(";\n")).toUtf8().constData())) {
        answer.error = errorOf(connection, nullptr);
        return answer;
    }
    // Every answer is taken, also after a failure: the connection is then ready for the next.
    while (PGresult *result = PQgetResult(connection)) {
        const ExecStatusType status = PQresultStatus(result);
        if (!answer.error.isValid()) {
            if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) {
                ++answer.done;
                if (status == PGRES_TUPLES_OK) {
                    answer.rows.clear();
                    for (int r = 0; r < PQntuples(result); ++r) {
                        QByteArrayList row;
                        for (int c = 0; c < PQnfields(result); ++c)
                            row << QByteArray(PQgetvalue(result, r, c), PQgetlength(result, r, c));
                        answer.rows << row;
                    }
                }
            } else {
                answer.error = errorOf(connection, result);
            }
        }
        PQclear(result);
    }
    if (!answer.error.isValid() && answer.done < statements.size())
        answer.error = errorOf(connection, nullptr); // the connection broke on the way
    // Announcements that came with the answers are taken here: the driver would not see them
    // until the server sends more.
    const int self = PQbackendPID(connection);
    while (PGnotify *n = PQnotifies(connection)) {
        answer.announcements.append({QString::fromUtf8(n->relname), QString::fromUtf8(n->extra), n->be_pid == self});
        PQfreemem(n);
    }
    return answer;
}

QString withServerLiterals(const QSqlDatabase &db, const QString &sql, const QVariantList &binds)
{
    PGconn *connection = connectionOf(db);
    QString out;
    out.reserve(sql.size() + binds.size() * 8);
    int next = 0;
    bool quoted = false;
    for (const QChar c : sql) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (c == QLatin1Char('?') && !quoted && next < binds.size()) {
            const QString value = literal(connection, binds.at(next++));
            if (value.isNull())
                return {};
            out += value;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace tevo
