#include "fileio/GoodsTextFile.h"

#include "common/Convert.h"
#include "common/Error.h"
#include "common/ProfileFile.h"
#include "fileio/ImportSupport.h"
#include "store/Table.h"

#include <QFileInfo>

#include <algorithm>

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

GoodsTextLoad loadGoodsText(Table &goods, const ProfileFile &file)
{
    GoodsTextLoad load;
    load.recordCount = file.readInteger(kMain, kRecordCount, 0);
    const NumberColumnWritable writable(goods);
    const QStringList &keys = goodsTextReadKeys();
    goods.changeRows([&](Table::Changes &changes) {
        for (int n : presentRecordSections(file, load.recordCount)) {
            const QString section = QString::number(n);
            const QString npluText = file.readString(section, kNplu);
            const qint32 number = strToInt(npluText);
            const int row = rowAtPosition(goods, number, QStringLiteral("Goods"));
            goods.setCurrentRow(row);
            FieldValues values;
            values.reserve(keys.size());
            values.append({kNplu, QVariant(qlonglong(number))});
            for (int k = 1; k < keys.size(); ++k)
                values.append({keys[k], QVariant(file.readString(section, keys[k]))});
            changes.add(row, values);
            load.numbers.append(npluText);
        }
    });
    return load;
}

GoodsTextLoad importGoodsText(Table &goods, const QString &path)
{
    ProfileFile file(path);
    if (!QFileInfo::exists(path))
        throw FileError(QStringLiteral("Cannot open file %1").arg(path));
    file.loadOrThrow();
    goods.refresh();
    return loadGoodsText(goods, file);
}

} // namespace tevo
