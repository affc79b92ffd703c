// The .xlsx reader: libzip for the package, QXmlStreamReader for its parts (XlsxReader.h).
#include "fileio/XlsxReader.h"

#include "common/Error.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <memory>
#include <zip.h>

namespace {
// The texts of this unit, translated under the context "XlsxReader".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(XlsxReader)
};
} // namespace

namespace tevo {
namespace {

// No part of a goods workbook comes near this unpacked.
constexpr qint64 kMostPartBytes = 512LL * 1024 * 1024;
// Cells a workbook may give (the empty cells before the last one of a row counted too).
constexpr qint64 kMostCells = 20LL * 1000 * 1000;

[[noreturn]] void refuse(const QString &fileName, const QString &what)
{
    throw FileError(Tr::tr("Файл «%1» %2").arg(fileName, what));
}

[[noreturn]] void damaged(const QString &fileName, const QString &part)
{
    refuse(fileName, Tr::tr("не читается как книга Excel (.xlsx): повреждена её часть %1.").arg(part));
}

struct ZipCloser {
    void operator()(zip_t *z) const { zip_discard(z); }
};
struct ZipFileCloser {
    void operator()(zip_file_t *f) const { zip_fclose(f); }
};

class Package {
public:
    Package(const QByteArray &bytes, const QString &fileName) : m_fileName(fileName)
    {
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
        if (source)
            m_zip.reset(zip_open_from_source(source, ZIP_RDONLY, &error));
        if (!m_zip) {
            if (source)
                zip_source_free(source);
            zip_error_fini(&error);
            refuse(fileName, Tr::tr("не читается как книга Excel (.xlsx): архив повреждён."));
        }
        zip_error_fini(&error);
    }

    bool has(const QString &part) const { return zip_name_locate(m_zip.get(), part.toUtf8().constData(), 0) >= 0; }

    // The unpacked part; empty when the package has none (and `required` is false).
    QByteArray read(const QString &part, bool required) const
    {
        const zip_int64_t index = zip_name_locate(m_zip.get(), part.toUtf8().constData(), 0);
        if (index < 0) {
            if (required)
                damaged(m_fileName, part);
            return {};
        }
        std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(m_zip.get(), zip_uint64_t(index), 0));
        if (!file)
            damaged(m_fileName, part);
        QByteArray out;
        char buffer[65536];
        for (;;) {
            const zip_int64_t n = zip_fread(file.get(), buffer, sizeof buffer);
            if (n < 0)
                damaged(m_fileName, part);
            if (n == 0)
                break;
            if (out.size() + n > kMostPartBytes)
                refuse(m_fileName,
                       Tr::tr("слишком велик: часть %1 больше %2 МБ.").arg(part).arg(kMostPartBytes / (1024LL * 1024)));
            out.append(buffer, qsizetype(n));
        }
        return out;
    }

private:
    QString m_fileName;
    std::unique_ptr<zip_t, ZipCloser> m_zip;
};

// Excel writes characters XML cannot hold as _xHHHH_.
QString unescaped(const QString &text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString out;
    qsizetype from = 0;
    auto it = escape.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(from, m.capturedStart() - from);
        out += QChar(char16_t(m.captured(1).toUInt(nullptr, 16)));
        from = m.capturedEnd();
    }
    out += QStringView(text).mid(from);
    return out;
}

// The text of the element the reader stands on: its <t> elements joined, phonetic runs left out.
QString stringItem(QXmlStreamReader &xml)
{
    QString text;
    int depth = 1;
    int phonetic = 0;
    while (depth > 0 && !xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (xml.name() == QLatin1String("rPh"))
                ++phonetic;
            else if (xml.name() == QLatin1String("t") && phonetic == 0) {
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
                --depth;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
            if (xml.name() == QLatin1String("rPh"))
                --phonetic;
        }
    }
    return unescaped(text);
}

QStringList sharedStrings(const Package &package, const QString &fileName)
{
    QStringList strings;
    const QByteArray bytes = package.read(QStringLiteral("xl/sharedStrings.xml"), false);
    if (bytes.isEmpty())
        return strings;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si"))
            strings.append(stringItem(xml));
    }
    if (xml.hasError())
        damaged(fileName, QStringLiteral("xl/sharedStrings.xml"));
    return strings;
}

// "C12" → column 2 (0-based) and row 12; false for anything else.
bool cellReference(QStringView ref, int &column, int &row)
{
    qsizetype i = 0;
    int c = 0;
    while (i < ref.size() && ref[i] >= QLatin1Char('A') && ref[i] <= QLatin1Char('Z') && i < 4)
        c = c * 26 + (ref[i++].unicode() - u'A' + 1);
    if (i == 0 || i == ref.size())
        return false;
    bool ok = false;
    const int r = ref.mid(i).toInt(&ok);
    if (!ok || r < 1)
        return false;
    column = c - 1;
    row = r;
    return true;
}

struct SheetPart {
    QString name;
    QString part;
};

// The sheets in the workbook's order with the package part of each.
QVector<SheetPart> sheetParts(const Package &package, const QString &fileName)
{
    const QString relsName = QStringLiteral("xl/_rels/workbook.xml.rels");
    QHash<QString, QString> targets;
    {
        QXmlStreamReader xml(package.read(relsName, true));
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Relationship")) {
                const QXmlStreamAttributes a = xml.attributes();
                targets.insert(a.value(QLatin1String("Id")).toString(), a.value(QLatin1String("Target")).toString());
            }
        }
        if (xml.hasError())
            damaged(fileName, relsName);
    }
    QVector<SheetPart> sheets;
    const QString workbookName = QStringLiteral("xl/workbook.xml");
    QXmlStreamReader xml(package.read(workbookName, true));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("sheet"))
            continue;
        SheetPart sheet;
        QString id;
        for (const QXmlStreamAttribute &a : xml.attributes()) {
            if (a.name() == QLatin1String("name"))
                sheet.name = a.value().toString();
            else if (a.name() == QLatin1String("id") && !a.namespaceUri().isEmpty())
                id = a.value().toString();
        }
        QString target = targets.value(id);
        if (target.isEmpty())
            damaged(fileName, workbookName);
        if (target.startsWith(QLatin1Char('/')))
            target.remove(0, 1);
        else
            target.prepend(QStringLiteral("xl/"));
        sheet.part = target;
        sheets.append(sheet);
    }
    if (xml.hasError())
        damaged(fileName, workbookName);
    return sheets;
}

TabularSheet readSheet(const Package &package, const SheetPart &part, const QStringList &strings,
                       const QString &fileName, qint64 &cells)
{
    TabularSheet sheet;
    sheet.name = part.name;
    // A chart sheet or a dialog sheet has no cells to read.
    if (!package.has(part.part))
        return sheet;
    QXmlStreamReader xml(package.read(part.part, true));
    int rowNumber = 0;
    TabularRow row;
    bool rowHasText = false;
    int column = -1;
    const auto endRow = [&] {
        if (rowHasText)
            sheet.rows.append(std::move(row));
        row = TabularRow();
        rowHasText = false;
    };
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("row")) {
            endRow();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("row")) {
            bool ok = false;
            const int r = xml.attributes().value(QLatin1String("r")).toInt(&ok);
            rowNumber = ok && r > 0 ? r : rowNumber + 1;
            row.number = rowNumber;
            column = -1;
            continue;
        }
        if (xml.name() != QLatin1String("c"))
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const QString type = a.value(QLatin1String("t")).toString();
        int c = column + 1;
        int r = rowNumber;
        if (a.hasAttribute(QLatin1String("r")) && !cellReference(a.value(QLatin1String("r")), c, r))
            damaged(fileName, part.part);
        column = c;
        // The value: <v> (a number, a shared string's index, a formula's text) or <is> (inline).
        QString value;
        bool hasValue = false;
        int depth = 1;
        while (depth > 0 && !xml.atEnd()) {
            const QXmlStreamReader::TokenType t = xml.readNext();
            if (t == QXmlStreamReader::StartElement) {
                if (xml.name() == QLatin1String("v")) {
                    value = xml.readElementText();
                    hasValue = true;
                } else if (xml.name() == QLatin1String("is")) {
                    value = stringItem(xml);
                    hasValue = true;
                } else {
                    ++depth;
                }
            } else if (t == QXmlStreamReader::EndElement) {
                --depth;
            }
        }
        if (!hasValue)
            continue;
        TabularCell cell;
        if (type == QLatin1String("s")) {
            bool ok = false;
            const int index = value.toInt(&ok);
            if (!ok || index < 0 || index >= strings.size())
                damaged(fileName, part.part);
            cell.text = strings.at(index);
        } else if (type == QLatin1String("inlineStr") || type == QLatin1String("str")) {
            cell.text = unescaped(value);
        } else if (type == QLatin1String("b") || type == QLatin1String("e") || type == QLatin1String("d")) {
            cell.text = value;
        } else {
            cell.text = value.trimmed();
            cell.number = true;
        }
        if (cell.text.isEmpty())
            continue;
        if (c >= kMostTabularColumns)
            refuse(fileName, Tr::tr("не читается: на листе «%1» ячейка %2%3 лежит дальше %4-го столбца.")
                                 .arg(part.name, columnLetters(c))
                                 .arg(r)
                                 .arg(kMostTabularColumns));
        if (r != row.number) {
            // A cell of another row than its <row> says: take the row it names.
            endRow();
            row.number = r;
        }
        if (c >= row.cells.size()) {
            cells += c + 1 - row.cells.size();
            if (cells > kMostCells)
                refuse(fileName, Tr::tr("слишком велик: в нём больше %1 ячеек.").arg(kMostCells));
            row.cells.resize(c + 1);
        }
        row.cells[c] = cell;
        rowHasText = true;
    }
    endRow();
    if (xml.hasError())
        damaged(fileName, part.part);
    return sheet;
}

} // namespace

QVector<TabularSheet> readXlsxSheets(const QByteArray &bytes, const QString &fileName)
{
    const Package package(bytes, fileName);
    if (!package.has(QStringLiteral("xl/workbook.xml")))
        refuse(fileName, Tr::tr("— архив, но не книга Excel (.xlsx): в нём нет листов."));
    const QStringList strings = sharedStrings(package, fileName);
    QVector<TabularSheet> sheets;
    qint64 cells = 0;
    for (const SheetPart &part : sheetParts(package, fileName))
        sheets.append(readSheet(package, part, strings, fileName, cells));
    if (sheets.isEmpty())
        refuse(fileName, Tr::tr("— книга Excel без листов."));
    return sheets;
}

} // namespace tevo
