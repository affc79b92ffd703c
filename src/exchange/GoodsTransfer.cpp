#include "exchange/GoodsTransfer.h"

#include "common/Error.h"
#include "exchange/ExchangeEngine.h"
#include "exchange/GoodsRecord.h"
#include "store/Store.h"

namespace tevo {

GoodsTransfer::GoodsTransfer(ExchangeEngine &engine, Store &store) : m_engine(engine), m_store(store) {}

bool GoodsTransfer::StartGoodsWrite(const QString &rangeText) { return start(CommandState::GoodsWrite, rangeText); }

bool GoodsTransfer::startGoodsRead(const QString &rangeText) { return start(CommandState::GoodsRead, rangeText); }

bool GoodsTransfer::start(CommandState state, const QString &rangeText)
{
    ExchangeEngine::RecordRange records;
    records.maxNumber = kMaxGoodsNumber;
    records.rowCount = m_store.goods().count();
    records.pastTheEnd = QStringLiteral("В таблице товаров нет строки № %1 (в ней %2 строк): обмен не начат, "
                                        "в весы ничего не отправлено.");
    records.bar = ProgressBar::Goods;
    return m_engine.startTransfer(*this, state, rangeText, records, m_range);
}

bool GoodsTransfer::scaleTakes(CommandState state, int number, int scaleRow)
{
    // The scale groups steer the goods write only: a scale takes goods whose group is empty,
    // or occurs in its own group text, or any goods when its group text is empty.
    if (state != CommandState::GoodsWrite)
        return true;
    Table &goods = m_store.goods();
    if (number < 1 || number > goods.count())
        return true; // refused when the record is built
    const QString group = goods.text(number - 1, QStringLiteral("SG")).toLower();
    if (group.isEmpty())
        return true;
    const QString scaleGroups = m_store.scales().text(scaleRow, QStringLiteral("SG")).toLower();
    return scaleGroups.isEmpty() || scaleGroups.contains(group);
}

QByteArray GoodsTransfer::buildRequest(CommandState state, int number)
{
    if (state == CommandState::GoodsRead)
        return buildGoodsReadRequest(number);
    if (state != CommandState::GoodsWrite)
        return {};
    Table &goods = m_store.goods();
    const int row = number - 1;
    if (row < 0 || row >= goods.count())
        throw InputError(QStringLiteral("В таблице товаров больше нет строки № %1: запись остановлена.").arg(number));
    GoodsFields f;
    f.NPLU = goods.text(row, QStringLiteral("NPLU"));
    f.TNAME1 = goods.text(row, QStringLiteral("TNAME1"));
    f.TNAME2 = goods.text(row, QStringLiteral("TNAME2"));
    f.PRICE = goods.text(row, QStringLiteral("PRICE"));
    f.UBDATE = goods.text(row, QStringLiteral("UBDATE"));
    f.TARA = goods.text(row, QStringLiteral("TARA"));
    f.CODE = goods.text(row, QStringLiteral("CODE"));
    f.GROUPCODE = goods.text(row, QStringLiteral("GROUPCODE"));
    f.MESSAGE = goods.text(row, QStringLiteral("MESSAGE"));
    f.LOGO = goods.text(row, QStringLiteral("LOGO"));
    QString logo;
    QByteArray record;
    try {
        record = buildGoodsRecord(f, &logo);
    } catch (const Error &e) {
        throw ConversionError(
            QStringLiteral("%1\nТовар № %2 не может быть записан в весы; обмен остановлен.").arg(e.text(), f.NPLU));
    }
    // The padded logo text goes back into the row of the record, wherever the grid is.
    if (logo != f.LOGO)
        goods.setValue(row, QStringLiteral("LOGO"), logo);
    return record;
}

StepOutcome GoodsTransfer::takeReply(CommandState state, int number, const QByteArray &reply)
{
    if (state != CommandState::GoodsRead)
        return StepOutcome::StepDone; // the acknowledgement of a written record
    if (reply.size() < kGoodsReplyMinLength)
        return StepOutcome::Incomplete;
    storeReply(number, reply);
    return StepOutcome::StepDone;
}

void GoodsTransfer::storeReply(int number, const QByteArray &reply)
{
    const GoodsReplyFields r = decodeGoodsReply(reply);
    Table &goods = m_store.goods();
    if (number < 1 || number > goods.count())
        throw InputError(
            QStringLiteral("В таблице товаров нет строки № %1: товар не сохранён, обмен остановлен.").arg(number));
    FieldValues values = {{QStringLiteral("CODE"), r.CODE}};
    if (r.LOGO)
        values.append({QStringLiteral("LOGO"), *r.LOGO});
    values += FieldValues{{QStringLiteral("TNAME1"), r.TNAME1},   {QStringLiteral("TNAME2"), r.TNAME2},
                          {QStringLiteral("PRICE"), r.PRICE},     {QStringLiteral("UBDATE"), r.UBDATE},
                          {QStringLiteral("TARA"), r.TARA},       {QStringLiteral("GROUPCODE"), r.GROUPCODE},
                          {QStringLiteral("MESSAGE"), r.MESSAGE}, {QStringLiteral("OSUM"), r.OSUM},
                          {QStringLiteral("OVES"), r.OVES},       {QStringLiteral("OCOUNTPROD"), r.OCOUNTPROD}};
    goods.setValues(number - 1, values);
}

} // namespace tevo
