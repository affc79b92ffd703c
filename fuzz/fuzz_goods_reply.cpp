// Fuzzes the decoders of scale replies on arbitrary bytes.
#include "FuzzSupport.h"

#include "commands/Logo.h"
#include "commands/MessageRecord.h"
#include "commands/ScaleReadouts.h"
#include "commands/SettingsPackets.h"
#include "common/Error.h"
#include "exchange/GoodsRecord.h"

#include <cstdint>

using namespace tevo;

namespace {
template <class F> void refusedOrDecoded(F &&f)
{
    try {
        f();
    } catch (const Error &) {
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::initApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    const QByteArray reply(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    refusedOrDecoded([&] { (void)decodeGoodsReply(reply); });
    refusedOrDecoded([&] { (void)decodeMessageReply(reply); });
    refusedOrDecoded([&] { (void)decodeSettingsReply(reply); });
    refusedOrDecoded([&] { (void)decodeHeaderReply(reply); });
    refusedOrDecoded([&] { (void)logoFromReply(reply); });
    refusedOrDecoded([&] { (void)decodeWeighingState(reply); });
    refusedOrDecoded([&] { (void)decodeSalesTotals(reply); });
    return 0;
}
