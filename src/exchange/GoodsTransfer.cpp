#include "exchange/GoodsTransfer.h"

#include "common/Error.h"
#include "exchange/GoodsRecord.h"
#include "exchange/ScaleChannels.h"
#include "store/Store.h"

namespace tevo {

namespace {
const QString kNoScale = QStringLiteral("Не выбраны ни одни весы!");
const QString kOnlyOneScale = QStringLiteral("Выберите только одни весы!");
} // namespace

GoodsTransfer::GoodsTransfer(ExchangeEngine &engine, QObject *parent) : QObject(parent), m_engine(engine)
{
    m_engine.registerCommand(cmd::GoodsWrite, this);
    m_engine.registerCommand(cmd::GoodsRead, this);
}

bool GoodsTransfer::StartGoodsWrite(const QString &rangeText)
{
    if (m_engine.connectionCheckBlocks())
        return false;
    if (m_engine.SelectedScaleCount == 0) {
        emit m_engine.errorMessage(kNoScale);
        return false;
    }
    if (!m_engine.takeRange(rangeText, kMaxGoodsNumber))
        return false;
    m_engine.setProgress(ProgressBar::Goods, 0);
    LoadedGoodsCount = 0;
    m_engine.RangeCursor = m_engine.Range.RangeFirst;
    m_engine.ReadCursor = m_engine.Range.RangeFirst;
    m_engine.store().goods().moveToRecNo(m_engine.Range.RangeFirst);
    m_engine.beginPolling(cmd::GoodsWrite);
    return true;
}

bool GoodsTransfer::startGoodsRead(const QString &rangeText)
{
    if (m_engine.connectionCheckBlocks())
        return false;
    if (m_engine.SelectedScaleCount != 1) {
        emit m_engine.errorMessage(kOnlyOneScale);
        return false;
    }
    if (!m_engine.takeRange(rangeText, kMaxGoodsNumber))
        return false;
    m_engine.setProgress(ProgressBar::Goods, 0);
    m_engine.RangeCursor = m_engine.Range.RangeFirst;
    m_engine.store().goods().first();
    m_engine.ReadCursor = m_engine.Range.RangeFirst;
    m_engine.beginPolling(cmd::GoodsRead);
    return true;
}

QByteArray GoodsTransfer::buildRequest(int state, int number)
{
    if (state == cmd::GoodsRead)
        return buildGoodsReadRequest(number);
    Table &goods = m_engine.store().goods();
    const int row = goods.currentRow();
    if (row < 0)
        throw InputError(QStringLiteral("Таблица товаров пуста: передавать нечего."));
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
        throw ConversionError(QStringLiteral("%1\nТовар № %2 не может быть записан в весы; обмен остановлен.")
                                  .arg(e.text(), f.NPLU));
    }
    if (logo != f.LOGO)
        goods.setValue(row, QStringLiteral("LOGO"), logo);
    return record;
}

void GoodsTransfer::handleReply(int state, const QByteArray &packet, int scaleRecNo)
{
    if (state == cmd::GoodsWrite)
        handleWriteReply(packet, scaleRecNo);
    else
        handleReadReply(packet);
}

void GoodsTransfer::handleWriteReply(const QByteArray &packet, int scaleRecNo)
{
    if (!m_engine.recordAcknowledged(packet, scaleRecNo))
        return;
    ++LoadedGoodsCount;
    if (m_engine.RangeCursor < m_engine.Range.RangeLast) {
        m_engine.advanceRecord();
        m_engine.pollAgain();
        return;
    }
    m_engine.Timer1.stop();
    m_engine.CloseChannels();
    m_engine.stepProgress(ProgressBar::Goods);
    const QString text = QStringLiteral("Все PLU успешно записаны в весы %1").arg(LoadedGoodsCount);
    if (mainWindowInTray && mainWindowInTray() && showTrayBalloon)
        showTrayBalloon(QStringLiteral("Tevo"), text, 1, 30);
    else
        emit m_engine.message(text);
    m_engine.setProgress(ProgressBar::Goods, 0);
    emit goodsWriteSucceeded(text);
    emit m_engine.exchangeEnded();
}

void GoodsTransfer::handleReadReply(const QByteArray &packet)
{
    m_engine.ReplyBuffer.append(packet);
    if (m_engine.ReplyBuffer.size() < kGoodsReplyMinLength)
        return;
    const GoodsReplyFields r = decodeGoodsReply(m_engine.ReplyBuffer);
    Table &goods = m_engine.store().goods();
    const int number = m_engine.ReadCursor;
    if (number < 1 || number > goods.count())
        throw InputError(QStringLiteral("В таблице товаров нет строки № %1: товар не сохранён, обмен остановлен.")
                             .arg(number));
    m_engine.stepProgress(ProgressBar::Goods);
    goods.moveToRecNo(number);
    FieldValues values = {{QStringLiteral("CODE"), r.CODE}};
    if (r.LOGO)
        values.append({QStringLiteral("LOGO"), *r.LOGO});
    values += FieldValues{{QStringLiteral("TNAME1"), r.TNAME1},       {QStringLiteral("TNAME2"), r.TNAME2},
                          {QStringLiteral("PRICE"), r.PRICE},         {QStringLiteral("UBDATE"), r.UBDATE},
                          {QStringLiteral("TARA"), r.TARA},           {QStringLiteral("GROUPCODE"), r.GROUPCODE},
                          {QStringLiteral("MESSAGE"), r.MESSAGE},     {QStringLiteral("OSUM"), r.OSUM},
                          {QStringLiteral("OVES"), r.OVES},           {QStringLiteral("OCOUNTPROD"), r.OCOUNTPROD}};
    goods.setValues(goods.currentRow(), values);
    if (m_engine.ReadCursor < m_engine.Range.RangeLast) {
        m_engine.RangeCursor = m_engine.Range.NextInRange(m_engine.RangeCursor);
        m_engine.ReadCursor = m_engine.Range.NextInRange(m_engine.ReadCursor);
        m_engine.ReplyBuffer.clear();
        m_engine.pollAgain();
        return;
    }
    m_engine.endExchange(QStringLiteral("Запрошенные PLU успешно считаны"));
    m_engine.setProgress(ProgressBar::Goods, 0);
}

} // namespace tevo
