#pragma once
// Who is behind: for every scale of S, what the ledger (store/ScaleLedger) says of it — when it
// last answered, when it last took a complete goods and messages write — and how many goods of
// T and messages of M it does not hold as they are now. A row with nothing to send (a goods
// row without names and price, a message without text) counts only where the scale holds
// something else under its number; goods its groups do not take (GoodsTransfer::groupTaken)
// do not count. The scales dialog and tevo-cli scales show it.
#include <QDateTime>
#include <QString>
#include <QVector>

namespace tevo {

class Store;

struct ScaleStanding {
    QString address;
    QDateTime answered; // invalid: never seen
    QDateTime goodsWritten;
    QDateTime messagesWritten;
    int goodsBehind = 0;
    int messagesBehind = 0;
};

class ScaleHoldings {
public:
    // One standing per row of S, in its order. Throws DatabaseError.
    static QVector<ScaleStanding> standings(Store &store);

    // "отстаёт: 12 товаров, 3 сообщения"; "всё записано" when it holds everything.
    static QString behindText(const ScaleStanding &standing);
    // A moment as the lists show it ("09.12.2026 22:41"; "—" for never).
    static QString momentText(const QDateTime &moment);
};

} // namespace tevo
