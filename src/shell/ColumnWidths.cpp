#include "shell/ColumnWidths.h"

#include "common/Error.h"
#include "common/ProfileFile.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QTableView>

namespace tevo {
namespace {

constexpr int kMaxWidth = 5000;

QString keyName(int index) { return QStringLiteral("Line%1").arg(index); }

QTableView *gridNamed(const QList<QTableView *> &grids, const QString &name)
{
    for (QTableView *g : grids)
        if (g && g->objectName() == name)
            return g;
    return nullptr;
}

} // namespace

QStringList ColumnWidths::storedLines(const QList<QTableView *> &grids)
{
    QStringList lines;
    for (QTableView *grid : grids) {
        if (!grid || !grid->model())
            continue;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            lines << QStringLiteral("%1.%2.Width=%3").arg(grid->objectName()).arg(c).arg(grid->columnWidth(c));
    }
    return lines;
}

void ColumnWidths::save(const QString &path, const QList<QTableView *> &grids,
                        const std::function<void(ProfileFile &)> &alsoWrite)
{
    ProfileFile file(path);
    QString error;
    if (!file.load(&error))
        file = ProfileFile(path); // an unreadable file is replaced as a whole
    const QString section = QLatin1String(kSection);
    const QStringList lines = storedLines(grids);
    for (int i = 0; i < lines.size(); ++i)
        file.writeString(section, keyName(i), QLatin1Char('\'') + lines.at(i) + QLatin1Char('\''));
    static const QRegularExpression lineKey(QStringLiteral("^Line(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    for (const QString &key : file.keys(section)) {
        const QRegularExpressionMatch m = lineKey.match(key);
        if (m.hasMatch() && m.captured(1).toLongLong() >= lines.size())
            file.deleteKey(section, key);
    }
    if (alsoWrite)
        alsoWrite(file);
    if (!file.saveAtomically(&error))
        throw FileError(error);
}

int ColumnWidths::load(const QString &path, const QList<QTableView *> &grids)
{
    ProfileFile file(path);
    if (!file.load())
        return 0;
    const QString section = QLatin1String(kSection);
    static const QRegularExpression lineText(
        QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*)\\.(\\d{1,4})\\.Width=(\\d{1,5})$"));
    int applied = 0;
    for (int i = 0;; ++i) {
        const QString key = keyName(i);
        if (!file.keys(section).contains(key, Qt::CaseInsensitive))
            break;
        const QRegularExpressionMatch m = lineText.match(file.readString(section, key).trimmed());
        if (!m.hasMatch())
            continue;
        QTableView *grid = gridNamed(grids, m.captured(1));
        const int column = m.captured(2).toInt();
        const int width = m.captured(3).toInt();
        if (!grid || !grid->model() || column >= grid->model()->columnCount() || width < 1 || width > kMaxWidth)
            continue;
        grid->setColumnWidth(column, width);
        ++applied;
    }
    return applied;
}

} // namespace tevo
