#pragma once
// Automatic loading: a watched goods text file is loaded into the goods table whenever its
// modification time differs from the time of its last load, and, when so set, the loaded
// goods are written into the scales that answered the last connection check. The settings
// live in "AutoLoad.ini" beside the program, section Main.
#include <QDateTime>
#include <QFileInfo>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

namespace tevo {

class Store;

struct AutoLoadSettings {
    QString FName;               // the watched file
    QString FileAtribut;         // its modification-time text at the last load or dialog closing
    int Time = 60;               // check period in seconds, 1 … 700
    bool LoadToScale = false;    // cbAutoLoad: start the goods write after a load
    bool EnableAutoLoad = false; // cbEnableAutoLoad: the watch timer runs at all
    bool NeedClear = false;      // cbNeedClear: rebuild the goods table empty before a load

    static AutoLoadSettings read(const QString &iniPath); // missing keys take their defaults
    // Writes the six keys; the file is replaced as a whole, so a failure (or a crash) leaves
    // the old one. Throws FileError "Unable to write to %s".
    void write(const QString &iniPath) const;
    // Writes FileAtribut alone, the same way.
    static void writeFileTime(const QString &iniPath, const QString &fileTime);
};

// What one automatic load did.
struct AutoLoadResult {
    int recordCount = 0; // RecordCount of the file's Main section
    QString range;       // the goods range to write: see AutoLoader::rangeAfterLoad
};

// The text added to the refusal of a goods file by an automatic load: nothing has changed.
extern const QString kAutoLoadNothingChanged;

// The steps of one automatic load of a goods text file (its bytes; `fileName` names it in a
// refusal), as the watch timer runs them and as the command line's "load" does: what is typed
// into the grids is stored; the tables are read again when another program changed them; the
// whole file is read and checked (readGoodsText) against the goods table, or against the 4000
// rows of an emptied one with `needClear`; only a file that passed goes on: every scale is
// selected exactly when it answered the last connection check (U := W), and
// `selectionReplaced` is told how many are; then, in one atomic block, the goods table is
// rebuilt empty (with `needClear`) and the file's goods are stored into it. All or nothing:
// throws InputError for a refused file (nothing changed: no table, no selection) and Error
// when the store fails (the goods as they were).
AutoLoadResult loadGoodsFileAutomatically(Store &store, const QByteArray &bytes, const QString &fileName, bool needClear,
                                          const std::function<void(int selected)> &selectionReplaced = {});

class AutoLoader : public QObject {
    Q_OBJECT
public:
    AutoLoader(Store &store, const QString &iniPath, QObject *parent = nullptr);

    QTimer tmAutoLoad;
    AutoLoadSettings settings;
    QString LastLoadedFileTime;

    // What a load needs of the rest of the program.
    std::function<void()> stopExchange;                      // CloseChannels and Timer1 off
    std::function<void(int)> setSelectedScaleCount;          // after U := W
    std::function<void(const QString &text)> notify;         // balloon (or the status bar)
    std::function<void(const QString &range)> setGoodsRange; // edTDiapazon
    std::function<bool(const QString &range)> startGoodsWrite;

    // The modification-time text of a file ("" when it does not exist); the same form at the
    // tick and at closing, one-second slots.
    static QString fileTimeText(const QString &path);
    // The range text after a load: "1-4000" for a clearing load, otherwise the loaded numbers
    // followed by RecordCount + 1 (dropped when beyond the goods numbers).
    static QString rangeAfterLoad(const QString &loadedRange, int recordCount, bool needClear);

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
    // changes; a refused file is told once (errorMessage) and tried again only once its time or
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
    void errorMessage(const QString &text);
    void loaded(int recordCount);

private:
    void watchAgain();
    // The goods rows a file's numbers must fall in: 4000 for a clearing load.
    int rowsToCheckAgainst();
    // Remembers the refused file and tells why.
    void refuse(const QFileInfo &file, const QString &reason);

    Store &m_store;
    QString m_iniPath;
    bool m_inTick = false;
    int m_writeEnds = 0; // goods writes ended so far
    // The refused file: its modification time (milliseconds) and size.
    QDateTime m_refusedTime;
    qint64 m_refusedSize = -1;
    int m_refusedRows = 0;
};

} // namespace tevo
