#pragma once
// Automatic loading's files: the settings in "AutoLoad.ini" beside the program (section Main),
// and the load of a watched goods text file into the goods table, all or nothing. The watch
// that runs it (session/AutoLoader) and the command line's "load" use it.
#include <QDateTime>
#include <QFileInfo>
#include <QString>
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
    bool ChangedOnly = false;    // cbAutoChangedOnly: write each scale only what it does not hold yet

    static AutoLoadSettings read(const QString &iniPath); // missing keys take their defaults
    // Writes the seven keys; the file is replaced as a whole, so a failure (or a crash) leaves
    // the old one. Throws FileError "Unable to write to %s".
    void write(const QString &iniPath) const;
    // Writes FileAtribut alone, the same way.
    static void writeFileTime(const QString &iniPath, const QString &fileTime);
};

// What one automatic load did.
struct AutoLoadResult {
    int recordCount = 0; // RecordCount of the file's Main section
    QString range;       // the goods range to write: see rangeAfterLoad
};

// The modification-time text of a file ("" when it does not exist); the same form at the tick
// and at closing, one-second slots.
QString autoLoadFileTime(const QString &path);
// The range text after a load: "1-4000" for a clearing load, otherwise the loaded numbers
// followed by RecordCount + 1 (dropped when beyond the goods numbers).
QString rangeAfterLoad(const QString &loadedRange, int recordCount, bool needClear);

// The text added to the refusal of a goods file by an automatic load: nothing has changed, in
// the language of the program.
QString autoLoadNothingChangedText();

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

} // namespace tevo
