// A report written as .xlsx (libxlsxwriter) or as semicolon text (ReportSheetFile.h).
#include "fileio/ReportSheetFile.h"

#include "common/Error.h"
#include "common/WholeFile.h"
#include "fileio/XlsxBook.h"

#include <QCoreApplication>

namespace {
// The texts of this unit, translated under the context "ReportSheetFile".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ReportSheetFile)
};
} // namespace

namespace tevo {
namespace {

[[noreturn]] void cannotWrite(const QString &path, const QString &why)
{
    throw FileError(Tr::tr("Не удаётся записать файл «%1»: %2.").arg(path, why));
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
    XlsxBook book(path);
    const QByteArray sheetName = report.name.left(31).toUtf8();
    lxw_worksheet *sheet = workbook_add_worksheet(book.book(), sheetName.isEmpty() ? nullptr : sheetName.constData());
    if (!sheet)
        book.cannotWrite(Tr::tr("недопустимое имя листа «%1»").arg(report.name));
    lxw_format *bold = book.bold();
    for (int c = 0; c < report.titles.size(); ++c) {
        book.check(worksheet_write_string(sheet, 0, lxw_col_t(c), report.titles[c].toUtf8().constData(), bold));
        const int width = c < report.widths.size() ? report.widths[c] : 14;
        book.check(worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), width, nullptr));
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
                book.check(worksheet_write_number(sheet, row, lxw_col_t(c), double(v.toLongLong()), nullptr));
            else
                book.check(worksheet_write_string(sheet, row, lxw_col_t(c), v.toString().toUtf8().constData(), nullptr));
        }
    }
    book.finish();
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
        cannotWrite(path, Tr::tr("нет доступа к папке или нет места на диске"));
}

} // namespace tevo
