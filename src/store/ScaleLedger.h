#pragma once
// The ledger of what each scale holds: for every scale, by its address (IP and port, or serial
// port and speed; a row of S whose address changes is a new scale), the digest of every goods
// and message record it acknowledged or was read to hold, with when; and when it last answered
// and last took a complete write. It lives in the database beside T, M and S (tables LEDGER and
// LEDGERSEEN, the same SQL on both engines) and is written in the program's one transaction, so
// a second program on the server sees it with the rest of the exchange's changes. On the server
// the rows noted go in batches (SqlDialect::rowsPerChange, one statement each) and whatever is
// left goes at the end of the exchange (flush) or before the ledger is read or changed
// otherwise; on SQLite each row goes at once. Memory holds nothing else of it beyond what one
// call returns. Times are milliseconds since 1970 (UTC).
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace tevo {

class Database;
class Table;

class ScaleLedger {
public:
    enum class Kind { Goods = 1, Messages = 2 };

    explicit ScaleLedger(Database &db) : m_db(db) {}

    // The statements that make the ledger's tables where they are missing (tevo-initdb, and an
    // older database when it is opened).
    static QStringList createStatements();
    // Makes the tables in an open database that lacks them; a database that cannot be written
    // keeps working without a ledger (every call below then fails with the database's text).
    void ensureTables();

    // The address of row `row` (0-based) of S: "IP:PORT", for a serial line "PORT@SPEED".
    static QString addressOf(const Table &scales, int row);
    // The scale a read comes from, as the change journal names it: "NAME (address)" of the first
    // selected row of S (a read has one); empty when none is selected.
    static QString selectedScale(const Table &scales);

    // Number → digest of every record of `kind` the ledger says the scale at `address` holds.
    QHash<int, QByteArray> held(const QString &address, Kind kind);
    // The scale acknowledged (or was read to hold) `digest` as record `number`. Throws DatabaseError.
    void noteHeld(const QString &address, Kind kind, int number, const QByteArray &digest);
    // A write of record `number` the scale acknowledged: noted as held (noteHeld) and, where the
    // scale did not hold it so before, as a delivery (DELIVERY: when, which scale, which record,
    // its digest and the price in it; null for a message). The delivery goes in the same
    // statement batch as the ledger's row, before it. Throws DatabaseError.
    void noteDelivered(const QString &address, const QString &scaleName, Kind kind, int number,
                       const QByteArray &digest, const QVariant &price);
    struct Delivery {
        QString address;
        QString scaleName;
        Kind kind = Kind::Goods;
        int number = 0;
        QVariant price; // null: none (a message, a goods without price)
        qint64 at = 0;  // milliseconds since 1970 (UTC)
    };
    // The deliveries to the scale at `address` (every scale when empty) of `kind`, of record
    // `number` (any when 0), acknowledged before `to` (0: up to now), oldest first.
    QVector<Delivery> deliveries(const QString &address, Kind kind, int number, qint64 to = 0);
    // Writes the rows noted and not yet written. Throws DatabaseError (they are dropped then:
    // the ledger says less than the scales hold, never more).
    void flush();
    // The scale was seen not to hold record `number` (a read it refused). Throws DatabaseError.
    void forget(const QString &address, Kind kind, int number);
    // Forgets everything of the scale at `address` (the scales dialog). Throws DatabaseError.
    void clear(const QString &address);

    struct Seen {
        QDateTime answered; // invalid: never
        QDateTime goodsWritten;
        QDateTime messagesWritten;
    };
    void noteAnswered(const QString &address);
    void noteCompleteWrite(const QString &address, Kind kind);
    Seen seen(const QString &address);

private:
    void noteSeen(const QString &address, const QString &column);

    struct Pending {
        QString address;
        int kind = 0;
        int number = 0;
        QString digest; // hex
        qint64 taken = 0;
    };
    struct PendingDelivery {
        Pending held;
        QString scaleName;
        QVariant price;
    };
    void flushDeliveries();
    Database &m_db;
    QVector<Pending> m_pending;
    QVector<PendingDelivery> m_deliveries;
};

} // namespace tevo
