#pragma once
// One .xlsx workbook being written with libxlsxwriter (for the file formats' own sources): it
// is made in a scratch folder and put in place whole by finish(), so a failure at any step
// leaves the file that stood at the path untouched. Every failure is a FileError naming the
// path.
#include <QString>
#include <QTemporaryDir>
#include <xlsxwriter.h>

namespace tevo {

class XlsxBook {
public:
    explicit XlsxBook(const QString &path);
    ~XlsxBook();
    XlsxBook(const XlsxBook &) = delete;
    XlsxBook &operator=(const XlsxBook &) = delete;

    lxw_workbook *book() const { return m_book; }
    // A bold format for title rows.
    lxw_format *bold();
    // Throws FileError with the library's text when `error` is one.
    void check(lxw_error error) const;
    [[noreturn]] void cannotWrite(const QString &why) const;
    // Closes the workbook and replaces the file at the path with it whole.
    void finish();

private:
    QString m_path;
    QTemporaryDir m_scratch;
    QString m_made;
    lxw_workbook *m_book = nullptr;
    bool m_closed = false;
};

} // namespace tevo
