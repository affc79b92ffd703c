// Column mappings remembered per file-name pattern in ImportMappings.ini (RememberedMappings.h).
#include "fileio/RememberedMappings.h"

#include "common/AppPaths.h"
#include "common/ProfileFile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace tevo {
namespace {

QString sectionOf(ImportTarget target)
{
    return target == ImportTarget::Goods ? QStringLiteral("Goods") : QStringLiteral("Messages");
}

} // namespace

RememberedMappings::RememberedMappings(const QString &path)
    : m_path(path.isEmpty() ? besideProgram(QLatin1String(kImportMappingsFileName)) : path)
{
}

std::optional<QString> RememberedMappings::find(ImportTarget target, const QString &fileName) const
{
    ProfileFile profile(m_path);
    if (!profile.load())
        return std::nullopt;
    const QString name = QFileInfo(fileName).fileName();
    const QString section = sectionOf(target);
    QString best;
    for (const QString &pattern : profile.keys(section)) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.isValid() && re.match(name).hasMatch() && pattern.size() > best.size())
            best = pattern;
    }
    if (best.isEmpty())
        return std::nullopt;
    return profile.readString(section, best);
}

void RememberedMappings::remember(ImportTarget target, const QString &pattern, const ColumnMapping &mapping)
{
    ProfileFile profile(m_path);
    profile.loadOrThrow();
    // In quotes, which the reading takes off, so that a mapping that ends in a quote keeps it.
    profile.writeString(sectionOf(target), pattern.trimmed(), QLatin1Char('"') + mapping.toText() + QLatin1Char('"'));
    profile.saveAtomicallyOrThrow();
}

QString RememberedMappings::patternFor(const QString &fileName)
{
    QString pattern = QFileInfo(fileName).fileName();
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    pattern.replace(digits, QStringLiteral("*"));
    return pattern;
}

} // namespace tevo
