#include "fileio/GoodsTextFile.h"

#include "common/Convert.h"
#include "common/Error.h"
#include "common/ProfileFile.h"
#include "fileio/ImportSupport.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {
// The texts of this unit, translated under the context "GoodsTextFile".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(GoodsTextFile)
};
} // namespace

namespace tevo {
namespace {
const QString kMain = QStringLiteral("Main");
const QString kRecordCount = QStringLiteral("RecordCount");
const QString kNplu = QStringLiteral("NPLU");

// The numbers n in 1 … recordCount whose section "n" holds a key, in ascending order. Found
// from the sections the file has, so a huge RecordCount costs nothing.
QVector<int> presentRecordSections(const ProfileFile &file, int recordCount)
{
    QVector<int> numbers;
    for (const QString &name : file.sections()) {
        if (name.isEmpty() || name.size() > 10 || name.front() == QLatin1Char('0'))
            continue;
        bool digits = true;
        for (QChar c : name)
            digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!digits)
            continue;
        const qint64 n = name.toLongLong();
        if (n >= 1 && n <= recordCount && file.sectionExists(name))
            numbers.append(static_cast<int>(n));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}
} // namespace

const QStringList &goodsTextWrittenKeys()
{
    static const QStringList keys = {
        QStringLiteral("NPLU"),       QStringLiteral("TNAME1"), QStringLiteral("TNAME2"), QStringLiteral("PRICE"),
        QStringLiteral("UBDATE"),     QStringLiteral("TARA"),   QStringLiteral("CODE"),   QStringLiteral("GROUPCODE"),
        QStringLiteral("MESSAGE"),    QStringLiteral("LOGO"),   QStringLiteral("OSUM"),   QStringLiteral("OVES"),
        QStringLiteral("OCOUNTPROD"),
    };
    return keys;
}

const QStringList &goodsTextReadKeys()
{
    static const QStringList keys = goodsTextWrittenKeys().mid(0, 8);
    return keys;
}

QString goodsTextExportName(const QString &chosen)
{
    return chosen.contains(QLatin1String(".txt"), Qt::CaseSensitive) ? chosen : chosen + QLatin1String(".txt");
}

void exportGoodsText(Table &goods, const QString &path)
{
    ProfileFile file(path);
    const QStringList &keys = goodsTextWrittenKeys();
    int recordCount = 0;
    for (int row = 0; row < goods.count(); ++row) {
        const int n = row + 1;
        if (goods.text(row, QStringLiteral("TNAME1")).isEmpty())
            continue;
        const QString section = QString::number(n);
        for (const QString &key : keys)
            file.writeString(section, key, goods.text(row, key));
        recordCount = n;
    }
    file.writeString(kMain, kRecordCount, QString::number(recordCount));
    goods.last();
    file.saveAtomicallyOrThrow();
}

QString GoodsTextLoad::rangeText() const
{
    QString text;
    for (const QString &n : numbers) {
        text += n;
        text += QLatin1String(", ");
    }
    return text;
}

namespace {

QString quoted(const QString &fileName) { return QStringLiteral("«%1»").arg(fileName); }

// The refusal of a value in a record section (or in Main).
[[noreturn]] void refuseAt(const QString &fileName, int line, const QString &section, const QString &reason)
{
    throw InputError(
        Tr::tr("Файл товаров %1, строка %2, раздел [%3]: %4").arg(quoted(fileName)).arg(line).arg(section, reason));
}

// The 1-based line of the byte at `at`.
int lineOfByte(const QByteArray &bytes, qsizetype at)
{
    return int(std::count(bytes.constBegin(), bytes.constBegin() + at, '\n')) + 1;
}

// Text in UTF-16 without a byte-order mark: its Latin letters, digits and signs have a zero
// byte beside them, always on the same side.
bool looksLikeUtf16(const QByteArray &bytes)
{
    const qsizetype n = std::min<qsizetype>(bytes.size(), 4096);
    qsizetype zeros[2] = {0, 0};
    for (qsizetype i = 0; i < n; ++i)
        if (bytes.at(i) == '\0')
            ++zeros[i % 2];
    return (zeros[0] == 0) != (zeros[1] == 0) && std::max(zeros[0], zeros[1]) * 4 >= n / 2;
}

// Refuses bytes that are no goods text file at all: nothing in them, UTF-16 text, bytes that
// no text holds (controls other than tab and line ends; a DOS end-of-file mark may end it).
void checkTextBytes(const QByteArray &bytes, const QString &fileName)
{
    const bool blank = std::all_of(bytes.constBegin(), bytes.constEnd(),
                                   [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
    if (blank)
        throw InputError(Tr::tr("Файл товаров %1 пуст: в нём нет ни одного товара.").arg(quoted(fileName)));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || looksLikeUtf16(bytes))
        throw InputError(Tr::tr("Файл товаров %1 записан в кодировке UTF-16, а файл товаров читается только "
                                "в Windows-1251 или UTF-8. Сохраните его в одной из них.")
                             .arg(quoted(fileName)));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes.at(i));
        if (c >= 0x20 || c == '\t' || c == '\r' || c == '\n' || (c == 0x1A && i == bytes.size() - 1))
            continue;
        throw InputError(Tr::tr("Файл товаров %1 не текстовый: в строке %2 байт 0x%3, которого в тексте не "
                                "бывает. Это не файл товаров или он повреждён.")
                             .arg(quoted(fileName))
                             .arg(lineOfByte(bytes, i))
                             .arg(QString::number(c, 16).rightJustified(2, QLatin1Char('0')).toUpper()));
    }
}

const ColumnDef *goodsColumn(const QString &name)
{
    for (const ColumnDef &c : goodsColumns())
        if (c.name == name)
            return &c;
    return nullptr;
}

} // namespace

GoodsTextContent checkGoodsText(const ProfileFile &file, const QString &fileName, int tableRows,
                                GoodsTextContent *checkedBefore)
{
    const int mainLine = file.sectionLine(kMain);
    if (mainLine == 0 || !file.sectionExists(kMain))
        throw InputError(Tr::tr("В файле товаров %1 нет раздела [Main] с числом записей RecordCount: файл "
                                "не дописан до конца или это не файл товаров.")
                             .arg(quoted(fileName)));
    if (file.lineOf(kMain, kRecordCount) == 0)
        refuseAt(fileName, mainLine, kMain, Tr::tr("нет числа записей RecordCount."));
    const QString countText = file.readString(kMain, kRecordCount);
    const std::optional<qint32> count = tryStrToInt(countText);
    if (!count || *count <= 0)
        refuseAt(fileName, file.lineOf(kMain, kRecordCount), kMain,
                 Tr::tr("RecordCount=%1, а нужно целое число больше 0.").arg(countText));

    GoodsTextContent content;
    content.recordCount = *count;
    const QStringList &keys = goodsTextReadKeys();
    const auto refuseSectionAt = [&](int line, const QString &section, const QString &what) {
        if (checkedBefore)
            *checkedBefore = content;
        refuseAt(fileName, line, section, what);
    };
    for (int n : presentRecordSections(file, content.recordCount)) {
        const QString section = QString::number(n);
        const auto lineOf = [&](const QString &key) {
            const int line = file.lineOf(section, key);
            return line > 0 ? line : file.sectionLine(section);
        };
        GoodsTextRow row;
        row.numberText = file.readString(section, kNplu);
        const std::optional<qint32> number = tryStrToInt(row.numberText);
        if (!number)
            refuseSectionAt(lineOf(kNplu), section, notAnIntegerText(row.numberText));
        try {
            row.row = rowAtPosition(tableRows, *number, Tr::tr("Goods"));
        } catch (const InputError &e) {
            refuseSectionAt(lineOf(kNplu), section, e.text());
        }
        row.values.reserve(keys.size());
        row.values.append({kNplu, QVariant(qlonglong(*number))});
        for (int k = 1; k < keys.size(); ++k) {
            const QString text = file.readString(section, keys[k]);
            const ColumnDef *column = goodsColumn(keys[k]);
            if (column && column->type == ColumnType::Integer && !text.isEmpty()) {
                const std::optional<qint32> value = tryStrToInt(text);
                if (!value)
                    refuseSectionAt(lineOf(keys[k]), section, notAnIntegerForFieldText(text, keys[k]));
                row.values.append({keys[k], QVariant(qlonglong(*value))});
            } else {
                row.values.append({keys[k], QVariant(text)});
            }
        }
        content.rows.append(std::move(row));
    }
    if (content.rows.isEmpty())
        throw InputError(Tr::tr("В файле товаров %1 нет ни одного товара: ни в одном из разделов [1] … [%2] "
                                "нет значений.")
                             .arg(quoted(fileName))
                             .arg(content.recordCount));
    return content;
}

GoodsTextContent readGoodsText(const QByteArray &bytes, const QString &fileName, int tableRows)
{
    checkTextBytes(bytes, fileName);
    ProfileFile file;
    file.parse(bytes);
    return checkGoodsText(file, fileName, tableRows);
}

GoodsTextLoad storeGoodsText(Table &goods, const GoodsTextContent &content)
{
    GoodsTextLoad load;
    load.recordCount = content.recordCount;
    goods.changeRows([&](Table::Changes &changes) {
        for (const GoodsTextRow &row : content.rows) {
            goods.setCurrentRow(row.row);
            changes.add(row.row, row.values);
            load.numbers.append(row.numberText);
        }
    });
    return load;
}

namespace {
// Stores a checked file in one atomic block; a failure leaves the table as it was (read again).
GoodsTextLoad storeAtomically(Table &goods, const GoodsTextContent &content)
{
    GoodsTextLoad load;
    goods.database().atomically([&] { load = storeGoodsText(goods, content); }, [&] { goods.refresh(); });
    return load;
}
} // namespace

GoodsTextLoad loadGoodsText(Table &goods, const ProfileFile &file)
{
    return storeAtomically(goods, checkGoodsText(file, file.path(), goods.count()));
}

GoodsTextLoad importGoodsText(Table &goods, const QString &path)
{
    const QByteArray bytes = readWholeFile(path);
    goods.refresh();
    checkTextBytes(bytes, path);
    ProfileFile file;
    file.parse(bytes);
    GoodsTextContent before;
    GoodsTextContent content;
    try {
        content = checkGoodsText(file, path, goods.count(), &before);
    } catch (const InputError &) {
        // The sections before the bad one are stored, as this import always did.
        if (!before.rows.isEmpty())
            storeAtomically(goods, before);
        throw;
    }
    return storeAtomically(goods, content);
}

} // namespace tevo
