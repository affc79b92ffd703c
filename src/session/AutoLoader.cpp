#include "session/AutoLoader.h"

#include "common/Error.h"
#include "fileio/ColumnTitles.h"
#include "fileio/GoodsTextFile.h"
#include "fileio/RememberedMappings.h"
#include "session/Operations.h"
#include "session/TabularAutoLoad.h"
#include "session/TabularImport.h"
#include "store/Store.h"

#include <QFile>
#include <optional>

namespace tevo {

namespace {
const char *const kAccessError = QT_TRANSLATE_NOOP("tevo::AutoLoader", "Ошибка при доступе к файлу автозагрузки!");
const char *const kTriedWhenChanged = QT_TRANSLATE_NOOP("tevo::AutoLoader", " Он будет загружен, когда изменится.");

// The goods table's values, row by row, to tell what a load changed.
QVector<QVector<QVariant>> goodsValues(Table &goods)
{
    QVector<QVector<QVariant>> rows(goods.count());
    for (int r = 0; r < goods.count(); ++r)
        for (const ColumnDef &c : goods.columns())
            rows[r].append(goods.value(r, c.name));
    return rows;
}

// How many rows differ between two readings of the goods, and the titles of the columns that do.
int changedRows(const QVector<QVector<QVariant>> &before, Table &goods, QStringList *columns)
{
    const QVector<QVector<QVariant>> after = goodsValues(goods);
    QVector<bool> columnChanged(goods.columns().size());
    int changed = 0;
    for (qsizetype r = 0; r < std::max(before.size(), after.size()); ++r) {
        bool differs = false;
        for (qsizetype c = 0; c < columnChanged.size(); ++c) {
            const QVariant a = r < before.size() ? before[r].value(c) : QVariant();
            const QVariant b = r < after.size() ? after[r].value(c) : QVariant();
            if (a.isNull() != b.isNull() || a.toString() != b.toString()) {
                differs = true;
                columnChanged[c] = true;
            }
        }
        changed += differs ? 1 : 0;
    }
    for (qsizetype c = 0; c < columnChanged.size(); ++c)
        if (columnChanged[c])
            *columns << columnTitle(goods.tableName(), goods.columns()[c].name).fileTitle;
    return changed;
}
} // namespace

AutoLoader::AutoLoader(Store &store, ScaleExchange &exchange, const QString &iniPath)
    : m_store(store), m_exchange(exchange), m_iniPath(iniPath)
{
    tmAutoLoad.setObjectName(QStringLiteral("tmAutoLoad"));
    connect(&tmAutoLoad, &QTimer::timeout, this, &AutoLoader::tmAutoLoadTimer);
    connect(&exchange, &ScaleExchange::goodsWriteEnded, this, &AutoLoader::goodsWriteEnded);
    // The end texts of the load's write come between goodsWriteEnded and ended: they are its.
    connect(&exchange, &ScaleExchange::ended, this, [this](const ExchangeReport &r) {
        if (r.command != CommandState::GoodsWrite)
            return;
        m_writing = false;
        if (m_receipt) {
            LoadReceipt receipt = *m_receipt;
            m_receipt.reset();
            receipt.write = r;
            saveReceipt(receipt);
        }
    });
}

void AutoLoader::tell(Notice::Kind kind, Notice::About about, const QString &text)
{
    Notice n;
    n.kind = kind;
    n.about = about;
    n.text = text;
    n.automatic = true;
    emit notice(n);
}

void AutoLoader::failedLoad(LoadReceipt &receipt, const QString &text)
{
    watchAgain();
    receipt.error = text;
    saveReceipt(receipt);
    tell(Notice::Kind::Error, Notice::About::AutomaticLoad, text);
}

void AutoLoader::saveReceipt(const LoadReceipt &receipt)
{
    try {
        receipt.save();
    } catch (const Error &e) {
        tell(Notice::Kind::Error, Notice::About::AutomaticLoad, e.text());
    }
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
    tell(Notice::Kind::Error, Notice::About::AutomaticLoad,
         reason + QLatin1Char('\n') + autoLoadNothingChangedText() + tr(kTriedWhenChanged));
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
        tell(Notice::Kind::Error, Notice::About::AutomaticLoad, tr(kAccessError));
        return;
    }
    const QFileInfo before(path);
    const QByteArray bytes = watched.readAll();
    watched.close();
    const QFileInfo iniInfo(m_iniPath);
    const bool iniWritable = iniInfo.exists() ? iniInfo.isWritable() : QFileInfo(iniInfo.absolutePath()).isWritable();
    if (!iniWritable) {
        tell(Notice::Kind::Error, Notice::About::AutomaticLoad, tr(kAccessError));
        return;
    }
    // A file still being written (its time or size moved while it was read) is taken at a
    // later tick, whole.
    const QFileInfo after(path);
    if (!after.exists() || fileTimeText(path) != fileTime || after.size() != bytes.size()
        || after.lastModified() != before.lastModified())
        return;
    LoadReceipt receipt;
    receipt.file = path;
    receipt.time = QDateTime::currentDateTime();
    receipt.writeWanted = settings.LoadToScale;
    // A file that cannot be loaded is refused before anything is touched (a running exchange
    // goes on), and is not tried again until it changes. Another program's table is planned
    // by the mapping remembered for its name: every line that cannot be stored is in the receipt.
    const bool goodsText = isGoodsTextFile(bytes);
    std::optional<TabularImport> tabular;
    try {
        if (goodsText) {
            (void)readGoodsText(bytes, path, rowsToCheckAgainst());
        } else {
            tabular.emplace(ImportTarget::Goods, parseTabularBytes(bytes, path));
            tabular->useRemembered(RememberedMappings());
            receipt.mapping = tabular->mapping().toText();
            if (m_store.tablesOpen()) {
                const ImportPlan plan = tabular->plan(m_store.goods());
                receipt.mapping = plan.mapping().toText();
                if (!plan.ready()) {
                    receipt.problems = plan.problems();
                    throw InputError(plan.problems().isEmpty()
                                         ? tr("В файле «%1» нет строк для загрузки.").arg(after.fileName())
                                         : tr("Строк, которые нельзя сохранить: %1. Первая: %2")
                                               .arg(plan.problems().size())
                                               .arg(plan.problems().first()));
                }
            }
        }
    } catch (const Error &e) {
        // An InputError (a line that cannot be stored) or a FileError (a file of no known kind).
        if (receipt.problems.isEmpty())
            receipt.problems << e.text();
        saveReceipt(receipt);
        // Another program's table is named by its whole path, as the goods text file is.
        refuse(after, goodsText ? e.text() : tr("Файл «%1» не загружен. %2").arg(path, e.text()));
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
    m_exchange.engine().stop();
    std::optional<OperationGuard::Scope> scope;
    scope.emplace(guard, operationName(kAutoLoading));
    if (!*scope) {
        tmAutoLoad.start();
        return;
    }
    AutoLoadResult load;
    const ChangeJournal::Scope source(m_store.journal(), ChangeSource::AutoLoad, path);
    const auto selected = [this](int count) {
        emit selectionReplaced(count);
        tell(Notice::Kind::Information, Notice::About::Passing, tr("идет автоматическая загрузка в весы"));
    };
    try {
        if (tabular) {
            const TabularLoadResult done = loadTabularFileAutomatically(m_store, *tabular, settings.NeedClear, selected);
            load.range = done.range;
            load.recordCount = done.outcome.fileRows;
            receipt.storedRows = done.outcome.fileRows;
            receipt.changedGoods = done.outcome.changedRows;
            receipt.columns = done.outcome.columns;
        } else {
            const QVector<QVector<QVariant>> before =
                m_store.tablesOpen() ? goodsValues(m_store.goods()) : QVector<QVector<QVariant>>();
            load = loadGoodsFileAutomatically(m_store, bytes, path, settings.NeedClear, selected);
            receipt.storedRows = load.recordCount;
            receipt.changedGoods = changedRows(before, m_store.goods(), &receipt.columns);
        }
    } catch (const InputError &e) {
        // Refused now (the table read again is shorter than the one checked against above).
        watchAgain();
        receipt.problems << e.text();
        saveReceipt(receipt);
        refuse(after, e.text());
        return;
    } catch (const Error &e) {
        // The store failed: nothing of the file is stored, it does not count as loaded and is
        // loaded again at a later tick.
        failedLoad(receipt, e.text());
        return;
    }
    receipt.loaded = true;
    receipt.range = load.range;
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
            failedLoad(receipt, e.text());
            return;
        }
    }
    // The write that follows holds the guard itself.
    scope.reset();
    emit rangeLoaded(range);
    emit loaded(recordCount);
    // The watch runs again when the write ends; at once when there is none, or when it has
    // ended already (refused at its start).
    const int endsBefore = m_writeEnds;
    bool started = false;
    if (settings.LoadToScale) {
        m_writing = true;
        // The receipt waits for the write's end, which may come before the start returns.
        receipt.writeStarted = true;
        m_receipt = receipt;
        started = m_exchange.goods().StartGoodsWrite(range, settings.ChangedOnly);
        if (!started)
            m_writing = false;
    }
    if (!started && (m_receipt || !settings.LoadToScale)) {
        receipt.writeStarted = false;
        m_receipt.reset();
        saveReceipt(receipt);
    }
    if (!started || m_writeEnds != endsBefore)
        watchAgain();
}

} // namespace tevo
