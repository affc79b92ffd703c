#pragma once
// The settings of the window kept beside the column widths, in the same file
// ("ScaleTevo_workProp.ini"): "Быстрый обмен" and "Только изменённые" in a section of their own,
//
//     [Exchange]
//     FastExchange=1
//     ChangedOnly=1
//
// "1" ticked, "0" clear. A missing or damaged file, section or value reads as clear.
#include <QString>

namespace tevo {

class ProfileFile;

class WorkProperties {
public:
    static constexpr const char *kExchangeSection = "Exchange";
    static constexpr const char *kFastExchangeKey = "FastExchange";

    static bool readFastExchange(const QString &path);
    static void writeFastExchange(ProfileFile &file, bool on);
    static constexpr const char *kChangedOnlyKey = "ChangedOnly";
    static bool readChangedOnly(const QString &path);
    static void writeChangedOnly(ProfileFile &file, bool on);
};

} // namespace tevo
