#include "shell/WorkProperties.h"

#include "common/ProfileFile.h"

namespace tevo {
namespace {

const char *const kDepartmentKey = "Department";
const char *const kPrintShiftKey = "PrintShift";
const char *const kAutoPrintWeightKey = "AutoPrintWeight";
const char *const kLabelFormatKey = "LabelFormat";
const char *const kBarcodeKey = "Barcode";
const char *const kPrintOptionsKey = "PrintOptions";
const char *const kHeader1Key = "Header1";
const char *const kHeader2Key = "Header2";

bool holds(const ProfileFile &file, const char *section, const char *key)
{
    return file.keys(QLatin1String(section)).contains(QLatin1String(key), Qt::CaseInsensitive);
}

// A text value as it was written: the quotes keep its outer blanks.
void readText(const ProfileFile &file, const char *section, const char *key, QString &value)
{
    if (holds(file, section, key))
        value = file.readString(QLatin1String(section), QLatin1String(key));
}

void writeText(ProfileFile &file, const char *section, const char *key, const QString &value)
{
    file.writeString(QLatin1String(section), QLatin1String(key), QLatin1Char('\'') + value + QLatin1Char('\''));
}

void readNumber(const ProfileFile &file, const char *key, int &value)
{
    value = file.readInteger(QLatin1String(WorkProperties::kParametersSection), QLatin1String(key), value);
}

void writeNumber(ProfileFile &file, const char *key, int value)
{
    file.writeString(QLatin1String(WorkProperties::kParametersSection), QLatin1String(key), QString::number(value));
}

} // namespace

bool WorkProperties::readFastExchange(const QString &path)
{
    ProfileFile file(path);
    if (!file.load())
        return false;
    return file.readString(QLatin1String(kExchangeSection), QLatin1String(kFastExchangeKey)) == QLatin1String("1");
}

void WorkProperties::writeFastExchange(ProfileFile &file, bool on)
{
    file.writeString(QLatin1String(kExchangeSection), QLatin1String(kFastExchangeKey),
                     on ? QStringLiteral("1") : QStringLiteral("0"));
}

bool WorkProperties::readChangedOnly(const QString &path)
{
    ProfileFile file(path);
    if (!file.load())
        return false;
    return file.readString(QLatin1String(kExchangeSection), QLatin1String(kChangedOnlyKey)) == QLatin1String("1");
}

void WorkProperties::writeChangedOnly(ProfileFile &file, bool on)
{
    file.writeString(QLatin1String(kExchangeSection), QLatin1String(kChangedOnlyKey),
                     on ? QStringLiteral("1") : QStringLiteral("0"));
}

void WorkProperties::readParameters(const ProfileFile &file, ParametersTab::Kept &kept)
{
    readText(file, kParametersSection, kDepartmentKey, kept.department);
    readText(file, kParametersSection, kPrintShiftKey, kept.printShift);
    readText(file, kParametersSection, kAutoPrintWeightKey, kept.autoPrintWeight);
    readNumber(file, kLabelFormatKey, kept.labelFormatPosition);
    readNumber(file, kBarcodeKey, kept.barcodePosition);
    int options = kept.printOptions;
    readNumber(file, kPrintOptionsKey, options);
    if (options >= 0 && options <= 0xFF)
        kept.printOptions = quint8(options);
    readText(file, kParametersSection, kHeader1Key, kept.header.line1);
    readText(file, kParametersSection, kHeader2Key, kept.header.line2);
    if (holds(file, Language::kSection, Language::kKey))
        kept.language =
            Language::choiceOf(file.readString(QLatin1String(Language::kSection), QLatin1String(Language::kKey)));
}

void WorkProperties::writeParameters(ProfileFile &file, const ParametersTab::Kept &kept)
{
    writeText(file, kParametersSection, kDepartmentKey, kept.department);
    writeText(file, kParametersSection, kPrintShiftKey, kept.printShift);
    writeText(file, kParametersSection, kAutoPrintWeightKey, kept.autoPrintWeight);
    writeNumber(file, kLabelFormatKey, kept.labelFormatPosition);
    writeNumber(file, kBarcodeKey, kept.barcodePosition);
    writeNumber(file, kPrintOptionsKey, kept.printOptions);
    writeText(file, kParametersSection, kHeader1Key, kept.header.line1);
    writeText(file, kParametersSection, kHeader2Key, kept.header.line2);
    Language::writeChoice(file, kept.language);
}

QString WorkProperties::readRange(const ProfileFile &file, const char *key, const QString &fallback)
{
    QString range = fallback;
    readText(file, kRangesSection, key, range);
    return range;
}

void WorkProperties::writeRange(ProfileFile &file, const char *key, const QString &range)
{
    writeText(file, kRangesSection, key, range);
}

} // namespace tevo
