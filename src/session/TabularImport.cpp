// One import of another program's table, from the file to its checked plan (TabularImport.h).
#include "session/TabularImport.h"

#include "common/Error.h"
#include "fileio/ColumnTitles.h"
#include "fileio/RememberedMappings.h"
#include "store/Table.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tevo {

namespace {

constexpr int kMostSourceRows = 20; // rows looked at for the number of columns

} // namespace

TabularImport::TabularImport(ImportTarget target, const QString &path, const TabularReadOptions &options)
    : m_target(target), m_options(options), m_file(readTabularFile(path, options)), m_mapping(target)
{
    for (int s = 0; s < m_file.sheets.size(); ++s)
        if (!m_file.sheets[s].rows.isEmpty()) {
            m_sheet = s;
            break;
        }
    detect();
}

TabularImport::TabularImport(ImportTarget target, TabularFile file)
    : m_target(target), m_file(std::move(file)), m_mapping(target)
{
    for (int s = 0; s < m_file.sheets.size(); ++s)
        if (!m_file.sheets[s].rows.isEmpty()) {
            m_sheet = s;
            break;
        }
    detect();
}

void TabularImport::detect()
{
    if (m_sheet >= 0 && m_sheet < m_file.sheets.size())
        m_mapping = ColumnMapping::detect(m_file.sheets[m_sheet], m_target);
    else
        m_mapping = ColumnMapping(m_target);
    m_from = MappingFrom::Detected;
}

void TabularImport::setEncoding(TextEncoding encoding)
{
    TabularReadOptions options = m_options;
    options.encoding = encoding;
    TabularFile file = readTabularFile(m_file.path, options);
    const QString sheetName = m_file.sheets.value(m_sheet).name;
    m_options = options;
    m_file = std::move(file);
    m_sheet = std::max(0, m_file.sheetIndex(sheetName));
    if (m_from == MappingFrom::Detected)
        detect();
}

void TabularImport::setSheet(int index)
{
    if (index < 0 || index >= m_file.sheets.size())
        return;
    m_sheet = index;
    if (m_from == MappingFrom::Detected)
        detect();
}

void TabularImport::setSheetNamed(const QString &name)
{
    const int index = m_file.sheetIndex(name);
    if (index < 0)
        throw InputError(QCoreApplication::translate("tevo::TabularImport", "В файле «%1» нет листа «%2»; листы: %3.")
                             .arg(m_file.fileName(), name,
                                  m_file.sheetNames().isEmpty()
                                      ? QCoreApplication::translate("tevo::TabularImport", "нет ни одного")
                                      : m_file.sheetNames().join(QStringLiteral(", "))));
    setSheet(index);
}

void TabularImport::setMapping(const ColumnMapping &mapping, MappingFrom from)
{
    m_mapping = mapping;
    m_from = from;
}

void TabularImport::setMappingText(const QString &text, MappingFrom from)
{
    setMapping(ColumnMapping::fromText(text, m_target), from);
}

bool TabularImport::useRemembered(const RememberedMappings &remembered)
{
    const std::optional<QString> text = remembered.find(m_target, m_file.path);
    if (text) {
        try {
            setMappingText(*text, MappingFrom::Remembered);
            return true;
        } catch (const InputError &) {
            // A remembered text that no longer reads (edited by hand) is passed over.
        }
    }
    detect();
    return false;
}

bool TabularImport::useRemembered() { return useRemembered(RememberedMappings()); }

void TabularImport::remember(const QString &pattern) const
{
    RememberedMappings().remember(m_target, pattern, m_mapping);
}

QString TabularImport::patternOffered() const
{
    return RememberedMappings::patternFor(QFileInfo(m_file.path).fileName());
}

std::optional<TextEncoding> TabularImport::encodingNamed(const QString &name) { return textEncodingNamed(name); }

QStringList TabularImport::encodingNames() { return textEncodingNames(); }

QStringList TabularImport::sources() const
{
    if (m_sheet < 0 || m_sheet >= m_file.sheets.size())
        return {};
    const TabularSheet &sheet = m_file.sheets[m_sheet];
    ColumnMapping resolved = m_mapping;
    resolved.resolve(sheet);
    int header = resolved.headerRow();
    if (header < 0)
        header = ColumnMapping::detect(sheet, m_target).headerRow();
    // A first row of titles none of which is known (and no number among them, which a row of
    // data has: its PLU) still names its columns, so that they can be mapped by hand.
    if (header < 0 && ColumnMapping::titlesOnly(sheet, 0))
        header = 0;
    int columns = 0;
    for (int r = 0; r < std::min<int>(kMostSourceRows, int(sheet.rows.size())); ++r)
        columns = std::max<int>(columns, int(sheet.rows[r].cells.size()));
    QStringList out;
    for (int c = 0; c < columns; ++c) {
        const QString title = header >= 0 ? sheet.rows[header].text(c).simplified() : QString();
        // A title that the mapping text cannot hold as it stands, or one the row has twice, is
        // named by its position.
        const bool usable = !title.isEmpty() && !title.startsWith(QLatin1Char('#')) && !out.contains(title);
        out << (usable ? title : QStringLiteral("#%1").arg(c + 1));
    }
    return out;
}

QString TabularImport::sourceLabel(const QString &source, int column)
{
    const QString letters = columnLetters(column);
    if (source.startsWith(QLatin1Char('#')))
        return letters;
    return QStringLiteral("%1: %2").arg(letters, source);
}

ImportPlan TabularImport::plan(const Table &table) const { return ImportPlan(m_file, m_sheet, m_mapping, table); }

QString TabularImport::describe(const PlannedRow &row, ImportTarget target)
{
    const QString tableName = target == ImportTarget::Goods ? QStringLiteral("T") : QStringLiteral("M");
    QStringList parts;
    parts << (target == ImportTarget::Goods ? QStringLiteral("PLU %1") : QStringLiteral("№ %1")).arg(row.row + 1);
    for (const auto &v : row.values)
        parts << QStringLiteral("%1: %2").arg(columnTitle(tableName, v.first).title,
                                              v.second.isNull()
                                                  ? QCoreApplication::translate("tevo::TabularImport", "(пусто)")
                                                  : v.second.toString());
    return QStringLiteral("%1: %2").arg(row.place, parts.join(QStringLiteral("; ")));
}

} // namespace tevo
