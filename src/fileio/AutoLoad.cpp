#include "fileio/AutoLoad.h"

#include "common/Error.h"
#include "common/ProfileFile.h"
#include "fileio/GoodsTextFile.h"
#include "store/Store.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace tevo {

const QString kAutoLoadNothingChanged = QStringLiteral("Файл не загружен: таблица товаров и весы не изменены.");

namespace {
const QString kMain = QStringLiteral("Main");
const QString kAccessError = QStringLiteral("Ошибка при доступе к файлу автозагрузки!");
const QString kLoading = QStringLiteral("автоматическая загрузка товаров");
const QString kTriedWhenChanged = QStringLiteral(" Он будет загружен, когда изменится.");

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
    ini.saveAtomicallyOrThrow();
}

void AutoLoadSettings::writeFileTime(const QString &iniPath, const QString &fileTime)
{
    ProfileFile ini(iniPath);
    ini.load();
    ini.writeString(kMain, QStringLiteral("FileAtribut"), fileTime);
    ini.saveAtomicallyOrThrow();
}

AutoLoader::AutoLoader(Store &store, const QString &iniPath, QObject *parent)
    : QObject(parent), m_store(store), m_iniPath(iniPath)
{
    tmAutoLoad.setObjectName(QStringLiteral("tmAutoLoad"));
    connect(&tmAutoLoad, &QTimer::timeout, this, &AutoLoader::tmAutoLoadTimer);
}

QString AutoLoader::fileTimeText(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return info.lastModified().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString AutoLoader::rangeAfterLoad(const QString &loadedRange, int recordCount, bool needClear)
{
    if (needClear)
        return QStringLiteral("1-%1").arg(kGoodsRowCount);
    const qint64 next = qint64(recordCount) + 1;
    if (next >= 1 && next <= kGoodsRowCount)
        return loadedRange + QString::number(next);
    return loadedRange;
}

void AutoLoader::applyTimer()
{
    tmAutoLoad.setInterval(settings.Time * 1000);
    if (settings.EnableAutoLoad)
        tmAutoLoad.start();
    else
        tmAutoLoad.stop();
}

void AutoLoader::create()
{
    settings = AutoLoadSettings::read(m_iniPath);
    LastLoadedFileTime = settings.FileAtribut;
    applyTimer();
}

void AutoLoader::dialogClosed(const AutoLoadSettings &fromDialog)
{
    const QString keptTime = settings.FileAtribut;
    settings = fromDialog;
    m_refusedSize = -1; // a refused file is tried again
    settings.Time = qBound(1, settings.Time, 700);
    const QString now = fileTimeText(settings.FName);
    settings.FileAtribut = now.isEmpty() ? keptTime : now;
    applyTimer();
    settings.write(m_iniPath);
}

void AutoLoader::watchAgain()
{
    if (settings.EnableAutoLoad)
        tmAutoLoad.start();
}

void AutoLoader::goodsWriteEnded()
{
    ++m_writeEnds;
    // A write a tick stops (to load) is followed by the tick's own decision.
    if (!m_inTick)
        watchAgain();
}

int AutoLoader::rowsToCheckAgainst()
{
    // An emptied table has every goods number; so has a table not open yet (the load itself
    // then fails on the store and is tried again).
    return settings.NeedClear || !m_store.tablesOpen() ? kGoodsRowCount : m_store.goods().count();
}

bool AutoLoader::refusedFileUnchanged()
{
    if (m_refusedSize < 0)
        return false;
    const QFileInfo info(settings.FName);
    return info.exists() && info.lastModified() == m_refusedTime && info.size() == m_refusedSize
           && rowsToCheckAgainst() == m_refusedRows;
}

void AutoLoader::refuse(const QFileInfo &file, const QString &reason)
{
    m_refusedTime = file.lastModified();
    m_refusedSize = file.size();
    m_refusedRows = rowsToCheckAgainst();
    emit errorMessage(reason + QLatin1Char('\n') + kAutoLoadNothingChanged + kTriedWhenChanged);
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
            result.range = AutoLoader::rangeAfterLoad(load.rangeText(), result.recordCount, needClear);
        },
        [&] { goods.refresh(); });
    return result;
}

void AutoLoader::tmAutoLoadTimer()
{
    // A tick that arrives while one runs (in a box or a rebuild's events) waits for the next.
    if (m_inTick)
        return;
    const QString path = settings.FName;
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    const QString fileTime = fileTimeText(path);
    if (fileTime == LastLoadedFileTime || refusedFileUnchanged())
        return;
    emit loadStarting();
    // Access to both files first; nothing changes when either fails.
    QFile watched(path);
    if (!watched.open(QIODevice::ReadOnly)) {
        emit errorMessage(kAccessError);
        return;
    }
    const QFileInfo before(path);
    const QByteArray bytes = watched.readAll();
    watched.close();
    const QFileInfo iniInfo(m_iniPath);
    const bool iniWritable = iniInfo.exists() ? iniInfo.isWritable() : QFileInfo(iniInfo.absolutePath()).isWritable();
    if (!iniWritable) {
        emit errorMessage(kAccessError);
        return;
    }
    // A file still being written (its time or size moved while it was read) is taken at a
    // later tick, whole.
    const QFileInfo after(path);
    if (!after.exists() || fileTimeText(path) != fileTime || after.size() != bytes.size()
        || after.lastModified() != before.lastModified())
        return;
    // A file that cannot be loaded is refused before anything is touched (a running exchange
    // goes on), and is not tried again until it changes.
    try {
        (void)readGoodsText(bytes, path, rowsToCheckAgainst());
    } catch (const InputError &e) {
        refuse(after, e.text());
        return;
    }

    // While another long table operation runs nothing is touched or recorded: the next tick
    // tries again. An exchange with the scales is stopped instead, as before every load.
    OperationGuard &guard = m_store.guard();
    if (guard.busy() && !guard.heldByStoppable())
        return;
    m_inTick = true;
    struct TickEnd {
        bool &inTick;
        ~TickEnd() { inTick = false; }
    } tickEnd{m_inTick};
    tmAutoLoad.stop();
    if (stopExchange)
        stopExchange();
    std::optional<OperationGuard::Scope> scope;
    scope.emplace(guard, kLoading);
    if (!*scope) {
        tmAutoLoad.start();
        return;
    }
    AutoLoadResult load;
    try {
        load = loadGoodsFileAutomatically(m_store, bytes, path, settings.NeedClear, [this](int selected) {
            if (setSelectedScaleCount)
                setSelectedScaleCount(selected);
            if (notify)
                notify(QStringLiteral("идет автоматическая загрузка в весы"));
        });
    } catch (const InputError &e) {
        // Refused now (the table read again is shorter than the one checked against above).
        watchAgain();
        refuse(after, e.text());
        return;
    } catch (const Error &e) {
        // The store failed: nothing of the file is stored, it does not count as loaded and is
        // loaded again at a later tick.
        watchAgain();
        emit errorMessage(e.text());
        return;
    }
    m_refusedSize = -1;
    const QString &range = load.range;
    const int recordCount = load.recordCount;

    // The file counts as loaded in this run; it is recorded in the settings file only once the
    // loaded rows are committed, so a crash before that loads it again at the next start.
    LastLoadedFileTime = fileTime;
    if (m_store.database().tryCommit()) {
        settings.FileAtribut = fileTime;
        try {
            AutoLoadSettings::writeFileTime(m_iniPath, fileTime);
        } catch (const Error &e) {
            watchAgain();
            emit errorMessage(e.text());
            return;
        }
    }
    // The write that follows holds the guard itself.
    scope.reset();
    if (setGoodsRange)
        setGoodsRange(range);
    emit loaded(recordCount);
    // The watch runs again when the write ends; at once when there is none, or when it has
    // ended already (refused at its start).
    const int endsBefore = m_writeEnds;
    const bool started = settings.LoadToScale && startGoodsWrite && startGoodsWrite(range);
    if (!started || m_writeEnds != endsBefore)
        watchAgain();
}

} // namespace tevo
