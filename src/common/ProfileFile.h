#pragma once
// Windows profile (INI) files as the program and the users' tools know them: Windows-1251
// bytes, CR LF lines, "[section]" lines, "key=value" lines; sections and keys compared without
// regard to case; on reading, values trimmed and unquoted (a pair of ' or ") and cut at 2047
// characters; on writing, an existing key replaced in place, a new key added at the end of its
// section, a new section at the end of the file, nothing else touched.
// Files that start with a UTF-8 byte-order mark, or whose bytes are valid UTF-8 with non-ASCII
// ones, are read as UTF-8; what the program writes is Windows-1251.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

namespace tevo {

class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(const QString &path);

    // Reads the file. A missing file gives an empty profile and true; a file that exists but
    // cannot be read gives false and the error text.
    bool load(QString *error = nullptr);
    // As load, but throws FileError "Cannot open file %s".
    void loadOrThrow();
    // Reads the profile from bytes (used by load, the fuzzers and the tests).
    void parse(const QByteArray &bytes);

    const QString &path() const { return m_path; }

    bool sectionExists(const QString &section) const; // the section holds at least one key
    QStringList sections() const;
    QStringList keys(const QString &section) const;
    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    // A whole number: decimal, or hexadecimal after "0x" or "$" (see tryStrToInt); a value that
    // is not such a number, or a missing key, gives the default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // The 1-based line of the file that readString reads for this key, as parsed (0 when the
    // key is missing or was written since).
    int lineOf(const QString &section, const QString &key) const;
    // The 1-based line of the first "[section]" line of that name, as parsed (0 when none).
    int sectionLine(const QString &section) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void deleteKey(const QString &section, const QString &key);
    void deleteSection(const QString &section);
    void clear();

    // The profile as file bytes: Windows-1251, CR LF.
    QByteArray toBytes() const;
    // Writes the file in place; false with "Unable to write to %s" on failure.
    bool save(QString *error = nullptr) const;
    // Writes a fresh file through a temporary file renamed into place, so a failure leaves the
    // old file whole; false with "Unable to write to %s" on failure.
    bool saveAtomically(QString *error = nullptr) const;
    // As saveAtomically, but throws FileError "Unable to write to %s".
    void saveAtomicallyOrThrow() const;

private:
    struct Line {
        QString text;            // the line as it stands in the file
        qsizetype keyBegin = -1; // key lines: the key (trimmed) and the raw value within text
        qsizetype keyEnd = 0;
        qsizetype valueBegin = 0;
        int number = 0; // the line's 1-based number in the parsed file; 0 for a line written since
        bool isKey() const { return keyBegin >= 0; }
        QStringView key() const { return QStringView(text).mid(keyBegin, keyEnd - keyBegin); }
        QStringView value() const { return QStringView(text).mid(valueBegin); }
    };
    struct Section {
        QString name;
        QString header; // the "[name]" line as it stands in the file
        int number = 0; // the header's 1-based line number in the parsed file; 0 when written since
        QVector<Line> lines;
    };
    QVector<int> sectionsNamed(const QString &section) const;
    const Line *findKey(const QString &section, const QString &key) const;
    void reindex();

    QString m_path;
    QStringList m_preamble;               // lines before the first section
    QVector<Section> m_sections;          // in file order; a name may stand more than once
    QHash<QString, QVector<int>> m_index; // case-folded name -> sections of that name
};

} // namespace tevo
