// Who is behind: the ledger against T and M as they are now.
#include "commands/ScaleHoldings.h"

#include "commands/MessageRecord.h"
#include "common/Convert.h"
#include "common/Error.h"
#include "exchange/GoodsTransfer.h"
#include "exchange/RecordDigest.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QHash>

namespace {
// The texts of this unit, translated under the context "ScaleHoldings".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ScaleHoldings)
};
} // namespace

namespace tevo {
namespace {

struct Today {
    QVector<QByteArray> digests; // by row; empty: the row cannot be sent
    QVector<bool> empty;         // by row: nothing to send
};

Today goodsToday(Table &goods)
{
    Today t;
    for (int row = 0; row < goods.count(); ++row) {
        QByteArray d;
        try {
            d = goodsDigest(goodsRecordOf(goods, row));
        } catch (const Error &) {
            // counted as not held
        }
        t.digests.append(d);
        t.empty.append(goodsRowEmpty(goods, row));
    }
    return t;
}

Today messagesToday(Table &messages)
{
    Today t;
    for (int row = 0; row < messages.count(); ++row) {
        QStringList lines;
        for (int i = 1; i <= kMessageLineCount; ++i)
            lines << messages.text(row, QStringLiteral("M%1").arg(i));
        const QVariant n = messages.value(row, QStringLiteral("NPLU"));
        t.digests.append(messageRequestDigest(buildMessageRecord(n.isNull() ? 0 : n.toInt(), lines)));
        t.empty.append(lines.join(QString()).isEmpty());
    }
    return t;
}

// `taken(row)`: whether the scale's groups take that row at all.
template <class Taken> int behind(const Today &today, const QHash<int, QByteArray> &held, Taken taken)
{
    int n = 0;
    for (int row = 0; row < today.digests.size(); ++row) {
        if (!taken(row))
            continue;
        const auto h = held.constFind(row + 1);
        if (today.empty[row] ? h != held.cend() && *h != today.digests[row]
                             : h == held.cend() || today.digests[row].isEmpty() || *h != today.digests[row])
            ++n;
    }
    return n;
}

} // namespace

QVector<ScaleStanding> ScaleHoldings::standings(Store &store)
{
    QVector<ScaleStanding> out;
    Table &scales = store.scales();
    if (scales.count() == 0)
        return out;
    Table &goodsTable = store.goods();
    const Today goods = goodsToday(goodsTable);
    const Today messages = messagesToday(store.messages());
    ScaleLedger &ledger = store.ledger();
    for (int r = 0; r < scales.count(); ++r) {
        ScaleStanding s;
        s.address = ScaleLedger::addressOf(scales, r);
        const ScaleLedger::Seen seen = ledger.seen(s.address);
        s.answered = seen.answered;
        s.goodsWritten = seen.goodsWritten;
        s.messagesWritten = seen.messagesWritten;
        const QString groups = scales.text(r, QStringLiteral("SG"));
        s.goodsBehind = behind(goods, ledger.held(s.address, ScaleLedger::Kind::Goods), [&](int row) {
            return GoodsTransfer::groupTaken(goodsTable.text(row, QStringLiteral("SG")), groups);
        });
        s.messagesBehind =
            behind(messages, ledger.held(s.address, ScaleLedger::Kind::Messages), [](int) { return true; });
        out.append(s);
    }
    return out;
}

QString ScaleHoldings::behindText(const ScaleStanding &s)
{
    QStringList parts;
    if (s.goodsBehind > 0)
        // not translated: the Russian forms; the other languages take the plural forms of their translation
        parts << countText("ScaleHoldings", QT_TRANSLATE_N_NOOP("ScaleHoldings", "%n товаров"), s.goodsBehind, "товар",
                           "товара", "товаров");
    if (s.messagesBehind > 0)
        // not translated: the Russian forms; the other languages take the plural forms of their translation
        parts << countText("ScaleHoldings", QT_TRANSLATE_N_NOOP("ScaleHoldings", "%n сообщений"), s.messagesBehind,
                           "сообщение", "сообщения", "сообщений");
    return parts.isEmpty() ? Tr::tr("всё записано") : Tr::tr("отстаёт: ") + parts.join(QStringLiteral(", "));
}

QString ScaleHoldings::momentText(const QDateTime &moment)
{
    return moment.isValid() ? moment.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")) : QStringLiteral("—");
}

} // namespace tevo
