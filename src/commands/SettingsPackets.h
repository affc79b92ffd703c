#pragma once
// The user print settings and the two shop-header lines of a scale.
//   settings   0x8A (write) / 0xAA (read reply), 9 bytes                  = 10 bytes
//   header     0x94 (write) / 0xAA (read reply), 2 × 28 scale characters  = 57 bytes
//   read requests: 0x95 settings, 0x98 header, 0x97 logo (one byte each)
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tevo {

inline constexpr uchar kSettingsWriteCommand = 0x8A;
inline constexpr uchar kSettingsReadCommand = 0x95;
inline constexpr uchar kHeaderWriteCommand = 0x94;
inline constexpr uchar kHeaderReadCommand = 0x98;
inline constexpr int kSettingsPacketLength = 10;
inline constexpr int kHeaderPacketLength = 57;
inline constexpr int kHeaderLineWidth = 28;
inline constexpr int kHeaderTypedMaxLength = 27; // what the edits take by typing
inline constexpr int kLabelFormatCount = 46;
inline constexpr int kBarcodeFormatCount = 9;

// With no label format chosen the list shows the text of this item, so its code is sent.
inline constexpr int kShownLabelFormatPosition = 21;

struct ScaleSettings {
    int department = 1;          // sent as units, tens, hundreds (low 8 bits of n div 100)
    int labelFormatPosition = 0; // 1 … 46 in the label-format list, 0 = nothing chosen
    int barcodePosition = 1;     // 0 … 8 in the barcode list, -1 = nothing chosen
    int printShift = 10;         // low 8 bits sent
    quint8 printOptions = 0;     // one bit per check box, see printOptionList()
    int autoPrintWeight = 200;   // n mod 256, then n div 256 (low 8 bits each)

    bool operator==(const ScaleSettings &o) const
    {
        return department == o.department && labelFormatPosition == o.labelFormatPosition
               && barcodePosition == o.barcodePosition && printShift == o.printShift && printOptions == o.printOptions
               && autoPrintWeight == o.autoPrintWeight;
    }
};

// The 10-byte write request. A label-format position outside 1 … 46 sends the code of
// kShownLabelFormatPosition; a barcode position outside 0 … 8 sends 0 (no barcode).
QByteArray buildSettingsPacket(const ScaleSettings &settings);

// The 10-byte read reply (byte 0, the acknowledgement, is not looked at). A label-format
// code the list does not have gives position 0, a barcode position past the list gives -1.
// Needs at least 10 bytes (throws InputError otherwise).
ScaleSettings decodeSettingsReply(const QByteArray &reply);

struct ShopHeader {
    QString line1;
    QString line2;
};

// The 57-byte write request: each line converted, cut at 28 and padded with 0x00.
QByteArray buildHeaderPacket(const QString &line1, const QString &line2);

// The 57-byte read reply; each line ends at its first 0x00. Needs at least 57 bytes.
ShopHeader decodeHeaderReply(const QByteArray &reply);

// The label-format list, position 1 first (46 texts).
QStringList labelFormatTexts();
// The barcode-format list, position 0 first (9 texts).
QStringList barcodeFormatTexts();
// The legend beside the barcode list (7 lines).
QStringList barcodeLegendLines();

// A print option: its bit in byte 7 of the settings packet, its check box and caption.
struct PrintOption {
    int bit;
    quint8 mask;
    QString checkBox;
    QString caption;
};

// The eight print options in bit order (CheckBox1 = bit 0 … CheckBox8 = bit 7).
QList<PrintOption> printOptionList();
// The bits in the order the check boxes stand on screen, top to bottom.
QList<int> printOptionScreenOrder();

} // namespace tevo
