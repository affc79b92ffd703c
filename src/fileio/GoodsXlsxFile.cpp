// The goods table written as an .xlsx workbook with libxlsxwriter (GoodsXlsxFile.h).
#include "fileio/GoodsXlsxFile.h"

#include "common/Convert.h"
#include "common/Error.h"
#include "common/WholeFile.h"
#include "fileio/ColumnTitles.h"
#include "fileio/XlsxBook.h"
#include "store/Table.h"

namespace tevo {

QString goodsXlsxExportName(const QString &chosen)
{
    return chosen.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) ? chosen : chosen + QLatin1String(".xlsx");
}

void exportGoodsXlsx(Table &goods, const QString &path)
{
    XlsxBook book(path);

    // not translated: the sheet's name in the file, which other programs read
    lxw_worksheet *sheet = workbook_add_worksheet(book.book(), "Товары");
    lxw_format *bold = book.bold();
    const QVector<ColumnDef> &columns = goods.columns();
    for (int c = 0; c < columns.size(); ++c) {
        const ColumnTitle title = columnTitle(goods.tableName(), columns[c].name);
        book.check(worksheet_write_string(sheet, 0, lxw_col_t(c), title.fileTitle.toUtf8().constData(), bold));
        book.check(worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), title.width / 7.0, nullptr));
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
                book.check(worksheet_write_number(sheet, row, lxw_col_t(c), double(*number), nullptr));
            else
                book.check(worksheet_write_string(sheet, row, lxw_col_t(c), text.toUtf8().constData(), nullptr));
        }
    }
    book.finish();
    goods.last();
}

} // namespace tevo
