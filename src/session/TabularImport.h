#pragma once
// One import of another program's table (a CSV or TXT file, an Excel workbook, a dBase table)
// into the goods or messages table, as the import window and `tevo-cli import goods` work it:
// the file read in the encoding found or chosen, the sheet chosen, the column mapping given,
// remembered for the file's name (fileio/RememberedMappings) or found from its header row, and
// the checked plan of what will be stored (fileio/ImportPlan). Nothing here changes the table:
// the plan is applied by session/Operations (applyImport), all or nothing.
#include "fileio/ColumnMapping.h"
#include "fileio/ImportPlan.h"
#include "fileio/TabularFile.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tevo {

class RememberedMappings;
class Table;

class TabularImport {
public:
    // Where the mapping in use came from.
    enum class MappingFrom { Detected, Remembered, Given };

    // Reads the file (throws FileError, in Russian, naming it); the first sheet with rows is
    // chosen and its mapping found from its header row.
    TabularImport(ImportTarget target, const QString &path, const TabularReadOptions &options = {});
    // The same for a file read already (automatic loading reads its bytes once).
    TabularImport(ImportTarget target, TabularFile file);

    ImportTarget target() const { return m_target; }
    const TabularFile &file() const { return m_file; }
    const QString &path() const { return m_file.path; }
    // Reads the file again in another encoding (text files), keeping the sheet and the mapping.
    void setEncoding(TextEncoding encoding);

    int sheet() const { return m_sheet; }
    // Chooses a sheet by its position; its mapping is found again unless one was given or
    // remembered.
    void setSheet(int index);
    // Chooses the sheet of that name; throws InputError naming the sheets there are.
    void setSheetNamed(const QString &name);

    const ColumnMapping &mapping() const { return m_mapping; }
    MappingFrom mappingFrom() const { return m_from; }
    void setMapping(const ColumnMapping &mapping, MappingFrom from = MappingFrom::Given);
    // The mapping written as text (tevo-cli's --map); throws InputError.
    void setMappingText(const QString &text, MappingFrom from = MappingFrom::Given);
    // The mapping remembered for the file's name when there is one (true), otherwise the one
    // found from the sheet's header row; by default the data folder's remembered mappings.
    bool useRemembered(const RememberedMappings &remembered);
    bool useRemembered();
    // Remembers the mapping in use for file names like `pattern` (the data folder's
    // "ImportMappings.ini"). Throws FileError.
    void remember(const QString &pattern) const;
    // The pattern offered for the file's name: its runs of digits as "*".
    QString patternOffered() const;

    // The encodings a user may name (--encoding), and the one a name means.
    static std::optional<TextEncoding> encodingNamed(const QString &name);
    static QStringList encodingNames();

    // The sources the sheet offers for a mapping, one per column: the header row's title, or
    // "#N" for a column without one (and for every column of a file without a header row).
    QStringList sources() const;
    // How a source is shown in a list: "B: Наименование", "C".
    static QString sourceLabel(const QString &source, int column);

    // The checked plan against `table` (its rows and their count).
    ImportPlan plan(const Table &table) const;

    // One planned row as text: "строка 5: PLU 12; Наименование: Молоко; Цена (коп.): 1250".
    static QString describe(const PlannedRow &row, ImportTarget target);

private:
    void detect();

    ImportTarget m_target;
    TabularReadOptions m_options;
    TabularFile m_file;
    int m_sheet = 0;
    ColumnMapping m_mapping;
    MappingFrom m_from = MappingFrom::Detected;
};

} // namespace tevo
