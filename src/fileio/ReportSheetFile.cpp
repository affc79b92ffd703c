// A report written as .xlsx (libxlsxwriter) or as semicolon text (ReportSheetFile.h).
#include "fileio/ReportSheetFile.h"

#include "common/Error.h"
#include "common/WholeFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <xlsxwriter.h>

namespace tevo {
namespace {

[[noreturn]] void cannotWrite(const QString &path, const QString &why)
{
    throw FileError(QStringLiteral("Не удаётся записать файл «%1»: %2.").arg(path, why));
}

void check(lxw_error error, const QString &path)
{
    if (error != LXW_NO_ERROR)
        cannotWrite(path, QString::fromUtf8(lxw_strerror(error)));
}

QString csvField(const QVariant &v)
{
    QString text = v.isNull() ? QString() : v.toString();
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
        || text.contains(QLatin1Char('\r')))
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
    return text;
}

} // namespace

void writeReportXlsx(const ReportSheet &report, const QString &path)
{
    QTemporaryDir scratch;
    if (!scratch.isValid())
        cannotWrite(path, QStringLiteral("нет места для временного файла"));
    const QString made = scratch.filePath(QStringLiteral("report.xlsx"));
    const QByteArray madeName = QFile::encodeName(made);
    const QByteArray tmpdir = QFile::encodeName(scratch.path());
    lxw_workbook_options options = {LXW_FALSE, const_cast<char *>(tmpdir.constData()), LXW_FALSE};
    lxw_workbook *book = workbook_new_opt(madeName.constData(), &options);
    if (!book)
        cannotWrite(path, QStringLiteral("не удалось начать книгу"));
    struct Closer {
        lxw_workbook *book;
        bool closed = false;
        ~Closer()
        {
            if (!closed)
                workbook_close(book);
        }
    } closer{book};
    const QByteArray sheetName = report.name.left(31).toUtf8();
    lxw_worksheet *sheet = workbook_add_worksheet(book, sheetName.isEmpty() ? nullptr : sheetName.constData());
    if (!sheet)
        cannotWrite(path, QStringLiteral("недопустимое имя листа «%1»").arg(report.name));
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    for (int c = 0; c < report.titles.size(); ++c) {
        check(worksheet_write_string(sheet, 0, lxw_col_t(c), report.titles[c].toUtf8().constData(), bold), path);
        const int width = c < report.widths.size() ? report.widths[c] : 14;
        check(worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), width, nullptr), path);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    for (int r = 0; r < report.rows.size(); ++r) {
        const auto row = lxw_row_t(r + 1);
        const QVector<QVariant> &values = report.rows[r];
        for (int c = 0; c < values.size(); ++c) {
            const QVariant &v = values[c];
            if (v.isNull())
                continue;
            if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int)
                check(worksheet_write_number(sheet, row, lxw_col_t(c), double(v.toLongLong()), nullptr), path);
            else
                check(worksheet_write_string(sheet, row, lxw_col_t(c), v.toString().toUtf8().constData(), nullptr), path);
        }
    }
    closer.closed = true;
    check(workbook_close(book), path);
    QFile file(made);
    if (!file.open(QIODevice::ReadOnly))
        cannotWrite(path, QStringLiteral("временный файл не читается"));
    if (!replaceFileWhole(path, file.readAll()))
        cannotWrite(path, QStringLiteral("нет доступа к папке или нет места на диске"));
}

void writeReportCsv(const ReportSheet &report, const QString &path)
{
    QStringList lines;
    QStringList titles;
    for (const QString &t : report.titles)
        titles << csvField(t);
    lines << titles.join(QLatin1Char(';'));
    for (const QVector<QVariant> &row : report.rows) {
        QStringList fields;
        for (const QVariant &v : row)
            fields << csvField(v);
        lines << fields.join(QLatin1Char(';'));
    }
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + lines.join(QLatin1String("\r\n")).toUtf8() + "\r\n";
    if (!replaceFileWhole(path, bytes))
        cannotWrite(path, QStringLiteral("нет доступа к папке или нет места на диске"));
}

} // namespace tevo
