#include "exchange/ExchangeEngine.h"

#include "common/Error.h"
#include "exchange/ScaleChannels.h"
#include "store/Store.h"

namespace tevo {

namespace {
bool isGatheringState(int state)
{
    switch (state) {
    case cmd::SettingsRead:
    case cmd::HeaderRead:
    case cmd::LogoRead:
    case cmd::GoodsRead:
    case cmd::MessagesRead:
    case cmd::TotalsRead:
    case cmd::StateRead:
        return true;
    default:
        return false;
    }
}
} // namespace

ExchangeEngine::ExchangeEngine(Store &store, ScaleChannels &channels, QObject *parent)
    : QObject(parent), m_store(store), m_channels(channels)
{
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(200);
    connect(&Timer1, &QTimer::timeout, this, &ExchangeEngine::onTimer1);
    connect(&m_channels, &ScaleChannels::packetReceived, this, &ExchangeEngine::HandleReply);
    // An error on the first serial channel halts the polling of the running exchange.
    connect(&m_channels, &ScaleChannels::serialError0, this, [this](quint32) { Timer1.stop(); });
}

void ExchangeEngine::registerCommand(int state, ExchangeCommand *command) { m_commands.insert(state, command); }

bool ExchangeEngine::isWriteState() const
{
    return ExchangeState == cmd::GoodsWrite || ExchangeState == cmd::MessagesWrite;
}

QString ExchangeEngine::currentGoodsGroup() const
{
    Table &goods = m_store.goods();
    if (goods.currentRow() < 0)
        return {};
    return goods.currentText(QStringLiteral("SG")).toLower();
}

bool ExchangeEngine::rowTakesPacket(int row, const QString &goodsGroup) const
{
    Table &scales = m_store.scales();
    if (!truthValue(scales.text(row, QStringLiteral("U"))))
        return false;
    if (goodsGroup.isEmpty())
        return true;
    const QString scaleGroups = scales.text(row, QStringLiteral("SG")).toLower();
    return scaleGroups.isEmpty() || scaleGroups.contains(goodsGroup);
}

QVector<int> ExchangeEngine::receivingRows()
{
    QVector<int> rows;
    Table &scales = m_store.scales();
    const int n = scales.count();
    if (ConnectionCheckActive || SendToAllScales) {
        for (int r = 0; r < n; ++r)
            rows.append(r);
        return rows;
    }
    if (isWriteState()) {
        for (int r = 0; r < n; ++r)
            if (m_owing.contains(r + 1))
                rows.append(r);
        return rows;
    }
    for (int r = 0; r < n; ++r)
        if (truthValue(scales.text(r, QStringLiteral("U"))))
            rows.append(r);
    return rows;
}

void ExchangeEngine::beginRecord()
{
    m_owing.clear();
    m_sent.clear();
    // The scale groups steer the goods write only; every other command goes to every
    // selected scale.
    const QString group = ExchangeState == cmd::GoodsWrite ? currentGoodsGroup() : QString();
    Table &scales = m_store.scales();
    for (int r = 0; r < scales.count(); ++r)
        if (rowTakesPacket(r, group))
            m_owing.insert(r + 1);
}

void ExchangeEngine::SendPacket(const QByteArray &packet)
{
    const QVector<int> rows = receivingRows();
    for (int r : rows)
        m_channels.SendToScale(r, packet);
    if (rows.isEmpty()) {
        // No scale takes the packet.
        if (isWriteState() && RangeCursor < Range.RangeLast) {
            advanceRecord();
            pollAgain();
        } else {
            m_channels.CloseChannels(ConnectionCheckActive);
            Timer1.stop();
        }
    }
    SendToAllScales = false;
}

void ExchangeEngine::advanceRecord()
{
    RangeCursor = Range.NextInRange(RangeCursor);
    ReadCursor = RangeCursor;
    Table &table = ExchangeState == cmd::MessagesWrite ? m_store.messages() : m_store.goods();
    table.moveToRecNo(RangeCursor);
    ReplyCount = 0;
    stepProgress(ExchangeState == cmd::MessagesWrite ? ProgressBar::Messages : ProgressBar::Goods);
    beginRecord();
}

void ExchangeEngine::BuildRequest(int state, int number) { sendRequest(state, number, -1); }

void ExchangeEngine::sendRequest(int state, int number, int readyRecNo)
{
    ExchangeCommand *command = m_commands.value(state);
    if (!command)
        return;
    QByteArray request;
    try {
        request = command->buildRequest(state, number);
    } catch (const Error &e) {
        // The request cannot be built: say so once and stop; what was acknowledged stays.
        Timer1.stop();
        CloseChannels();
        emit errorMessage(e.text());
        emit exchangeEnded();
        return;
    }
    if (request.isEmpty())
        return;
    if (isWriteState() && readyRecNo > 0) {
        // A write sends the record to the scale that said it is ready, once per ready answer.
        m_sent.insert(readyRecNo);
        m_channels.SendToScale(readyRecNo - 1, request);
        SendToAllScales = false;
        return;
    }
    SendPacket(request);
}

void ExchangeEngine::HandleReply(const QByteArray &packet, int scaleRecNo)
{
    emit packetReceived(packet);
    if (ConnectionCheckActive) {
        Table &scales = m_store.scales();
        if (scaleRecNo >= 1 && scaleRecNo <= scales.count())
            guardedSet(scales, scaleRecNo - 1, QStringLiteral("W"), QStringLiteral("T"));
        return;
    }
    if (packet.isEmpty())
        return;
    ExchangeCommand *command = m_commands.value(ExchangeState);
    // Once a read has been accepted, every further packet is a piece of its reply: text bytes
    // in the scale code page may well be 0xEE or 0xAA.
    if (AckReceived == 1 && isGatheringState(ExchangeState)) {
        passReply(command, packet, scaleRecNo);
        return;
    }
    const uchar b0 = static_cast<uchar>(packet.at(0));
    if (b0 == 0xEE) {
        refusal();
        return;
    }
    if (b0 == 0xAA) {
        AckReceived = 1;
        Timer1.stop();
    }
    if (AckReceived == 1) {
        passReply(command, packet, scaleRecNo);
        return;
    }
    const bool ready = (packet.size() == 1 && b0 == 0x80)
        || (packet.size() > 1 && static_cast<uchar>(packet.at(1)) == 0x80);
    if (!ready)
        return;
    if (isWriteState()) {
        if (owes(scaleRecNo))
            sendRequest(ExchangeState, ReadCursor, scaleRecNo);
        return;
    }
    BuildRequest(ExchangeState, ReadCursor);
}

void ExchangeEngine::passReply(ExchangeCommand *command, const QByteArray &packet, int scaleRecNo)
{
    if (!command)
        return;
    try {
        command->handleReply(ExchangeState, packet, scaleRecNo);
    } catch (const Error &e) {
        // A reply that cannot be stored or decoded ends the exchange with its text.
        endExchange();
        emit errorMessage(e.text());
    }
}

void ExchangeEngine::guardedSet(Table &table, int row, const QString &column, const QVariant &value)
{
    try {
        table.setValue(row, column, value);
    } catch (const Error &e) {
        emit errorMessage(e.text());
    }
}

bool ExchangeEngine::countAcknowledgement(int scaleRecNo)
{
    // An acknowledgement counts only from a scale that owes one and was sent this record.
    if (!m_owing.contains(scaleRecNo) || !m_sent.contains(scaleRecNo))
        return false;
    m_owing.remove(scaleRecNo);
    return true;
}

bool ExchangeEngine::recordAcknowledged(const QByteArray &packet, int scaleRecNo)
{
    if (packet.isEmpty() || static_cast<uchar>(packet.at(0)) != 0xAA || !countAcknowledgement(scaleRecNo)
        || !recordDone()) {
        pollAgain();
        return false;
    }
    return true;
}

bool ExchangeEngine::takeRange(const QString &text, int maxNumber)
{
    RangeSelection range;
    try {
        range.ParseRange(text, maxNumber);
    } catch (const Error &e) {
        emit errorMessage(e.text());
        return false;
    }
    Range = range;
    setProgressMaximum(range.RangeSize);
    return true;
}

void ExchangeEngine::refusal()
{
    const bool goodsRead = ExchangeState == cmd::GoodsRead;
    const QString endText = goodsRead ? QStringLiteral("Запрошенные PLU успешно считаны")
                                      : QStringLiteral("Запрошенные сообщения успешно считаны");
    const ProgressBar bar = ExchangeState == cmd::MessagesRead || ExchangeState == cmd::MessagesWrite
        ? ProgressBar::Messages
        : ProgressBar::Goods;
    if (priceChangeChecked) {
        ++ReplyCount;
        if (ReplyCount < qMax(1, SelectedScaleCount))
            return;
        ReplyCount = 0;
        if (ReadCursor >= Range.RangeLast) {
            // The last record was refused by every scale: the exchange ends here.
            Timer1.stop();
            CloseChannels();
            setProgress(bar, 0);
            emit message(endText);
            emit refusalEnded();
            emit exchangeEnded();
            return;
        }
        RangeCursor = Range.NextInRange(RangeCursor);
        ReadCursor = Range.NextInRange(ReadCursor);
        Table &table = bar == ProgressBar::Messages ? m_store.messages() : m_store.goods();
        if (ExchangeState != cmd::MessagesRead)
            table.moveToRecNo(RangeCursor);
        stepProgress(bar);
        if (isWriteState())
            beginRecord();
        return;
    }
    if (ReadCursor < Range.RangeLast) {
        RangeCursor = Range.NextInRange(RangeCursor);
        ReadCursor = Range.NextInRange(ReadCursor);
        ReplyBuffer.clear();
        if (isWriteState())
            beginRecord();
        pollAgain();
        return;
    }
    Timer1.stop();
    CloseChannels();
    setProgress(bar, 0);
    emit message(endText);
    emit refusalEnded();
    emit exchangeEnded();
}

void ExchangeEngine::onTimer1() { SendPacket(QByteArray(1, '\x01')); }

void ExchangeEngine::pollAgain()
{
    AckReceived = 0;
    Timer1.start();
}

void ExchangeEngine::OpenChannels() { m_channels.OpenChannels(true, ConnectionCheckActive); }

void ExchangeEngine::CloseChannels() { m_channels.CloseChannels(ConnectionCheckActive); }

bool ExchangeEngine::connectionCheckBlocks()
{
    if (!ConnectionCheckActive)
        return false;
    emit errorMessage(QStringLiteral("Идет проверка связи с весами. Дождитесь её окончания и повторите команду."));
    return true;
}

bool ExchangeEngine::startExchange(int state, bool exactlyOne, const QString &countError, int timerInterval)
{
    if (connectionCheckBlocks())
        return false;
    const bool ok = exactlyOne ? SelectedScaleCount == 1 : SelectedScaleCount >= 1;
    if (!ok) {
        emit errorMessage(countError);
        return false;
    }
    if (timerInterval > 0)
        Timer1.setInterval(timerInterval);
    beginPolling(state);
    return true;
}

void ExchangeEngine::beginPolling(int state)
{
    ExchangeState = state;
    AckReceived = 0;
    ReplyCount = 0;
    ReplyBuffer.clear();
    OpenChannels();
    if (isWriteState())
        beginRecord();
    Timer1.start();
}

void ExchangeEngine::stop()
{
    Timer1.stop();
    CloseChannels();
    m_owing.clear();
    m_sent.clear();
}

void ExchangeEngine::endExchange(const QString &text)
{
    Timer1.stop();
    CloseChannels();
    m_owing.clear();
    m_sent.clear();
    if (!text.isEmpty())
        emit message(text);
    emit exchangeEnded();
}

void ExchangeEngine::setProgressMaximum(int max)
{
    m_pbMax = max;
    emit progressMaximumChanged(max);
}

void ExchangeEngine::setProgress(ProgressBar bar, int value)
{
    (bar == ProgressBar::Goods ? m_pbT : m_pbM) = value;
    emit progressChanged(bar, value);
}

void ExchangeEngine::stepProgress(ProgressBar bar) { setProgress(bar, progress(bar) + 1); }

} // namespace tevo
