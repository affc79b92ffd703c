#pragma once
// The column mappings the user chose, remembered per file-name pattern, so that the next price
// list from the same accounting program maps by itself. They live in "ImportMappings.ini" in
// the data folder (besideProgram), a profile file like the program's others: section [Goods]
// or [Messages], one key per pattern (wildcards * and ?, letter case aside), the mapping text
// of ColumnMapping as its value, for example
//     [Goods]
//     price_*.csv="PLU=Код,TNAME1=Наименование,PRICE=Цена:грн"
// For a file name the most particular pattern that matches wins (the longest).
#include "fileio/ColumnMapping.h"

#include <QString>
#include <optional>

namespace tevo {

inline constexpr const char *kImportMappingsFileName = "ImportMappings.ini";

class RememberedMappings {
public:
    // `path`: the INI file; by default the one of the data folder.
    explicit RememberedMappings(const QString &path = {});

    // The remembered mapping text for the file name (a path's folder is ignored); nothing when
    // no pattern matches or the file cannot be read.
    std::optional<QString> find(ImportTarget target, const QString &fileName) const;
    // Remembers the mapping for the pattern and writes the file at once (whole, through a
    // temporary file). Throws FileError "Unable to write to %s".
    void remember(ImportTarget target, const QString &pattern, const ColumnMapping &mapping);

    // The pattern offered for a file name: each run of digits becomes "*"
    // ("price_2024-05-31.csv" → "price_*-*-*.csv").
    static QString patternFor(const QString &fileName);

    const QString &path() const { return m_path; }

private:
    QString m_path;
};

} // namespace tevo
