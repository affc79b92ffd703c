#pragma once
// For one write of changed records only ("Только изменённые"): which records each scale holds
// exactly as they are today. The ledger's digests of a scale are read once, at its first
// question, and compared with today's; what stays in memory is one bit per record number per
// scale and today's digest of each record asked about (a few hundred kilobytes for 4000 goods,
// however many scales).
#include "store/ScaleLedger.h"

#include <QBitArray>
#include <QByteArray>
#include <QHash>
#include <functional>

namespace tevo {

class HeldRecords {
public:
    // Today's digest of record `number`; empty when the record cannot be sent as it is.
    using DigestOf = std::function<QByteArray(int number)>;

    // Forgets what the last write learned.
    void reset();
    // Whether the scale at `address` (row `scaleRow` of S) holds record `number` as it is today.
    // A ledger that cannot be read holds nothing: the record is sent, as without the setting.
    bool holds(ScaleLedger &ledger, ScaleLedger::Kind kind, const QString &address, int scaleRow, int number,
               const DigestOf &digestOf);

private:
    QByteArray digest(int number, const DigestOf &digestOf);

    QHash<int, QBitArray> m_held;     // by scale row: bit n set when record n is held as today
    QHash<int, QByteArray> m_digests; // today's digests, by number
};

} // namespace tevo
