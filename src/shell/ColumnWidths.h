#pragma once
// The column widths of the main window's grids, kept in the column-width file beside the
// program. The widths are in the section "TMainForm"; its keys "Line0", "Line1", … each hold
// one line of stored text in single quotes, and each line reads "<grid>.<column>.Width=<pixels>"
// (for example 'gdT.1.Width=171'). Saving deletes the keys past the last line written and
// keeps every other section (the file also holds the window's settings, WorkProperties).
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QTableView;

namespace tevo {

class ProfileFile;

class ColumnWidths {
public:
    static constexpr const char *kSection = "TMainForm";

    // The stored text for the grids (named by their object names), one line per column.
    static QStringList storedLines(const QList<QTableView *> &grids);

    // Writes the widths into the file, with whatever `alsoWrite` puts into it, in one atomic
    // replacement of the file; throws FileError when it cannot be written.
    static void save(const QString &path, const QList<QTableView *> &grids,
                     const std::function<void(ProfileFile &)> &alsoWrite = {});

    // Applies the stored widths; returns how many were applied. A missing or unreadable file,
    // a missing section and lines that cannot be read leave the widths as they are.
    static int load(const QString &path, const QList<QTableView *> &grids);
};

} // namespace tevo
