// The .xls reader: libfreexl for workbooks, a record reader for the bare worksheet stream the
// program's own export writes (XlsReader.h).
#include "fileio/XlsReader.h"

#include "common/Codepage.h"
#include "common/Error.h"
#include "fileio/GoodsSheetFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <cstring>
#include <freexl.h>

namespace {
// The texts of this unit, translated under the context "XlsReader".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(XlsReader)
};
} // namespace

namespace tevo {
namespace {

[[noreturn]] void refuse(const QString &fileName, const QString &what)
{
    throw FileError(Tr::tr("Файл «%1» %2").arg(fileName, what));
}

// A number as a spreadsheet shows it: 15 significant digits, no binary tail.
QString numberText(double value) { return QString::number(value, 'g', 15); }

struct XlsHandle {
    const void *handle = nullptr;
    ~XlsHandle()
    {
        if (handle)
            freexl_close(handle);
    }
};

void putCell(TabularRow &row, int column, TabularCell cell)
{
    if (cell.text.isEmpty())
        return;
    if (column >= row.cells.size())
        row.cells.resize(column + 1);
    row.cells[column] = std::move(cell);
}

quint16 le16(const char *p) { return quint16(quint8(p[0]) | (quint8(p[1]) << 8)); }
quint32 le32(const char *p) { return quint32(le16(p)) | (quint32(le16(p + 2)) << 16); }
double leDouble(const char *p)
{
    quint64 bits = quint64(le32(p)) | (quint64(le32(p + 4)) << 32);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// The value of an RK cell: a 30-bit whole number or the high bits of a double, maybe / 100.
QString rkText(quint32 rk)
{
    const bool hundredths = rk & 1U;
    if (rk & 2U) {
        const qint64 n = static_cast<qint32>(rk) >> 2;
        if (!hundredths)
            return QString::number(n);
        return numberText(double(n) / 100.0);
    }
    quint64 bits = quint64(rk & ~3U) << 32;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return numberText(hundredths ? d / 100.0 : d);
}

} // namespace

QVector<TabularSheet> readXlsSheets(const QString &path, const QString &fileName)
{
    XlsHandle xls;
    if (freexl_open(QFile::encodeName(path).constData(), &xls.handle) != FREEXL_OK)
        refuse(fileName, Tr::tr("не читается как книга Excel (.xls): он повреждён или защищён паролем."));
    unsigned int info = 0;
    if (freexl_get_info(xls.handle, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK && info == FREEXL_BIFF_OBFUSCATED)
        refuse(fileName, Tr::tr("защищён паролем: прочитать его нельзя."));
    unsigned int count = 0;
    if (freexl_get_info(xls.handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK || count == 0)
        refuse(fileName, Tr::tr("— книга Excel без листов."));
    QVector<TabularSheet> sheets;
    for (unsigned int s = 0; s < count && s < 65535; ++s) {
        TabularSheet sheet;
        const char *name = nullptr;
        if (freexl_get_worksheet_name(xls.handle, static_cast<unsigned short>(s), &name) == FREEXL_OK && name)
            sheet.name = QString::fromUtf8(name);
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_select_active_worksheet(xls.handle, static_cast<unsigned short>(s)) != FREEXL_OK
            || freexl_worksheet_dimensions(xls.handle, &rows, &columns) != FREEXL_OK)
            refuse(fileName, Tr::tr("не читается: повреждён лист «%1».").arg(sheet.name));
        const unsigned short readColumns = std::min<unsigned short>(columns, kMostTabularColumns);
        for (unsigned int r = 0; r < rows; ++r) {
            TabularRow row;
            row.number = int(r + 1);
            for (unsigned short c = 0; c < readColumns; ++c) {
                FreeXL_CellValue value;
                if (freexl_get_cell_value(xls.handle, r, c, &value) != FREEXL_OK)
                    refuse(fileName, Tr::tr("не читается: повреждена ячейка %1%2 листа «%3».")
                                         .arg(columnLetters(c))
                                         .arg(r + 1)
                                         .arg(sheet.name));
                switch (value.type) {
                case FREEXL_CELL_INT:
                    putCell(row, c, {QString::number(value.value.int_value), true});
                    break;
                case FREEXL_CELL_DOUBLE:
                    putCell(row, c, {numberText(value.value.double_value), true});
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME:
                    putCell(row, c, {QString::fromUtf8(value.value.text_value), false});
                    break;
                default:
                    break;
                }
            }
            if (!row.cells.isEmpty())
                sheet.rows.append(std::move(row));
        }
        sheets.append(std::move(sheet));
    }
    return sheets;
}

QVector<TabularSheet> readBiffStreamSheets(const QByteArray &bytes, const QString &fileName)
{
    TabularSheet sheet;
    // not translated: the sheet name the file would have
    sheet.name = QStringLiteral("Лист1");
    QVector<TabularRow> rows;
    QHash<int, int> rowAt; // sheet row (0-based) → index in rows
    const auto cellRow = [&](int r) -> TabularRow & {
        auto it = rowAt.find(r);
        if (it == rowAt.end()) {
            it = rowAt.insert(r, int(rows.size()));
            rows.append(TabularRow{r + 1, {}});
        }
        return rows[*it];
    };
    const char *d = bytes.constData();
    qsizetype at = 0;
    bool ended = false;
    while (at + 4 <= bytes.size()) {
        const quint16 type = le16(d + at);
        const quint16 length = le16(d + at + 2);
        const char *body = d + at + 4;
        if (at + 4 + length > bytes.size())
            break;
        at += 4 + length;
        if (type == kBiffEof) {
            ended = true;
            break;
        }
        if (length < 6 || (type != kBiffLabel && type != kBiffRk && type != kBiffNumber))
            continue;
        const int r = le16(body);
        const int c = le16(body + 2);
        if (c >= kMostTabularColumns)
            continue;
        if (type == kBiffLabel && length >= 8) {
            const int size = std::min<int>(le16(body + 6), length - 8);
            putCell(cellRow(r), c, {fromCp1251(QByteArray(body + 8, size)), false});
        } else if (type == kBiffRk && length >= 10) {
            putCell(cellRow(r), c, {rkText(le32(body + 6)), true});
        } else if (type == kBiffNumber && length >= 14) {
            putCell(cellRow(r), c, {numberText(leDouble(body + 6)), true});
        }
    }
    if (!ended)
        refuse(fileName, Tr::tr("не читается как книга Excel (.xls): он обрывается посередине."));
    std::sort(rows.begin(), rows.end(), [](const TabularRow &a, const TabularRow &b) { return a.number < b.number; });
    for (TabularRow &row : rows)
        if (!row.cells.isEmpty())
            sheet.rows.append(std::move(row));
    return {sheet};
}

} // namespace tevo
