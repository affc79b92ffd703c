#include "session/AutoLoader.h"

#include "common/Error.h"
#include "fileio/GoodsTextFile.h"
#include "session/Operations.h"
#include "store/Store.h"

#include <QFile>
#include <optional>

namespace tevo {

namespace {
const QString kAccessError = QStringLiteral("Ошибка при доступе к файлу автозагрузки!");
const QString kTriedWhenChanged = QStringLiteral(" Он будет загружен, когда изменится.");
} // namespace

AutoLoader::AutoLoader(Store &store, ScaleExchange &exchange, const QString &iniPath)
    : m_store(store), m_exchange(exchange), m_iniPath(iniPath)
{
    tmAutoLoad.setObjectName(QStringLiteral("tmAutoLoad"));
    connect(&tmAutoLoad, &QTimer::timeout, this, &AutoLoader::tmAutoLoadTimer);
    connect(&exchange, &ScaleExchange::goodsWriteEnded, this, &AutoLoader::goodsWriteEnded);
    // The end texts of the load's write come between goodsWriteEnded and ended: they are its.
    connect(&exchange, &ScaleExchange::ended, this, [this](const ExchangeReport &r) {
        if (r.command == CommandState::GoodsWrite)
            m_writing = false;
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
         reason + QLatin1Char('\n') + kAutoLoadNothingChanged + kTriedWhenChanged);
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
        tell(Notice::Kind::Error, Notice::About::AutomaticLoad, kAccessError);
        return;
    }
    const QFileInfo before(path);
    const QByteArray bytes = watched.readAll();
    watched.close();
    const QFileInfo iniInfo(m_iniPath);
    const bool iniWritable = iniInfo.exists() ? iniInfo.isWritable() : QFileInfo(iniInfo.absolutePath()).isWritable();
    if (!iniWritable) {
        tell(Notice::Kind::Error, Notice::About::AutomaticLoad, kAccessError);
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
    m_exchange.engine().stop();
    std::optional<OperationGuard::Scope> scope;
    scope.emplace(guard, kAutoLoading);
    if (!*scope) {
        tmAutoLoad.start();
        return;
    }
    AutoLoadResult load;
    try {
        load = loadGoodsFileAutomatically(m_store, bytes, path, settings.NeedClear, [this](int selected) {
            emit selectionReplaced(selected);
            tell(Notice::Kind::Information, Notice::About::Passing,
                 QStringLiteral("идет автоматическая загрузка в весы"));
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
        tell(Notice::Kind::Error, Notice::About::AutomaticLoad, e.text());
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
            tell(Notice::Kind::Error, Notice::About::AutomaticLoad, e.text());
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
        started = m_exchange.goods().StartGoodsWrite(range);
        if (!started)
            m_writing = false;
    }
    if (!started || m_writeEnds != endsBefore)
        watchAgain();
}

} // namespace tevo
