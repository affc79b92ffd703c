// Fuzzes the exchange engine's handling of what scales send: every command state of the
// protocol, a range of numbers, and arbitrary packets from two scale rows. The scale rows
// point at 127.0.0.1:9 and are not selected, and no channel is ever opened, so nothing
// leaves the process.
//
// Input: byte 0 picks the command state, bytes 1 and 2 the range ("a-b"), byte 3 the range
// cursor's start; then packets, each a control byte (bit 7 flips AckReceived first, bit 6
// sends it from the second scale row, bit 5 toggles the connection check, bits 0-1 the high
// bits of the length), a length byte and that many bytes.
#include "FuzzSupport.h"

#include "commands/ConnectionCheck.h"
#include "commands/MessagesTransfer.h"
#include "commands/ParameterCommands.h"
#include "exchange/ExchangeEngine.h"
#include "exchange/GoodsTransfer.h"
#include "exchange/ScaleChannels.h"
#include "store/Store.h"
#include "store/Table.h"

#include <QCoreApplication>
#include <cstdint>
#include <memory>

using namespace tevo;

namespace {

class QuietHost : public ParametersHost {
public:
    ScaleSettings settings() const override { return m_settings; }
    void setSettings(const ScaleSettings &settings) override { m_settings = settings; }
    ShopHeader header() const override { return m_header; }
    void setHeader(const ShopHeader &header) override { m_header = header; }
    LogoPixels logo() const override { return m_logo; }
    void setLogo(const LogoPixels &logo) override { m_logo = logo; }
    void showWeighingState(const WeighingState &) override {}
    void showTotals(const SalesTotals &) override {}

private:
    ScaleSettings m_settings;
    ShopHeader m_header;
    LogoPixels m_logo;
};

struct Rig {
    Store store;
    std::unique_ptr<ScaleChannels> channels;
    std::unique_ptr<ExchangeEngine> engine;
    std::unique_ptr<GoodsTransfer> goods;
    std::unique_ptr<MessagesTransfer> messages;
    QuietHost host;
    std::unique_ptr<ParameterCommands> parameters;
    std::unique_ptr<ConnectionCheck> check;
};

Rig *rig = nullptr;

constexpr int kStates[] = {cmd::SettingsRead,  cmd::HeaderRead,   cmd::LogoRead,     cmd::CheckReply,
                           cmd::SettingsWrite, cmd::HeaderWrite,  cmd::LogoWrite,    cmd::DateWrite,
                           cmd::TimeWrite,     cmd::GoodsRead,    cmd::GoodsWrite,   cmd::MessagesRead,
                           cmd::MessagesWrite, cmd::TotalsRead,   cmd::StateRead};

bool isMessagesState(int state) { return state == cmd::MessagesRead || state == cmd::MessagesWrite; }

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::initApplication();
    const QString db = fuzz::makeScratchDatabase(QStringLiteral("reply.db"));
    rig = new Rig;   // lives as long as the process
    rig->store.openTables(db);
    Table &scales = rig->store.scales();
    for (int i = 0; i < 2; ++i)
        scales.appendRow({{QStringLiteral("U"), QStringLiteral("F")},
                          {QStringLiteral("W"), QStringLiteral("F")},
                          {QStringLiteral("NAME"), QStringLiteral("fuzz")},
                          {QStringLiteral("IP"), QStringLiteral("127.0.0.1")},
                          {QStringLiteral("PORT"), 9}});
    rig->channels = std::make_unique<ScaleChannels>(scales);
    rig->engine = std::make_unique<ExchangeEngine>(rig->store, *rig->channels);
    rig->goods = std::make_unique<GoodsTransfer>(*rig->engine);
    rig->messages = std::make_unique<MessagesTransfer>(*rig->engine);
    rig->parameters = std::make_unique<ParameterCommands>(*rig->engine, rig->host);
    rig->check = std::make_unique<ConnectionCheck>(*rig->engine);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4 || size > 16384)
        return 0;
    ExchangeEngine &engine = *rig->engine;
    const int state = kStates[data[0] % (sizeof kStates / sizeof kStates[0])];
    const int maxNumber = isMessagesState(state) ? kMaxMessageNumber : kMaxGoodsNumber;
    const int first = 1 + data[1] % 8;
    const int last = first + data[2] % 8;

    engine.Timer1.stop();
    engine.ConnectionCheckActive = false;
    engine.SendToAllScales = false;
    engine.AckReceived = 0;
    engine.ReplyBuffer.clear();
    engine.ReplyCount = 0;
    engine.SelectedScaleCount = 1;
    engine.priceChangeChecked = (data[3] & 0x80) != 0;
    rig->parameters->SettingsReply.clear();
    rig->parameters->HeaderReply.clear();
    rig->parameters->LogoReply.clear();
    engine.ExchangeState = state;
    engine.Range.ParseRange(QStringLiteral("%1-%2").arg(first).arg(qMin(last, maxNumber)), maxNumber);
    engine.RangeCursor = engine.Range.RangeFirst + (data[3] & 0x03);
    engine.ReadCursor = engine.RangeCursor;
    engine.beginRecord();

    size_t pos = 4;
    while (pos + 2 <= size) {
        const uint8_t control = data[pos];
        const size_t length = (size_t(control & 0x03) << 8) | data[pos + 1];
        pos += 2;
        const size_t take = qMin(length, size - pos);
        const QByteArray packet(reinterpret_cast<const char *>(data + pos), static_cast<qsizetype>(take));
        pos += take;
        if (control & 0x80)
            engine.AckReceived = engine.AckReceived ? 0 : 1;
        if (control & 0x20)
            engine.ConnectionCheckActive = !engine.ConnectionCheckActive;
        engine.HandleReply(packet, (control & 0x40) ? 2 : 1);
    }
    engine.Timer1.stop();
    engine.ConnectionCheckActive = false;
    fuzz::dropReportedErrors();
    return 0;
}
