// The reader of tabular files of every kind into sheets of text cells (see TabularFile.h).
#include "fileio/TabularFile.h"

#include "common/Error.h"
#include "fileio/DbfFile.h"
#include "fileio/DelimitedText.h"
#include "fileio/XlsReader.h"
#include "fileio/XlsxReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
// The texts of this unit, translated under the context "TabularFile".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(TabularFile)
};
} // namespace

namespace tevo {
namespace {

QString named(const QString &fileName) { return QStringLiteral("«%1»").arg(fileName); }

[[noreturn]] void refuse(const QString &fileName, const QString &what)
{
    throw FileError(Tr::tr("Файл %1 %2").arg(named(fileName), what));
}

// Control characters other than tab, line ends, form feed and the old end-of-file mark.
bool looksBinary(const QString &text)
{
    qsizetype control = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0)
            return true;
        if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r' && u != u'\f' && u != 0x1A)
            ++control;
    }
    return control * 100 > text.size();
}

TabularSheet textSheet(const DelimitedText &parsed)
{
    TabularSheet sheet;
    sheet.rows.reserve(parsed.records.size());
    for (const DelimitedRecord &record : parsed.records) {
        TabularRow row;
        row.number = record.line;
        row.cells.reserve(record.fields.size());
        for (const QString &field : record.fields)
            row.cells.append({field, false});
        sheet.rows.append(std::move(row));
    }
    return sheet;
}

TabularSheet dbfSheet(const QByteArray &bytes, const QString &path, const QString &fileName)
{
    DbfTable table;
    try {
        table = DbfTable::parse(bytes, path);
    } catch (const FileError &) {
        refuse(fileName, Tr::tr("не таблица dBase или повреждён: прочитать его нельзя."));
    }
    TabularSheet sheet;
    TabularRow titles;
    for (const DbfField &f : table.fields())
        titles.cells.append({QString::fromLatin1(f.name), false});
    sheet.rows.append(titles);
    for (int r = 0; r < table.recordCount(); ++r) {
        if (table.isDeleted(r))
            continue;
        TabularRow row;
        row.number = r + 1;
        bool any = false;
        for (int k = 0; k < table.fields().size(); ++k) {
            const QByteArray raw = table.rawValue(r, k);
            const QString text = table.fields().at(k).isNumeric() ? dbfReadNumber(raw) : dbfReadCharacter(raw);
            any = any || !text.isEmpty();
            row.cells.append({text, false});
        }
        if (any)
            sheet.rows.append(std::move(row));
    }
    return sheet;
}

} // namespace

QString TabularFile::fileName() const { return QFileInfo(path).fileName(); }

int TabularFile::sheetIndex(const QString &name) const
{
    for (int i = 0; i < sheets.size(); ++i)
        if (sheets[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QStringList TabularFile::sheetNames() const
{
    QStringList names;
    for (const TabularSheet &s : sheets)
        names << s.name;
    return names;
}

QString TabularFile::place(const TabularSheet &sheet, const TabularRow &row, int column) const
{
    switch (kind) {
    case TabularKind::Xlsx:
    case TabularKind::Xls:
        if (column < 0)
            return Tr::tr("лист «%1», строка %2").arg(sheet.name).arg(row.number);
        return Tr::tr("лист «%1», ячейка %2%3").arg(sheet.name, columnLetters(column)).arg(row.number);
    case TabularKind::Dbf:
        if (row.number == 0)
            return Tr::tr("названия полей");
        return Tr::tr("запись %1").arg(row.number);
    case TabularKind::Text:
        break;
    }
    if (column < 0)
        return Tr::tr("строка %1").arg(row.number);
    return Tr::tr("строка %1, столбец %2").arg(row.number).arg(column + 1);
}

QString columnLetters(int column)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

TabularFile parseTabularBytes(const QByteArray &bytes, const QString &path, const TabularReadOptions &options)
{
    TabularFile file;
    file.path = path;
    const QString name = file.fileName();
    if (bytes.trimmed().isEmpty())
        refuse(name, Tr::tr("пуст: в нём нет ни одной строки."));
    if (bytes.startsWith("PK\x03\x04")) {
        file.kind = TabularKind::Xlsx;
        file.sheets = readXlsxSheets(bytes, name);
        return file;
    }
    if (bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
        file.kind = TabularKind::Xls;
        file.sheets = readXlsSheets(path, name);
        return file;
    }
    if (bytes.startsWith(QByteArray("\x09\x08", 2))) {
        file.kind = TabularKind::Xls;
        file.sheets = readBiffStreamSheets(bytes, name);
        return file;
    }
    if (path.endsWith(QLatin1String(".dbf"), Qt::CaseInsensitive)) {
        file.kind = TabularKind::Dbf;
        file.sheets = {dbfSheet(bytes, path, name)};
        return file;
    }
    file.encoding = options.encoding ? *options.encoding : guessTextEncoding(bytes);
    const QString text = decodeText(bytes, file.encoding);
    if (looksBinary(text))
        refuse(name, Tr::tr("не текстовый и не книга Excel или dBase: прочитать его нельзя."));
    if (text.trimmed().isEmpty())
        refuse(name, Tr::tr("пуст: в нём нет ни одной строки."));
    file.separator = options.separator ? *options.separator : detectSeparator(text);
    const DelimitedText parsed = parseDelimitedText(text, file.separator);
    if (parsed.unclosedQuoteLine > 0)
        refuse(name,
               Tr::tr("испорчен: кавычка, открытая в строке %1, не закрыта до конца файла.").arg(parsed.unclosedQuoteLine));
    file.sheets = {textSheet(parsed)};
    return file;
}

TabularFile readTabularFile(const QString &path, const TabularReadOptions &options)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    QFile f(path);
    if (info.isDir() || !f.open(QIODevice::ReadOnly))
        throw FileError(Tr::tr("Не удаётся открыть файл «%1».").arg(path));
    if (f.size() > kMostTabularFileBytes)
        refuse(name,
               Tr::tr("слишком велик для таблицы товаров (больше %1 МБ).").arg(kMostTabularFileBytes / (1024LL * 1024)));
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw FileError(Tr::tr("Не удаётся прочитать файл «%1».").arg(path));
    return parseTabularBytes(bytes, path, options);
}

} // namespace tevo
