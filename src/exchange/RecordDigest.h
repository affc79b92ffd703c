#pragma once
// The digests the ledger keeps of what a scale holds, and the goods record a row of T makes.
// A goods write request and a goods read reply lay out offsets 1 … 83 alike (number, code,
// names, price, shelf life, tare, group code, message): the digest of a goods record is the
// SHA-256 of those bytes, so a record written and the same record read back give one digest.
#include "exchange/GoodsRecord.h"

#include <QByteArray>

namespace tevo {

class Table;

// The digest of a goods write request (0x82 …) or read reply (0xAA …).
QByteArray goodsDigest(const QByteArray &requestOrReply);
// The digest of eight message lines as the scale holds them (8 × 50 bytes).
QByteArray messageLinesDigest(const QByteArray &lines400);

// The columns of goods row `row` (0-based) that go to the scale.
GoodsFields goodsFieldsOf(const Table &goods, int row);
// The write request of goods row `row`; throws ConversionError as buildGoodsRecord does.
QByteArray goodsRecordOf(const Table &goods, int row, QString *logoWriteBack = nullptr);
// Whether a goods row holds nothing to send (no names, no price).
bool goodsRowEmpty(const Table &goods, int row);

} // namespace tevo
