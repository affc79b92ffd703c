#include "fileio/CsvImport.h"

#include "common/Convert.h"
#include "common/Error.h"
#include "common/TextDecoding.h"
#include "fileio/ImportSupport.h"
#include "store/Table.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
// The texts of this unit, translated under the context "CsvImport".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(CsvImport)
};
} // namespace

namespace tevo {
namespace {

QStringList readLines(const QString &path)
{
    const QByteArray bytes = readWholeFile(path);
    if (bytes.trimmed().isEmpty())
        throw FileError(Tr::tr("Файл «%1» пуст: в нём нет ни одной строки.").arg(QFileInfo(path).fileName()));
    // A binary file (a picture, a workbook chosen by mistake) is named as such, never shown.
    if (bytes.contains('\0'))
        throw FileError(Tr::tr("Файл «%1» не текстовый: это не файл товаров или сообщений в этом формате. "
                               "Ничего не изменено.")
                            .arg(QFileInfo(path).fileName()));
    return splitTextLines(decodeOutsideText(bytes));
}

// Before anything is stored: the file has lines of the format, and no line holds a value of a
// listed field that is not ended by ";" (such a value would be lost without a word).
// `fields` names the listed fields, the number first.
void checkLines(const QStringList &lines, const QString &path, const QStringList &fields)
{
    const QString name = QFileInfo(path).fileName();
    bool anyFields = false;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        const qsizetype last = line.lastIndexOf(QLatin1Char(';'));
        if (last < 0)
            continue;
        anyFields = true;
        const QString tail = line.mid(last + 1);
        const qsizetype count = line.count(QLatin1Char(';'));
        if (tail.trimmed().isEmpty() || count >= fields.size())
            continue;
        throw InputError(Tr::tr("Файл «%1», строка %2: значение «%3» поля %4 не закончено знаком «;» и не "
                                "было бы загружено (в этом формате каждое поле заканчивается «;»). Ничего "
                                "не изменено.")
                             .arg(name)
                             .arg(n + 1)
                             .arg(tail.left(40), fields[count]));
    }
    if (!anyFields)
        throw InputError(Tr::tr("В файле «%1» нет ни одной строки с полями, разделёнными «;»: это не файл "
                                "товаров или сообщений в этом формате. Ничего не изменено.")
                             .arg(name));
}

QVariant columnValue(const QString &field) { return field.isEmpty() ? QVariant() : QVariant(field); }

} // namespace

QStringList csvFields(const QString &line)
{
    QStringList fields;
    qsizetype start = 0;
    for (;;) {
        const qsizetype semicolon = line.indexOf(QLatin1Char(';'), start);
        if (semicolon < 0)
            break;
        fields.append(line.mid(start, semicolon - start));
        start = semicolon + 1;
    }
    return fields;
}

const QStringList &goodsCsvColumns()
{
    static const QStringList columns = {
        QStringLiteral("TNAME1"), QStringLiteral("TNAME2"), QStringLiteral("PRICE"),     QStringLiteral("UBDATE"),
        QStringLiteral("TARA"),   QStringLiteral("CODE"),   QStringLiteral("GROUPCODE"),
    };
    return columns;
}

QStringList messageLines(const QString &text)
{
    // Counted in characters, so that a character outside the basic plane is never split.
    const QList<uint> chars = text.toUcs4();
    QStringList lines;
    for (int n = 0; n < kMessageLines; ++n) {
        const qsizetype from = qsizetype(n) * kMessageLineLength;
        if (from >= chars.size())
            break;
        const qsizetype count = std::min<qsizetype>(kMessageLineLength, chars.size() - from);
        lines.append(QString::fromUcs4(reinterpret_cast<const char32_t *>(chars.constData() + from), count));
    }
    return lines;
}

void importGoodsCsv(Table &goods, const QString &path)
{
    const QStringList lines = readLines(path);
    checkLines(lines, path, QStringList{QStringLiteral("NPLU")} + goodsCsvColumns());
    goods.refresh();
    const QStringList &columns = goodsCsvColumns();
    goods.changeRows([&](Table::Changes &changes) {
        for (const QString &line : lines) {
            const QStringList fields = csvFields(line);
            if (fields.isEmpty())
                continue;
            const int row = rowAtPosition(goods, strToInt(fields[0]), Tr::tr("Goods"));
            goods.setCurrentRow(row);
            FieldValues values;
            for (qsizetype k = 1; k < fields.size() && k <= columns.size(); ++k)
                values.append({columns[k - 1], columnValue(fields[k])});
            changes.add(row, values);
        }
    });
}

void importMessagesCsv(Table &messages, const QString &path)
{
    const QStringList lines = readLines(path);
    checkLines(lines, path, {QStringLiteral("NPLU"), QStringLiteral("M1 … M8")});
    messages.refresh();
    messages.changeRows([&](Table::Changes &changes) {
        for (const QString &line : lines) {
            const QStringList fields = csvFields(line);
            if (fields.isEmpty())
                continue;
            const int row = rowAtPosition(messages, strToInt(fields[0]), Tr::tr("Message"));
            messages.setCurrentRow(row);
            if (fields.size() < 2)
                continue;
            const QStringList text = messageLines(fields[1]);
            FieldValues values;
            for (int n = 0; n < text.size(); ++n)
                values.append({QStringLiteral("M%1").arg(n + 1), columnValue(text[n])});
            changes.add(row, values);
        }
    });
}

} // namespace tevo
