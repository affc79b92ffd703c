#include "exchange/GoodsTransfer.h"

#include "common/Error.h"
#include "exchange/ExchangeEngine.h"
#include "exchange/GoodsRecord.h"
#include "exchange/RecordDigest.h"
#include "store/Store.h"

#include <QCoreApplication>

namespace {
// The texts of this unit, translated under the context "GoodsTransfer".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(GoodsTransfer)
};
} // namespace

namespace tevo {
GoodsTransfer::GoodsTransfer(ExchangeEngine &engine, Store &store) : m_engine(engine), m_store(store) {}

bool GoodsTransfer::StartGoodsWrite(const QString &rangeText, bool changedOnly)
{
    return start(CommandState::GoodsWrite, rangeText, changedOnly);
}

bool GoodsTransfer::startGoodsRead(const QString &rangeText) { return start(CommandState::GoodsRead, rangeText); }

bool GoodsTransfer::startGoodsVerify(const QString &rangeText) { return start(CommandState::GoodsVerify, rangeText); }

bool GoodsTransfer::start(CommandState state, const QString &rangeText, bool changedOnly)
{
    m_held.reset();
    if (state == CommandState::GoodsVerify)
        m_differences.clear();
    ExchangeEngine::RecordRange records;
    records.maxNumber = kMaxGoodsNumber;
    records.rowCount = m_store.goods().count();
    records.pastTheEnd = Tr::tr("В таблице товаров нет строки № %1 (в ней %2 строк): обмен не начат, "
                                "в весы ничего не отправлено.");
    records.bar = ProgressBar::Goods;
    records.changedOnly = changedOnly;
    return m_engine.startTransfer(*this, state, rangeText, records, m_range);
}

bool GoodsTransfer::scaleTakes(CommandState state, int number, int scaleRow)
{
    // The scale groups steer the goods write, and so what the check expects a scale to hold.
    if (state != CommandState::GoodsWrite && state != CommandState::GoodsVerify)
        return true;
    Table &goods = m_store.goods();
    if (number < 1 || number > goods.count())
        return true; // refused when the record is built
    return groupTaken(goods.text(number - 1, QStringLiteral("SG")),
                      m_store.scales().text(scaleRow, QStringLiteral("SG")));
}

bool GoodsTransfer::groupTaken(const QString &goodsGroup, const QString &scaleGroups)
{
    const QString group = goodsGroup.toLower();
    if (group.isEmpty())
        return true;
    const QString groups = scaleGroups.toLower();
    return groups.isEmpty() || groups.contains(group);
}

QString GoodsTransfer::address(int scaleRow) const { return ScaleLedger::addressOf(m_store.scales(), scaleRow); }

bool GoodsTransfer::scaleHolds(CommandState state, int number, int scaleRow)
{
    if (state != CommandState::GoodsWrite)
        return false;
    Table &goods = m_store.goods();
    if (number < 1 || number > goods.count())
        return false; // refused when the record is built
    return m_held.holds(m_store.ledger(), ScaleLedger::Kind::Goods, address(scaleRow), scaleRow, number, [&](int n) {
        if (n < 1 || n > goods.count())
            return QByteArray();
        try {
            return goodsDigest(goodsRecordOf(goods, n - 1));
        } catch (const Error &) {
            return QByteArray(); // not sendable: the write says so when it gets there
        }
    });
}

void GoodsTransfer::recordDone(CommandState state, int number, int scaleRow, const QByteArray &request,
                               const QByteArray &reply)
{
    ScaleLedger &ledger = m_store.ledger();
    switch (state) {
    case CommandState::GoodsWrite:
        // The price the record carried: the row's, from which the request was built.
        ledger.noteDelivered(address(scaleRow), m_store.scales().text(scaleRow, QStringLiteral("NAME")),
                             ScaleLedger::Kind::Goods, number, goodsDigest(request),
                             m_store.goods().value(number - 1, QStringLiteral("PRICE")));
        break;
    case CommandState::GoodsRead:
        ledger.noteHeld(address(scaleRow), ScaleLedger::Kind::Goods, number, goodsDigest(reply));
        break;
    case CommandState::GoodsVerify:
        compare(number, scaleRow, reply);
        ledger.noteHeld(address(scaleRow), ScaleLedger::Kind::Goods, number, goodsDigest(reply));
        break;
    default:
        break;
    }
}

void GoodsTransfer::recordUnanswered(CommandState state, int number, int scaleRow)
{
    // A write the scale may or may not have taken: the ledger no longer vouches for the record.
    if (state == CommandState::GoodsWrite)
        m_store.ledger().forget(address(scaleRow), ScaleLedger::Kind::Goods, number);
}

void GoodsTransfer::recordRefused(CommandState state, int number, int scaleRow)
{
    // A refused write changes nothing the scale holds; a refused read says it holds nothing.
    if (state != CommandState::GoodsRead && state != CommandState::GoodsVerify)
        return;
    m_store.ledger().forget(address(scaleRow), ScaleLedger::Kind::Goods, number);
    Table &goods = m_store.goods();
    if (state == CommandState::GoodsVerify && number >= 1 && number <= goods.count() && !goodsRowEmpty(goods, number - 1))
        m_differences[scaleRow].append({number, RecordDifference::Kind::Missing, {}, {}, {}});
}

void GoodsTransfer::compare(int number, int scaleRow, const QByteArray &reply)
{
    Table &goods = m_store.goods();
    if (number < 1 || number > goods.count())
        return;
    const int row = number - 1;
    QByteArray record;
    try {
        record = goodsRecordOf(goods, row);
    } catch (const Error &) {
        // Compared with the row's own texts below.
    }
    if (!record.isEmpty() && goodsDigest(record) == goodsDigest(reply))
        return;
    const GoodsReplyFields held = decodeGoodsReply(reply);
    QVector<RecordDifference> &out = m_differences[scaleRow];
    if (goodsRowEmpty(goods, row)) {
        out.append({number, RecordDifference::Kind::Extra, QStringLiteral("TNAME1"), {}, held.TNAME1});
        return;
    }
    GoodsReplyFields table;
    if (!record.isEmpty()) {
        // The record as the scale would hold it, read as a reply is.
        table = decodeGoodsReply(
            (QByteArray(1, '\xAA') + record.mid(1, kGoodsRecordLength - 2)).leftJustified(kGoodsReplyLength, '\0'));
    } else {
        const GoodsFields f = goodsFieldsOf(goods, row);
        table = {f.CODE, f.LOGO, f.TNAME1, f.TNAME2, f.PRICE, f.UBDATE, f.TARA, f.GROUPCODE, f.MESSAGE, {}, {}, {}};
    }
    const auto add = [&](const char *field, const QString &database, const QString &scale) {
        if (database != scale)
            out.append({number, RecordDifference::Kind::Differs, QLatin1String(field), database, scale});
    };
    const qsizetype before = out.size();
    add("TNAME1", table.TNAME1, held.TNAME1);
    add("TNAME2", table.TNAME2, held.TNAME2);
    add("PRICE", table.PRICE, held.PRICE);
    add("UBDATE", table.UBDATE, held.UBDATE);
    add("TARA", table.TARA, held.TARA);
    add("CODE", table.CODE, held.CODE);
    add("GROUPCODE", table.GROUPCODE, held.GROUPCODE);
    add("MESSAGE", table.MESSAGE, held.MESSAGE);
    add("LOGO", table.LOGO.value_or(QString()), held.LOGO.value_or(QString()));
    if (out.size() == before) {
        // The same values, other bytes (the number it is stored under, a byte no column shows).
        add("NPLU", QString::fromLatin1(record.mid(1, kGoodsRecordLength - 2).toHex()),
            QString::fromLatin1(reply.mid(1, kGoodsRecordLength - 2).toHex()));
    }
}

QByteArray GoodsTransfer::buildRequest(CommandState state, int number)
{
    if (state == CommandState::GoodsRead || state == CommandState::GoodsVerify)
        return buildGoodsReadRequest(number);
    if (state != CommandState::GoodsWrite)
        return {};
    Table &goods = m_store.goods();
    const int row = number - 1;
    if (row < 0 || row >= goods.count())
        throw InputError(Tr::tr("В таблице товаров больше нет строки № %1: запись остановлена.").arg(number));
    const GoodsFields f = goodsFieldsOf(goods, row);
    QString logo;
    QByteArray record;
    try {
        record = buildGoodsRecord(f, &logo);
    } catch (const Error &e) {
        throw ConversionError(
            Tr::tr("%1\nТовар № %2 не может быть записан в весы; обмен остановлен.").arg(e.text(), f.NPLU));
    }
    // The padded logo text goes back into the row of the record, wherever the grid is.
    if (logo != f.LOGO)
        goods.setValue(row, QStringLiteral("LOGO"), logo);
    return record;
}

StepOutcome GoodsTransfer::takeReply(CommandState state, int number, const QByteArray &reply)
{
    if (state != CommandState::GoodsRead && state != CommandState::GoodsVerify)
        return StepOutcome::StepDone; // the acknowledgement of a written record
    if (reply.size() < kGoodsReplyMinLength)
        return StepOutcome::Incomplete;
    if (state == CommandState::GoodsVerify)
        return StepOutcome::StepDone; // compared in recordDone, with the scale it came from
    storeReply(number, reply);
    return StepOutcome::StepDone;
}

void GoodsTransfer::storeReply(int number, const QByteArray &reply)
{
    const GoodsReplyFields r = decodeGoodsReply(reply);
    Table &goods = m_store.goods();
    if (number < 1 || number > goods.count())
        throw InputError(Tr::tr("В таблице товаров нет строки № %1: товар не сохранён, обмен остановлен.").arg(number));
    FieldValues values = {{QStringLiteral("CODE"), r.CODE}};
    if (r.LOGO)
        values.append({QStringLiteral("LOGO"), *r.LOGO});
    values += FieldValues{{QStringLiteral("TNAME1"), r.TNAME1},   {QStringLiteral("TNAME2"), r.TNAME2},
                          {QStringLiteral("PRICE"), r.PRICE},     {QStringLiteral("UBDATE"), r.UBDATE},
                          {QStringLiteral("TARA"), r.TARA},       {QStringLiteral("GROUPCODE"), r.GROUPCODE},
                          {QStringLiteral("MESSAGE"), r.MESSAGE}, {QStringLiteral("OSUM"), r.OSUM},
                          {QStringLiteral("OVES"), r.OVES},       {QStringLiteral("OCOUNTPROD"), r.OCOUNTPROD}};
    const ChangeJournal::Scope source(m_store.journal(), ChangeSource::ScaleRead,
                                      ScaleLedger::selectedScale(m_store.scales()));
    goods.queueValues(number - 1, values); // stored with the next commit, with the records around it
}

} // namespace tevo
