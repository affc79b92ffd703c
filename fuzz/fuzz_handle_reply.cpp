// Fuzzes the exchange engine's handling of what scales send: every command of the protocol
// started as the window starts it, a range of numbers, and arbitrary packets from two scale
// rows. The rows are serial scales whose ports the ports file maps to pseudo-terminals of the
// process's own, read and dropped: the channels open, a row that none serves would take no
// part, and nothing leaves the process.
//
// Input: byte 0 picks the command, bytes 1 and 2 the range ("a-b"), byte 3 the selected rows
// (bits 0-1: the first, the second, both; 0 is the first), "Быстрый обмен" (bit 6) and
// "Изменение цены" (bit 7); then
// packets, each a control byte (bit 7 stops the exchange first, so the packet comes late;
// bit 6 sends it from the second scale row; bit 5 toggles the connection check; bits 0-1 the
// high bits of the length), a length byte and that many bytes.
#include "FuzzSupport.h"

#include "commands/ScaleExchange.h"
#include "common/AppPaths.h"
#include "store/Store.h"
#include "store/Table.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

using namespace tevo;

namespace {

struct Rig {
    Store store;
    std::unique_ptr<ScaleExchange> exchange;
};

Rig *rig = nullptr;
int masters[2] = {-1, -1}; // the other ends of the two rows' pseudo-terminals

// A pseudo-terminal whose other end the fuzzer keeps; returns the device of the scale's end.
QString makeTerminal(int &master)
{
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        std::abort();
    return QString::fromLocal8Bit(::ptsname(master));
}

// What the engine sent is dropped, so that no write ever waits.
void drainTerminals()
{
    char buffer[4096];
    for (int master : masters)
        while (::read(master, buffer, sizeof buffer) > 0) {
        }
}

// The commands in the order of their first command state.
enum Starter {
    SettingsRead,
    HeaderRead,
    LogoRead,
    Check,
    SettingsWrite,
    HeaderWrite,
    LogoWrite,
    DateWrite,
    TimeWrite,
    GoodsRead,
    GoodsWrite,
    MessagesRead,
    MessagesWrite,
    TotalsRead,
    StateRead,
    kStarterCount
};

void start(ScaleExchange &x, int starter, const QString &range)
{
    switch (starter) {
    case SettingsRead:
    case HeaderRead:
    case LogoRead:
        x.parameters().startSettingsRead();
        break;
    case Check:
        x.engine().beginConnectionCheck();
        break;
    case SettingsWrite:
    case HeaderWrite:
        x.parameters().startSettingsWrite();
        break;
    case LogoWrite:
        x.parameters().startLogoWrite();
        break;
    case DateWrite:
    case TimeWrite:
        x.parameters().startClockWrite();
        break;
    case GoodsRead:
        x.goods().startGoodsRead(range);
        break;
    case GoodsWrite:
        x.goods().StartGoodsWrite(range);
        break;
    case MessagesRead:
        x.messages().startMessagesRead(range);
        break;
    case MessagesWrite:
        x.messages().startMessagesWrite(range);
        break;
    case TotalsRead:
        x.parameters().startTotalsRead();
        break;
    case StateRead:
        x.parameters().startStateRead();
        break;
    }
}

void toggleCheck(ExchangeEngine &engine)
{
    if (engine.connectionCheckActive())
        engine.endConnectionCheck();
    else if (!engine.isRunning())
        engine.beginConnectionCheck();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::initApplication();
    setProgramDir(fuzz::scratchDir());
    const QString fifth = makeTerminal(masters[0]), sixth = makeTerminal(masters[1]);
    fuzz::writeScratchFile(QLatin1String(kSerialPortsFileName),
                           QStringLiteral("[Ports]\r\nCOM5=%1\r\nCOM6=%2\r\n").arg(fifth, sixth).toLocal8Bit());
    const QString db = fuzz::makeScratchDatabase(QStringLiteral("reply.db"));
    rig = new Rig; // lives as long as the process
    rig->store.openTables(db);
    Table &scales = rig->store.scales();
    for (int i = 0; i < 2; ++i)
        scales.appendRow({{QStringLiteral("U"), QStringLiteral("F")},
                          {QStringLiteral("W"), QStringLiteral("T")},
                          {QStringLiteral("NAME"), QStringLiteral("fuzz")},
                          {QStringLiteral("IP"), QStringLiteral("COM%1").arg(5 + i)},
                          {QStringLiteral("PORT"), 9600}});
    rig->exchange = std::make_unique<ScaleExchange>(rig->store);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4 || size > 16384)
        return 0;
    ScaleExchange &x = *rig->exchange;
    ExchangeEngine &engine = x.engine();
    engine.stop();
    if (engine.connectionCheckActive())
        engine.endConnectionCheck();

    const int starter = data[0] % kStarterCount;
    const bool messages = starter == MessagesRead || starter == MessagesWrite;
    const int maxNumber = messages ? kMaxMessageNumber : kMaxGoodsNumber;
    const int first = 1 + data[1] % 8;
    const int last = qMin(first + data[2] % 8, maxNumber);
    const int rows = data[3] & 0x03;
    Table &scales = rig->store.scales();
    scales.setValue(0, QStringLiteral("U"), truthText(rows != 2));
    scales.setValue(1, QStringLiteral("U"), truthText(rows >= 2));
    engine.setPriceChange((data[3] & 0x80) != 0);
    engine.setFastExchange((data[3] & 0x40) != 0);
    start(x, starter, QStringLiteral("%1-%2").arg(first).arg(last));

    size_t pos = 4;
    while (pos + 2 <= size) {
        const uint8_t control = data[pos];
        const size_t length = (size_t(control & 0x03) << 8) | data[pos + 1];
        pos += 2;
        const size_t take = qMin(length, size - pos);
        const QByteArray packet(reinterpret_cast<const char *>(data + pos), static_cast<qsizetype>(take));
        pos += take;
        if (control & 0x80)
            engine.stop();
        if (control & 0x20)
            toggleCheck(engine);
        engine.HandleReply(packet, (control & 0x40) ? 2 : 1);
    }
    engine.stop();
    if (engine.connectionCheckActive())
        engine.endConnectionCheck();
    drainTerminals();
    fuzz::dropReportedErrors();
    return 0;
}
