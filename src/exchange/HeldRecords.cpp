// Which records each scale holds as they are today, for a write of changed records only.
#include "exchange/HeldRecords.h"

#include "common/Error.h"

namespace tevo {

void HeldRecords::reset()
{
    m_held.clear();
    m_digests.clear();
}

QByteArray HeldRecords::digest(int number, const DigestOf &digestOf)
{
    auto d = m_digests.find(number);
    if (d == m_digests.end())
        d = m_digests.insert(number, digestOf(number));
    return *d;
}

bool HeldRecords::holds(ScaleLedger &ledger, ScaleLedger::Kind kind, const QString &address, int scaleRow, int number,
                        const DigestOf &digestOf)
{
    auto held = m_held.find(scaleRow);
    if (held == m_held.end()) {
        QBitArray bits;
        try {
            const QHash<int, QByteArray> digests = ledger.held(address, kind);
            for (auto it = digests.cbegin(); it != digests.cend(); ++it) {
                if (it.key() < 1)
                    continue;
                const QByteArray today = digest(it.key(), digestOf);
                if (today.isEmpty() || today != it.value())
                    continue;
                if (bits.size() <= it.key())
                    bits.resize(it.key() + 1);
                bits.setBit(it.key());
            }
        } catch (const Error &) {
            bits.clear(); // the ledger cannot be read: nothing counts as held
        }
        held = m_held.insert(scaleRow, bits);
    }
    return number >= 0 && number < held->size() && held->testBit(number);
}

} // namespace tevo
