// The goods table written as an .xlsx workbook with libxlsxwriter (GoodsXlsxFile.h).
#include "fileio/GoodsXlsxFile.h"

#include "common/Convert.h"
#include "common/Error.h"
#include "common/WholeFile.h"
#include "fileio/ColumnTitles.h"
#include "store/Table.h"

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

} // namespace

QString goodsXlsxExportName(const QString &chosen)
{
    return chosen.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) ? chosen : chosen + QLatin1String(".xlsx");
}

void exportGoodsXlsx(Table &goods, const QString &path)
{
    QTemporaryDir scratch;
    if (!scratch.isValid())
        cannotWrite(path, QStringLiteral("нет места для временного файла"));
    const QString made = scratch.filePath(QStringLiteral("goods.xlsx"));
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

    lxw_worksheet *sheet = workbook_add_worksheet(book, "Товары");
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    const QVector<ColumnDef> &columns = goods.columns();
    for (int c = 0; c < columns.size(); ++c) {
        const ColumnTitle title = columnTitle(goods.tableName(), columns[c].name);
        check(worksheet_write_string(sheet, 0, lxw_col_t(c), title.title.toUtf8().constData(), bold), path);
        check(worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), title.width / 7.0, nullptr), path);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    const int shelfLife = goods.columnIndex(QStringLiteral("UBDATE"));
    for (int r = 0; r < goods.count(); ++r) {
        const auto row = lxw_row_t(r + 1);
        for (int c = 0; c < columns.size(); ++c) {
            const QVariant v = goods.value(r, columns[c].name);
            if (v.isNull())
                continue;
            const QString text = v.toString();
            if (text.isEmpty())
                continue;
            std::optional<qint64> number;
            if (columns[c].type == ColumnType::Integer) {
                bool ok = false;
                const qint64 n = v.toLongLong(&ok);
                if (ok)
                    number = n;
            } else if (c == shelfLife && !text.trimmed().startsWith(QLatin1Char('$'))
                       && !text.trimmed().startsWith(QLatin1String("0x"))) {
                if (const auto n = tryStrToInt(text))
                    number = *n;
            }
            if (number)
                check(worksheet_write_number(sheet, row, lxw_col_t(c), double(*number), nullptr), path);
            else
                check(worksheet_write_string(sheet, row, lxw_col_t(c), text.toUtf8().constData(), nullptr), path);
        }
    }
    closer.closed = true;
    check(workbook_close(book), path);
    goods.last();

    QFile file(made);
    if (!file.open(QIODevice::ReadOnly))
        cannotWrite(path, QStringLiteral("временный файл не читается"));
    const QByteArray bytes = file.readAll();
    if (!replaceFileWhole(path, bytes))
        cannotWrite(path, QStringLiteral("нет доступа к папке или нет места на диске"));
}

} // namespace tevo
