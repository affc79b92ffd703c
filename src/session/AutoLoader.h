#pragma once
// The automatic-loading watch: a watched goods file is loaded into the goods table whenever its
// modification time differs from the time of its last load, and, when so set, the loaded goods
// are written into the scales that answered the last connection check. The file is the
// program's goods text file, or another program's table (CSV or TXT, .xlsx, .xls, dBase) mapped
// by the mapping remembered for its name (session/TabularAutoLoad). After each load, refused
// or done, a receipt is written beside the file (session/LoadReceipt), completed with the
// scales' part once the load's write ends. The settings live in "AutoLoad.ini" beside the
// program, section Main (fileio/AutoLoad). What the user is to be told leaves as notices.
#include "commands/ScaleExchange.h"
#include "fileio/AutoLoad.h"
#include "session/LoadReceipt.h"

#include <QDateTime>
#include <QFileInfo>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

namespace tevo {

class Store;

class AutoLoader : public QObject {
    Q_OBJECT
public:
    // Loads into the store and writes through the exchange; the settings file is `iniPath`.
    AutoLoader(Store &store, ScaleExchange &exchange, const QString &iniPath);

    QTimer tmAutoLoad;
    AutoLoadSettings settings;
    QString LastLoadedFileTime;

    static QString fileTimeText(const QString &path) { return autoLoadFileTime(path); }
    static QString rangeAfterLoad(const QString &loaded, int recordCount, bool needClear)
    {
        return tevo::rangeAfterLoad(loaded, recordCount, needClear);
    }

    // The goods write of a load runs (from its start to its end): what the exchange tells
    // meanwhile belongs to the load.
    bool writing() const { return m_writing; }

    // Reads the settings file and starts the timer when enabled (program start).
    void create();
    // The dialog closed with these settings: stores them (and the watched file's present
    // time) and sets the timer. Throws FileError when the file cannot be written.
    void dialogClosed(const AutoLoadSettings &fromDialog);
    // A goods write ended, however it ended (finished, with refusals, stopped, failed): the
    // watch, stopped for the load whose write this was, runs again when enabled. Whatever box
    // shows the write's end text has no say in it.
    void goodsWriteEnded();
    // One tick of the watch timer. While another long table operation runs, the tick does
    // nothing and the next one tries again. The whole file is read and checked before anything
    // changes; a refused file is told once (a notice) and tried again only once its time or
    // size changes. A load stores the open grid edits first, and the watched file's time is
    // written into the settings file only after the loaded rows are committed. The watch
    // stops for a load and runs again when the load's goods write ends, or at once when no
    // write follows (not set, or refused at its start) or the store failed.
    void tmAutoLoadTimer();
    // The watched file was refused and is not tried again until it changes (or the number of
    // goods rows its numbers were checked against does).
    bool refusedFileUnchanged();
    void applyTimer();

signals:
    // A tick found the watched file changed and takes it up: what automatic loading tells from
    // now on (a refusal, the load's write and its end) is about this file.
    void loadStarting();
    // A refused file, a load that failed (errors), "идет автоматическая загрузка в весы" (a
    // word in passing): all marked automatic.
    void notice(const tevo::Notice &notice);
    // Every scale is selected exactly when it answered the last connection check: `count` are.
    void selectionReplaced(int count);
    // The goods range the load's write takes (the goods tab shows it).
    void rangeLoaded(const QString &range);
    void loaded(int recordCount);

private:
    void watchAgain();
    // The goods rows a file's numbers must fall in: 4000 for a clearing load.
    int rowsToCheckAgainst();
    // Remembers the refused file and tells why.
    void refuse(const QFileInfo &file, const QString &reason);

    void tell(Notice::Kind kind, Notice::About about, const QString &text);
    // Writes a load's receipt beside the watched file; a failure is told.
    void saveReceipt(const LoadReceipt &receipt);
    // A load the store or the settings file failed: told, written into the receipt, and the
    // watch runs again.
    void failedLoad(LoadReceipt &receipt, const QString &text);

    Store &m_store;
    ScaleExchange &m_exchange;
    QString m_iniPath;
    bool m_writing = false;
    bool m_inTick = false;
    int m_writeEnds = 0; // goods writes ended so far
    // The refused file: its modification time (milliseconds) and size.
    QDateTime m_refusedTime;
    qint64 m_refusedSize = -1;
    int m_refusedRows = 0;
    // The receipt of the load whose write runs: saved when the write ends.
    std::optional<LoadReceipt> m_receipt;
};

} // namespace tevo
