#pragma once
// The settings file: the user print settings, the shop header and the logo of a scale in one
// profile (INI) file, as "tevo-cli read-settings --to" writes it and "write-settings --from"
// reads it. Windows-1251 on writing, UTF-8 or Windows-1251 on reading (common/ProfileFile).
//
//   [Settings]
//   Department=1            0 … 999      "Номер отдела"
//   LabelFormat=21          1 … 46       position in the list "Формат Этикетки"
//   Barcode=1               0 … 8        position in the list "Формат" (barcode)
//   PrintShift=10           0 … 255      "Сдвиг печати"
//   AutoPrintWeight=200     0 … 65535    "Вес автопечати"
//   PriceChange=0 … PrintPackingTime=0   the eight print options, 0 or 1, in bit order
//   [Header]
//   Line1="…"               at most 28 characters each; quoted, so blanks at the ends stay
//   Line2="…"
//   [Logo]
//   Row1=#...…              64 rows of 64 characters: "#" a printed dot, "." a blank one
//
// Reading is strict: an unknown section or key, a number out of its range, a header line too
// long or a logo row of another character is refused (InputError or ConversionError naming
// it), so a typing error never reaches a scale. A missing key takes the value the parameters
// tab shows at start, except LabelFormat, which must be given; missing header lines are
// empty; a missing [Logo] is a blank logo, and a row left out is blank.
#include "commands/Logo.h"
#include "commands/SettingsPackets.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tevo {

struct SettingsFileContent {
    ScaleSettings settings;
    ShopHeader header;
    LogoPixels logo;
    bool hasLogo = false; // the file held a [Logo] section
};

// The keys of the eight print options, in bit order (bit 0 first).
const QStringList &printOptionKeys();

// The 64 rows of the logo as text ("#" and ".").
QStringList logoRows(const LogoPixels &logo);

// The file's bytes.
QByteArray settingsFileBytes(const ScaleSettings &settings, const ShopHeader &header, const LogoPixels &logo);
// Writes the file whole through a temporary file; throws FileError "Unable to write to %s".
void writeSettingsFile(const QString &path, const ScaleSettings &settings, const ShopHeader &header,
                       const LogoPixels &logo);

// Reads the bytes of a settings file; `name` names it in the messages.
SettingsFileContent parseSettingsFile(const QByteArray &bytes, const QString &name);
// Reads the file; throws FileError "Cannot open file %s", then as parseSettingsFile.
SettingsFileContent readSettingsFile(const QString &path);

} // namespace tevo
