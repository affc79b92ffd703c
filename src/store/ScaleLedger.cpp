// The ledger of what each scale holds, in the tables LEDGER and LEDGERSEEN.
#include "store/ScaleLedger.h"

#include "common/Error.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QSqlQuery>
#include <utility>

namespace tevo {

namespace {
qint64 now() { return QDateTime::currentMSecsSinceEpoch(); }

QDateTime timeOf(const QVariant &v)
{
    return v.isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(v.toLongLong(), Qt::UTC);
}

const char *const kUpsert = "INSERT INTO LEDGER (ADDR, KIND, NUM, DIGEST, TAKEN) VALUES %1 "
                            "ON CONFLICT (ADDR, KIND, NUM) DO UPDATE SET DIGEST = excluded.DIGEST, "
                            "TAKEN = excluded.TAKEN";
} // namespace

QStringList ScaleLedger::createStatements()
{
    // Unquoted names and plain types: the same text makes them on SQLite and on the server.
    return {QStringLiteral("CREATE TABLE IF NOT EXISTS LEDGER (ADDR TEXT NOT NULL, KIND INTEGER NOT NULL, "
                           "NUM INTEGER NOT NULL, DIGEST TEXT NOT NULL, TAKEN BIGINT NOT NULL, "
                           "PRIMARY KEY (ADDR, KIND, NUM))"),
            QStringLiteral("CREATE TABLE IF NOT EXISTS LEDGERSEEN (ADDR TEXT NOT NULL PRIMARY KEY, ANSWERED BIGINT, "
                           "GOODSWRITTEN BIGINT, MESSAGESWRITTEN BIGINT)"),
            // What each scale was given, and when: a row where the scale took a record it did not
            // hold so before.
            QStringLiteral(
                "CREATE TABLE IF NOT EXISTS DELIVERY (ADDR TEXT NOT NULL, SCALE TEXT, KIND INTEGER NOT NULL, "
                "NUM INTEGER NOT NULL, DIGEST TEXT NOT NULL, PRICE BIGINT, AT BIGINT NOT NULL)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS DELIVERY_ADDR ON DELIVERY (ADDR, KIND, NUM, AT)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS DELIVERY_NUM ON DELIVERY (KIND, NUM, AT)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS DELIVERY_AT ON DELIVERY (AT)")};
}

void ScaleLedger::ensureTables()
{
    if (m_db.hasTables({QStringLiteral("LEDGER"), QStringLiteral("LEDGERSEEN"), QStringLiteral("DELIVERY")}))
        return;
    try {
        for (const QString &sql : createStatements())
            m_db.exec(sql);
    } catch (const DatabaseError &) {
        // A database that cannot be written: the exchange says so when it writes the ledger.
    }
}

QString ScaleLedger::addressOf(const Table &scales, int row)
{
    const QString ip = scales.text(row, QStringLiteral("IP")).trimmed();
    const QString port = scales.text(row, QStringLiteral("PORT")).trimmed();
    // As the channels tell a serial line: its name holds "COM".
    const bool serial = ip.toUpper().contains(QLatin1String("COM"));
    return ip + (serial ? QLatin1Char('@') : QLatin1Char(':')) + port;
}

QString ScaleLedger::selectedScale(const Table &scales)
{
    for (int row = 0; row < scales.count(); ++row)
        if (truthValue(scales.text(row, QStringLiteral("U"))))
            return QStringLiteral("%1 (%2)").arg(scales.text(row, QStringLiteral("NAME")).trimmed(),
                                                 addressOf(scales, row));
    return {};
}

QHash<int, QByteArray> ScaleLedger::held(const QString &address, Kind kind)
{
    flush();
    QHash<int, QByteArray> out;
    QSqlQuery q =
        m_db.exec(QStringLiteral("SELECT NUM, DIGEST FROM LEDGER WHERE ADDR = ? AND KIND = ?"), {address, int(kind)});
    while (q.next())
        out.insert(q.value(0).toInt(), QByteArray::fromHex(q.value(1).toString().toLatin1()));
    return out;
}

void ScaleLedger::noteHeld(const QString &address, Kind kind, int number, const QByteArray &digest)
{
    Pending row{address, int(kind), number, QString::fromLatin1(digest.toHex()), now()};
    // One statement may not change a row twice (the server refuses): a later note replaces.
    for (Pending &p : m_pending) {
        if (p.number == number && p.kind == row.kind && p.address == address) {
            p = row;
            return;
        }
    }
    m_pending.append(row);
    if (m_pending.size() >= m_db.dialect().rowsPerChange())
        flush();
}

void ScaleLedger::noteDelivered(const QString &address, const QString &scaleName, Kind kind, int number,
                                const QByteArray &digest, const QVariant &price)
{
    PendingDelivery d{{address, int(kind), number, QString::fromLatin1(digest.toHex()), now()}, scaleName, price};
    bool replaced = false;
    for (PendingDelivery &p : m_deliveries) {
        if (p.held.number == number && p.held.kind == d.held.kind && p.held.address == address) {
            p = d;
            replaced = true;
        }
    }
    if (!replaced)
        m_deliveries.append(d);
    noteHeld(address, kind, number, digest);
}

// The deliveries noted, those the ledger does not already hold so, in one statement; before the
// ledger's own rows, which make them held.
void ScaleLedger::flushDeliveries()
{
    if (m_deliveries.isEmpty())
        return;
    const QVector<PendingDelivery> rows = std::exchange(m_deliveries, {});
    QStringList values;
    QVariantList binds;
    for (const PendingDelivery &d : rows) {
        values << QStringLiteral("(CAST(? AS TEXT), CAST(? AS TEXT), CAST(? AS INTEGER), CAST(? AS INTEGER), "
                                 "CAST(? AS TEXT), CAST(? AS BIGINT), CAST(? AS BIGINT))");
        binds << d.held.address << d.scaleName << d.held.kind << d.held.number << d.held.digest << d.price
              << d.held.taken;
    }
    m_db.exec(QStringLiteral("INSERT INTO DELIVERY (ADDR, SCALE, KIND, NUM, DIGEST, PRICE, AT) SELECT v.column1, "
                             "v.column2, v.column3, v.column4, v.column5, v.column6, v.column7 FROM (VALUES %1) AS v "
                             "WHERE NOT EXISTS (SELECT 1 FROM LEDGER l WHERE l.ADDR = v.column1 AND l.KIND = v.column3 "
                             "AND l.NUM = v.column4 AND l.DIGEST = v.column5)")
                  .arg(values.join(QStringLiteral(", "))),
              binds);
}

QVector<ScaleLedger::Delivery> ScaleLedger::deliveries(const QString &address, Kind kind, int number, qint64 to)
{
    flush();
    QString sql = QStringLiteral("SELECT ADDR, SCALE, NUM, PRICE, AT FROM DELIVERY WHERE KIND = ?");
    QVariantList binds = {int(kind)};
    if (!address.isEmpty()) {
        sql += QStringLiteral(" AND ADDR = ?");
        binds << address;
    }
    if (number != 0) {
        sql += QStringLiteral(" AND NUM = ?");
        binds << number;
    }
    if (to != 0) {
        sql += QStringLiteral(" AND AT < ?");
        binds << to;
    }
    QSqlQuery q = m_db.exec(sql + QStringLiteral(" ORDER BY AT, NUM"), binds);
    QVector<Delivery> out;
    while (q.next())
        out.append({q.value(0).toString(), q.value(1).toString(), kind, q.value(2).toInt(),
                    q.value(3).isNull() ? QVariant() : QVariant(q.value(3).toLongLong()), q.value(4).toLongLong()});
    return out;
}

void ScaleLedger::flush()
{
    flushDeliveries();
    if (m_pending.isEmpty())
        return;
    const QVector<Pending> rows = std::exchange(m_pending, {});
    QStringList values;
    QVariantList binds;
    for (const Pending &p : rows) {
        values << QStringLiteral("(?, ?, ?, ?, ?)");
        binds << p.address << p.kind << p.number << p.digest << p.taken;
    }
    const QString sql = QString::fromLatin1(kUpsert).arg(values.join(QStringLiteral(", ")));
    // A whole batch (and a single row) is a statement kept prepared; a shorter rest is not.
    if (rows.size() == 1 || rows.size() == m_db.dialect().rowsPerChange())
        m_db.change(sql, binds);
    else
        m_db.exec(sql, binds);
}

void ScaleLedger::forget(const QString &address, Kind kind, int number)
{
    flush();
    m_db.change(QStringLiteral("DELETE FROM LEDGER WHERE ADDR = ? AND KIND = ? AND NUM = ?"),
                {address, int(kind), number});
}

void ScaleLedger::clear(const QString &address)
{
    flush();
    m_db.change(QStringLiteral("DELETE FROM LEDGER WHERE ADDR = ?"), {address});
    m_db.change(QStringLiteral("DELETE FROM LEDGERSEEN WHERE ADDR = ?"), {address});
}

void ScaleLedger::noteSeen(const QString &address, const QString &column)
{
    flush();
    // The column name is one of the three below, never outside text.
    m_db.change(QStringLiteral("INSERT INTO LEDGERSEEN (ADDR, %1) VALUES (?, ?) "
                               "ON CONFLICT (ADDR) DO UPDATE SET %1 = excluded.%1")
                    .arg(column),
                {address, now()});
}

void ScaleLedger::noteAnswered(const QString &address) { noteSeen(address, QStringLiteral("ANSWERED")); }

void ScaleLedger::noteCompleteWrite(const QString &address, Kind kind)
{
    noteSeen(address, kind == Kind::Goods ? QStringLiteral("GOODSWRITTEN") : QStringLiteral("MESSAGESWRITTEN"));
}

ScaleLedger::Seen ScaleLedger::seen(const QString &address)
{
    flush();
    Seen s;
    QSqlQuery q =
        m_db.exec(QStringLiteral("SELECT ANSWERED, GOODSWRITTEN, MESSAGESWRITTEN FROM LEDGERSEEN WHERE ADDR = ?"),
                  {address});
    if (q.next()) {
        s.answered = timeOf(q.value(0));
        s.goodsWritten = timeOf(q.value(1));
        s.messagesWritten = timeOf(q.value(2));
    }
    return s;
}

} // namespace tevo
