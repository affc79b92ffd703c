#pragma once
// The settings of the window kept beside the column widths, in the same file
// ("ScaleTevo_workProp.ini"), each group in a section of its own:
//
//     [Exchange]                 "Быстрый обмен" and "Только изменённые"
//     FastExchange=1
//     ChangedOnly=1
//     [Parameters]               the parameters tab as the user left it
//     Department='1'
//     PrintShift='10'
//     AutoPrintWeight='200'
//     LabelFormat=21             1-based position in "Формат Этикетки"; 0 none
//     Barcode=1                  0-based position in the barcode list; -1 none
//     PrintOptions=1             the eight print options as the settings packet's byte
//     Header1='Магазин «Ромашка»'
//     Header2=''
//     Language=uk                the language of the texts (session/Language): system, ru, uk, en
//     [Ranges]                   "Диапазон для загрузки" of each tab
//     Goods='1-4000'
//     Messages='1-5, 7-8'
//
// "1" ticked, "0" clear. Texts stand in single quotes, so leading and trailing blanks come back.
// A missing or damaged file, section or value reads as clear or leaves the designed value.
#include "shell/ParametersTab.h"

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

    static constexpr const char *kParametersSection = "Parameters";
    // What the file holds of the parameters tab replaces those values of `kept`; the rest stays.
    static void readParameters(const ProfileFile &file, ParametersTab::Kept &kept);
    static void writeParameters(ProfileFile &file, const ParametersTab::Kept &kept);

    static constexpr const char *kRangesSection = "Ranges";
    static constexpr const char *kGoodsRangeKey = "Goods";
    static constexpr const char *kMessagesRangeKey = "Messages";
    // The stored range, or `fallback` when the file holds none.
    static QString readRange(const ProfileFile &file, const char *key, const QString &fallback);
    static void writeRange(ProfileFile &file, const char *key, const QString &range);
};

} // namespace tevo
