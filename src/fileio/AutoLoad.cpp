#include "fileio/AutoLoad.h"

#include "common/Error.h"
#include "common/ProfileFile.h"
#include "fileio/GoodsTextFile.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace tevo {

namespace {
const char *const kNothingChanged =
    QT_TRANSLATE_NOOP("AutoLoad", "Файл не загружен: таблица товаров и весы не изменены.");
} // namespace

QString autoLoadNothingChangedText() { return QCoreApplication::translate("AutoLoad", kNothingChanged); }

namespace {
const QString kMain = QStringLiteral("Main");

bool truth(const ProfileFile &ini, const QString &key) { return ini.readInteger(kMain, key, 0) != 0; }
} // namespace

AutoLoadSettings AutoLoadSettings::read(const QString &iniPath)
{
    ProfileFile ini(iniPath);
    ini.load();
    AutoLoadSettings s;
    s.FName = ini.readString(kMain, QStringLiteral("FName"));
    s.FileAtribut = ini.readString(kMain, QStringLiteral("FileAtribut"));
    s.Time = qBound(1, ini.readInteger(kMain, QStringLiteral("Time"), 60), 700);
    s.LoadToScale = truth(ini, QStringLiteral("LoadToScale"));
    s.EnableAutoLoad = truth(ini, QStringLiteral("EnableAutoLoad"));
    s.NeedClear = truth(ini, QStringLiteral("NeedClear"));
    s.ChangedOnly = truth(ini, QStringLiteral("ChangedOnly"));
    return s;
}

void AutoLoadSettings::write(const QString &iniPath) const
{
    ProfileFile ini(iniPath);
    ini.load();
    ini.writeString(kMain, QStringLiteral("FName"), FName);
    ini.writeString(kMain, QStringLiteral("FileAtribut"), FileAtribut);
    ini.writeString(kMain, QStringLiteral("Time"), QString::number(Time));
    ini.writeString(kMain, QStringLiteral("LoadToScale"), LoadToScale ? QStringLiteral("1") : QStringLiteral("0"));
    ini.writeString(kMain, QStringLiteral("EnableAutoLoad"), EnableAutoLoad ? QStringLiteral("1") : QStringLiteral("0"));
    ini.writeString(kMain, QStringLiteral("NeedClear"), NeedClear ? QStringLiteral("1") : QStringLiteral("0"));
    ini.writeString(kMain, QStringLiteral("ChangedOnly"), ChangedOnly ? QStringLiteral("1") : QStringLiteral("0"));
    ini.saveAtomicallyOrThrow();
}

void AutoLoadSettings::writeFileTime(const QString &iniPath, const QString &fileTime)
{
    ProfileFile ini(iniPath);
    ini.load();
    ini.writeString(kMain, QStringLiteral("FileAtribut"), fileTime);
    ini.saveAtomicallyOrThrow();
}

QString autoLoadFileTime(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return info.lastModified().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString rangeAfterLoad(const QString &loadedRange, int recordCount, bool needClear)
{
    if (needClear)
        return QStringLiteral("1-%1").arg(kGoodsRowCount);
    const qint64 next = qint64(recordCount) + 1;
    if (next >= 1 && next <= kGoodsRowCount)
        return loadedRange + QString::number(next);
    return loadedRange;
}

AutoLoadResult loadGoodsFileAutomatically(Store &store, const QByteArray &bytes, const QString &fileName,
                                          bool needClear, const std::function<void(int selected)> &selectionReplaced)
{
    // What the user is typing in a grid is stored before the tables change under it, and the
    // last connection check may have been made by another program. (The caller holds the guard
    // of long table operations, so this reads again itself.)
    store.storeOpenEdits();
    if (store.tablesOpen() && store.database().changedElsewhere())
        store.rereadTables();
    Table &goods = store.goods();
    goods.refresh();
    // The whole file is checked before anything changes.
    const GoodsTextContent content = readGoodsText(bytes, fileName, needClear ? kGoodsRowCount : goods.count());

    Table &scales = store.scales();
    for (int r = 0; r < scales.count(); ++r)
        scales.setValue(r, QStringLiteral("U"), truthText(truthValue(scales.text(r, QStringLiteral("W")))));
    if (selectionReplaced)
        selectionReplaced(store.countSelectedScales());

    AutoLoadResult result;
    result.recordCount = content.recordCount;
    store.database().atomically(
        [&] {
            if (needClear)
                store.createEmptyGoods();
            const GoodsTextLoad load = storeGoodsText(goods, content);
            result.range = rangeAfterLoad(load.rangeText(), result.recordCount, needClear);
        },
        [&] { goods.refresh(); });
    return result;
}

} // namespace tevo
