#pragma once
// Automatic loading: a watched goods text file is loaded into the goods table whenever its
// modification time differs from the time of its last load, and, when so set, the loaded
// goods are written into the scales that answered the last connection check. The settings
// live in "AutoLoad.ini" beside the program, section Main.
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
    QString failure;     // a bad value in the file stopped the load (the rows before it stay)
};

// The steps of one automatic load of a goods text file (its bytes), as the watch timer runs
// them and as the command line's "load" does: what is typed into the grids is stored; the
// tables are read again when another program changed them; every scale is selected exactly
// when it answered the last connection check (U := W), and `selectionReplaced` is told how
// many are; the goods table is read again, rebuilt empty first with `needClear`, and the
// file's goods are loaded into it. Throws Error when the store fails.
AutoLoadResult loadGoodsFileAutomatically(Store &store, const QByteArray &bytes, bool needClear,
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
    // After a goods write ended well: watch again when enabled.
    void goodsWriteSucceeded();
    // One tick of the watch timer. While another long table operation runs, the tick does
    // nothing and the next one tries again. A load stores the open grid edits first, and the
    // watched file's time is written into the settings file only after the loaded rows are
    // committed.
    void tmAutoLoadTimer();
    void applyTimer();

signals:
    void errorMessage(const QString &text);
    void loaded(int recordCount);

private:
    Store &m_store;
    QString m_iniPath;
};

} // namespace tevo
