#pragma once
// The goods record as it travels to and from a scale: the 85-byte write request (command
// 0x82), the 5-byte read request (0x81) and the read reply (0xAA + 101 bytes).
#include "common/ScalePage.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tevo {

inline constexpr uchar kGoodsWriteCommand = 0x82;
inline constexpr uchar kGoodsReadCommand = 0x81;
inline constexpr int kGoodsRecordLength = 85;
inline constexpr int kGoodsReadRequestLength = 5;
inline constexpr int kGoodsReplyMinLength = 101; // the last byte (offset 101) may be missing
inline constexpr int kGoodsReplyLength = 102;
inline constexpr int kGoodsNameWidth = 28;
inline constexpr int kLogoTextWidth = 13;

// The columns of a goods row that go to the scale, as the table holds them (empty = null).
struct GoodsFields {
    QString NPLU;
    QString TNAME1;
    QString TNAME2;
    QString PRICE;
    QString UBDATE;
    QString TARA;
    QString CODE;
    QString GROUPCODE;
    QString MESSAGE;
    QString LOGO;
};

// The two name fields of a goods record.
enum class GoodsNameField { First, Second };

// The logo kind chosen by a LOGO text is goodsLogoKind (common/ScalePage), which the grids and
// the data check use too.

// A name as one 28-byte field: converted with toScaleCode, 0x00 up to 28, cut at 28. With a
// logo, bytes 24 … 27 carry 0x00, the logo kind and two characters of the LOGO text padded
// to 13 (characters 10 and 12 for the first field, 9 and 11 for the second).
QByteArray encodeGoodsName(const QString &name, GoodsNameField field, const QString &logo);

// The 85-byte write request of a goods row. logoWriteBack (may be null) receives the LOGO
// text the row should hold afterwards: with a logo it is padded with blanks to 13
// characters, otherwise unchanged; the caller stores it back when it differs.
// Throws ConversionError "'%s' is not a valid integer value" when NPLU, PRICE, TARA,
// MESSAGE, a shelf-life day count, a date digit or a code digit is not a number; nothing is
// written back then.
QByteArray buildGoodsRecord(const GoodsFields &fields, QString *logoWriteBack);

// 0x81 and the number, 32-bit little-endian.
QByteArray buildGoodsReadRequest(int number);

// The texts a read reply gives for the goods row (every value as text).
struct GoodsReplyFields {
    QString CODE;
    std::optional<QString> LOGO; // set only when the reply carries logo kind 1 or 2
    QString TNAME1;
    QString TNAME2;
    QString PRICE;
    QString UBDATE;
    QString TARA;
    QString GROUPCODE;
    QString MESSAGE;
    QString OSUM;
    QString OVES;
    QString OCOUNTPROD;
};

// Decodes a read reply (offset 0 is the acknowledgement 0xAA). Needs at least 101 bytes
// (throws InputError otherwise); a missing byte at offset 101 counts as 0, bytes past 101
// are ignored.
GoodsReplyFields decodeGoodsReply(const QByteArray &reply);

} // namespace tevo
