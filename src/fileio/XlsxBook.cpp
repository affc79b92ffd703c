// A workbook made in a scratch folder and put in place whole (XlsxBook.h).
#include "fileio/XlsxBook.h"

#include "common/Error.h"
#include "common/WholeFile.h"

#include <QCoreApplication>
#include <QFile>

namespace {
// The texts of this unit, translated under the context "XlsxBook".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(XlsxBook)
};
} // namespace

namespace tevo {
XlsxBook::XlsxBook(const QString &path) : m_path(path)
{
    if (!m_scratch.isValid())
        cannotWrite(Tr::tr("нет места для временного файла"));
    m_made = m_scratch.filePath(QStringLiteral("book.xlsx"));
    const QByteArray madeName = QFile::encodeName(m_made);
    const QByteArray tmpdir = QFile::encodeName(m_scratch.path());
    lxw_workbook_options options = {LXW_FALSE, const_cast<char *>(tmpdir.constData()), LXW_FALSE};
    m_book = workbook_new_opt(madeName.constData(), &options);
    if (!m_book)
        cannotWrite(Tr::tr("не удалось начать книгу"));
}

XlsxBook::~XlsxBook()
{
    if (!m_closed)
        workbook_close(m_book);
}

lxw_format *XlsxBook::bold()
{
    lxw_format *format = workbook_add_format(m_book);
    format_set_bold(format);
    return format;
}

void XlsxBook::check(lxw_error error) const
{
    if (error != LXW_NO_ERROR)
        cannotWrite(QString::fromUtf8(lxw_strerror(error)));
}

void XlsxBook::cannotWrite(const QString &why) const
{
    throw FileError(Tr::tr("Не удаётся записать файл «%1»: %2.").arg(m_path, why));
}

void XlsxBook::finish()
{
    m_closed = true;
    check(workbook_close(m_book));
    QFile file(m_made);
    if (!file.open(QIODevice::ReadOnly))
        cannotWrite(Tr::tr("временный файл не читается"));
    if (!replaceFileWhole(m_path, file.readAll()))
        cannotWrite(Tr::tr("нет доступа к папке или нет места на диске"));
}

} // namespace tevo
