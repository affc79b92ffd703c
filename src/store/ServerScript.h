#pragma once
// Several statements sent to the PostgreSQL server as one text, answered in one round trip: the
// end of a transaction (the journal's entries, the announcement, the commit and the change
// counters) costs one wait for the server instead of one for each. The server carries the
// statements out in order and stops at the first that fails; the answer says how many were
// carried out. Values go into the text as the server's own literals, escaped by libpq for the
// connection's encoding; the statements are the program's own, never a user's text.
// Qt's driver keeps only the first answer of such a text and drops a later failure, so the text
// goes through libpq on the driver's connection.
#include <QByteArrayList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

namespace tevo {

struct ServerScriptAnswer {
    int done = 0;                 // statements carried out, in order
    QSqlError error;              // the first that failed; invalid when every one was carried out
    QVector<QByteArrayList> rows; // the rows (as text) of the last statement that gave rows
    struct Announcement {
        QString channel;
        QString payload;
        bool own = false; // sent by this connection
    };
    QVector<Announcement> announcements; // received on the way
};

// Whether `db` is a PostgreSQL connection the text can go through.
bool canSendServerScript(const QSqlDatabase &db);

// Sends `statements` (each without its ';') as one text.
ServerScriptAnswer sendServerScript(const QSqlDatabase &db, const QStringList &statements);

// `sql` with each '?' outside quotes replaced by the next of `binds` as a literal; a null
// QString where a value cannot be written as a literal faithfully (a type other than a number,
// a truth value or a text, or a text the server's escaping refuses): the statement is then
// sent with its values bound instead.
QString withServerLiterals(const QSqlDatabase &db, const QString &sql, const QVariantList &binds);

} // namespace tevo
